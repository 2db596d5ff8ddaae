// The explore panel's scenes beyond the mirror: chosen from a list, each drawn with its own line
// through the picture, the screen's gap set with a slider of its own, the mirror's own controls
// shown for the mirror alone, and the frequency kept within what each scene shows truly.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { darkGrey, eachBrowser, focused, hasColourNear, narrow, read, slide, textOf } from './support.js';

const waterBlue = [30, 100, 200];
const glassTeal = [40, 140, 150];
// On the line at y 250, between the dots of points 11 and 12 (counted from 0, 24 pixels apart
// from x 56): closed by a screen with a gap of 6 points (12 to 17, x 332 to 476), open with one
// of 10 (10 to 19, x 284 to 524), and clear of every path's line.
const onTheLine = [328, 250];
// On the mirror, far right of the paths that cross the mirror's height on their way to a
// detector below a line.
const onTheMirror = [700, 291];

// Which of the mirror's own controls and the gap's slider are shown, and the distance's caption.
const panelShows = (page) => page.evaluate(() => [...['segments', 'presets', 'measure', 'gap'].map((id) => document.getElementById(id).getClientRects().length > 0),
                                                  document.getElementById('distanceLabel').textContent]);

eachBrowser((quorvel) => {
    test("each scene chosen draws its own line through the picture, names itself and shows its own controls; the gap's slider moves the screen's edges", async () => {
        const { page } = await quorvel.open(narrow, '?explore=1');
        const forTheMirror = [true, true, true, false, 'Distance'];
        assert.deepEqual(await panelShows(page), forTheMirror);
        // The window's heading names the scene; "(length)" goes where a path's time is more than its length.
        for (const [scene, colour, time, gapShown] of [['Into water', waterBlue, 'Time', false], ['Into glass', glassTeal, 'Time', false],
                                                       ['Narrow gap', darkGrey, 'Time (length)', true]]) {
            await page.select('#scene', scene);
            assert.ok(await hasColourNear(page, ...onTheLine, colour), `${scene}: its line at y 250`);
            assert.ok(!await hasColourNear(page, ...onTheMirror, darkGrey), `${scene}: no mirror`);
            assert.deepEqual([await textOf(page, '#labZrcadlení'), await textOf(page, '#labCas')], [scene, time]);
            assert.deepEqual(await panelShows(page), [false, false, false, gapShown, "Detector's place"], scene);
        }
        await page.select('#scene', 'Mirror');
        assert.deepEqual([await textOf(page, '#labZrcadlení'), await panelShows(page)], ['Difraction on mirror', forTheMirror]);
        assert.ok(await hasColourNear(page, ...onTheMirror, darkGrey), 'the mirror');
        assert.ok(!await hasColourNear(page, ...onTheLine, darkGrey), 'no screen');

        await page.select('#scene', 'Narrow gap');
        assert.equal(await read(page, '#gapNumber', 'value'), '6');
        assert.ok(await hasColourNear(page, ...onTheLine, darkGrey), 'closed with 6 points open');
        await slide(page, 'gap', 10);
        assert.equal(await read(page, '#gapNumber', 'value'), '10');
        assert.ok(!await hasColourNear(page, ...onTheLine, darkGrey), 'open with 10');
        // The keyboard steps it by its two points, and pages by four.
        await page.focus('#gap');
        await page.keyboard.press('ArrowRight');
        assert.equal(await read(page, '#gapNumber', 'value'), '12');
        await page.keyboard.press('PageDown');
        assert.equal(await read(page, '#gapNumber', 'value'), '8');
        // From the scene choice the gap is the next stop, then the detector's place.
        await page.focus('#scene');
        const stops = [];
        for (let i = 0; i < 3; ++i) stops.push(await page.keyboard.press('Tab').then(() => focused(page)));
        assert.deepEqual(stops, ['gap', 'distance', 'distanceNumber']);
        await page.select('#scene', 'Into water');
        assert.equal(await textOf(page, '#labSoucet'), 'Cornu spiral and sum vector (\u00d7\u00a00.98)', 'the size the spiral is drawn at');
    });

    test("the frequency reaches as far as each scene shows truly, and one above the scene's reach is brought down", async () => {
        const { page } = await quorvel.open(narrow, '?explore=1');
        await slide(page, 'frequency', 2);
        for (const [scene, reach] of [['Into water', '1.2'], ['Into glass', '1.1'], ['Narrow gap', '1.4'], ['Mirror', '2']]) {
            await page.select('#scene', scene);
            assert.equal(await read(page, '#frequency', 'max'), reach, scene);
        }
        assert.equal(await read(page, '#frequencyNumber', 'value'), '2', 'brought down by the scenes passed, given back by the mirror');
        // A frequency that moved unasked is explained in sight too.
        assert.equal(await page.$eval('#frequencyNote', (note) => note.getClientRects().length > 0 && note.textContent), 'Frequency back to 2, as chosen before.');
        await slide(page, 'frequencyNumber', 'x', 'change');
        assert.equal(await page.$eval('#frequencyNote', (note) => note.getClientRects().length), 0, 'a refusal takes its place');
    });
});
