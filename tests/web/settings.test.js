// Start, for each setting the options offer, draws the desktop's picture and places the labels
// where the desktop does.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickOn, darkGrey, eachBrowser, green, hasColourNear, lightGrey, pixelsAround, startRun, workedSettings } from './support.js';

eachBrowser((quorvel) => {
    for (const setting of workedSettings) {
        test(`distance ${setting.distance} and frequency ${setting.frequency}: the picture and the labels`, async () => {
            const { page } = await quorvel.open();
            if (setting.distance === '250') await clickOn(page, '#op250');
            if (setting.frequency === '2') await clickOn(page, '#op2');
            await startRun(page);

            const captionText = await page.evaluate(() => {
                const probe = document.createElement('span');
                probe.style.color = 'HighlightText';
                document.body.append(probe);
                return getComputedStyle(probe).color.match(/\d+/g).map(Number);
            });
            // A circle filled and outlined, a line in its colour, a row filled; the core draws the same
            // operations on either edition, as core.test.js finds.
            const { detector, sumVector } = setting.checkPixels;
            assert.ok(await hasColourNear(page, ...detector, captionText, 0), 'detector fill');
            assert.ok(await hasColourNear(page, setting.detectorX + 5, 240, darkGrey), 'detector outline');
            assert.ok(await hasColourNear(page, ...sumVector, green), 'sum vector');
            assert.ok(await hasColourNear(page, 780, 560, lightGrey, 0), "the band's empty corner");
            // The time curve's base line, drawn at every point, is one crisp row, as if drawn once.
            const across = (await pixelsAround(page, 600, 490, 1)).map(([r, g, b]) => [r, g, b]);
            assert.deepEqual(across, [lightGrey, lightGrey, lightGrey, darkGrey, darkGrey, darkGrey, lightGrey, lightGrey, lightGrey], 'the base line');

            // Labels stand on whole pixels, halves rounded up.
            const labels = await page.$$eval('.label', (all) => Object.fromEntries(all.map((label) => {
                const style = getComputedStyle(label);
                return [label.id, [parseFloat(style.left), parseFloat(style.top), !label.hidden && label.getClientRects().length > 0]];
            })));
            for (const [label, place] of Object.entries(setting.labels)) assert.deepEqual(labels[label], [...place.map(Math.round), true], label);
            assert.equal(labels.labKliknuti[2], setting.distance === '0' && setting.frequency === '1', 'the prompt as the handlers left it');
        });
    }
});
