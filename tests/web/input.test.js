// What the page adds to the window's input: its controls reach the window in the order they came,
// a run's held input included, the Stop button, and a speed control that moves as the desktop's
// scroll bar does.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickOn, countRuns, eachBrowser, read, runsFinished, runUntil, said } from './support.js';

// What the window shows: the slowdown, frequency and distance its text boxes hold, the speed
// control's place and the options chosen.
const shown = (page) => page.evaluate(() => ({
    texts: ['nSpomaleni', 'nKmitocet', 'nPosun'].map((id) => document.getElementById(id).value),
    speed: Number(document.getElementById('HScroll1').value),
    chosen: [...document.querySelectorAll('input[type=radio]:checked')].map((option) => option.id),
}));
const speedOf = (page) => page.$eval('#HScroll1', (speed) => Number(speed.value));

// A point of the speed control's track, at a fraction of its width from its left edge.
async function alongTrack(page, fraction) {
    const box = await (await page.$('#HScroll1')).boundingBox();
    return [box.x + box.width * fraction, box.y + box.height / 2];
}

eachBrowser((quorvel) => {
    test('Escape, and the Stop button, end a run at once and drop what was held; the button is off while nothing runs', async () => {
        const { page } = await quorvel.open();
        assert.equal(await read(page, '#stopRun', 'disabled'), true);
        for (const stop of [() => page.keyboard.press('Escape'), () => clickOn(page, '#stopRun')]) {
            const { finished } = await runUntil(page, '20', 2);
            assert.equal(await read(page, '#stopRun', 'disabled'), false);
            await clickOn(page, '#op250');
            await stop();
            await finished;
            assert.equal(await read(page, '#nPosun', 'value'), '0', 'the held choice dropped');
            // Said again the second time, after a moment's silence.
            await said(page, /^Stopped after segment \d+ of 30\. What was pressed during the run is dropped\.$/);
            assert.equal(await read(page, '#stopRun', 'disabled'), true);
        }
        assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdStart', 'the focus goes on from the Stop turned off');
    });

    // A notch turned down or to the right moves the desktop's horizontal scroll bar one step
    // towards its right end, and one turned up or to the left one step back.
    test('the mouse wheel moves the speed control a step a notch, as on the desktop, and a click on its track and a drag of its thumb set it', async () => {
        const { page } = await quorvel.open();
        await page.mouse.move(...await alongTrack(page, 0.5));
        const steps = [];
        for (const notch of [{ deltaY: 100 }, { deltaY: 100 }, { deltaY: -100 }, { deltaX: 100 }, { deltaX: -100 }]) {
            await page.mouse.wheel(notch);
            await page.waitForFunction(() => true, { polling: 'raf' });
            steps.push(await speedOf(page));
        }
        assert.deepEqual(steps, [2, 3, 2, 3, 2]);
        assert.equal(await page.evaluate(() => window.scrollY), 0, 'the page does not scroll');
        assert.equal(await read(page, '#nSpomaleni', 'value'), '2');

        await page.mouse.click(...await alongTrack(page, 0.85));
        const clicked = await speedOf(page);
        // The thumb, now under the mouse, dragged.
        await page.mouse.down();
        await page.mouse.move(...await alongTrack(page, 0.3), { steps: 5 });
        await page.mouse.up();
        const dragged = await speedOf(page);
        assert.ok(clicked > 14 && dragged < 9, `a click at 85 % goes to ${clicked}, a drag to 30 % to ${dragged}`);
        assert.equal(await read(page, '#nSpomaleni', 'value'), String(dragged));
    });

    // Start draws a link's setup at its pace. The address keeps the setup, so a reload shows it
    // again; the browser's own restoring of form controls must never show what the window does not
    // hold, with or without one.
    test('a link shows its setup before the first Start, as a reload does, and the bare address the settings the window loads with', async () => {
        const { page } = await quorvel.open(undefined, '?distance=250&frequency=2&speed=5');
        const linked = { texts: ['5', '2', '250'], speed: 5, chosen: ['op250', 'op2', 'opRychlá'] };
        assert.deepEqual(await shown(page), linked);
        const firstPause = page.evaluate(() => new Promise((resolve) => document.addEventListener('quorvel:pause', (event) => resolve(event.detail), { once: true })));
        const finished = runsFinished(page);
        await clickOn(page, '#cmdStart');
        assert.equal(await firstPause, 75, 'slowdown 5, 15 ms each');
        await finished;
        assert.equal(await page.evaluate(() => location.search), '?distance=250&frequency=2&speed=5', 'the address as it was');
        await page.reload();
        await page.waitForSelector('body[data-ready]');
        assert.deepEqual(await shown(page), linked);
        await page.goto(new URL('./', page.url()).href);
        await page.waitForSelector('body[data-ready]');
        assert.deepEqual(await shown(page), { texts: ['1', '1', '0'], speed: 1, chosen: ['op0', 'op1', 'opRychlá'] });
    });

    // One run of some 1.4 seconds: the held Start runs a whole second run, still at distance 0,
    // and only then 250, 0 and 2 are chosen, and the speed control's keys move it. The click on 0, which shows selected meanwhile, counts as much
    // as the others; Home, End and a step left end at 19 only in that order.
    test('clicks and keys on the controls during a run reach the window after it, in order', async () => {
        const { page } = await quorvel.open();
        const counted = await countRuns(page);
        const twoRuns = runsFinished(page, 2);
        await runUntil(page, '3', 2);
        for (const control of ['#cmdStart', '#op250', '#op0', '#op2']) await clickOn(page, control);
        await page.focus('#HScroll1');
        for (const key of ['Home', 'End', 'ArrowLeft']) await page.keyboard.press(key);
        assert.deepEqual(await shown(page), { texts: ['3', '1', '0'], speed: 1, chosen: ['op0', 'op1', 'opRychlá'] }, 'the clicks and keys wait');
        await twoRuns;
        assert.deepEqual(await counted(), { pauses: 60, finished: 2 }, 'two whole runs, one after the other');
        assert.deepEqual(await shown(page), { texts: ['19', '2', '0'], speed: 19, chosen: ['op0', 'op2', 'opRychlá'] });
    });
});
