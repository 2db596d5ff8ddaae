// Start, for each setting the options offer, draws the desktop's picture and places the labels
// where the desktop does.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { browsers, clickOn, hasColourNear, pageUnderTest, pixelsAround, placeOf, runsFinished, workedSettings } from './support.js';

const darkGrey = [64, 64, 64];
const lightGrey = [192, 192, 192];
const green = [0, 255, 0];

for (const browserName of browsers) describe(browserName, () => {
    const quorvel = pageUnderTest(browserName);

    for (const setting of workedSettings) {
        test(`distance ${setting.distance} and frequency ${setting.frequency}: the picture and the labels`, async () => {
            const { page, problems } = await quorvel.open();
            if (setting.distance === '250') await clickOn(page, '#op250');
            if (setting.frequency === '2') await clickOn(page, '#op2');
            const finished = runsFinished(page);
            await clickOn(page, '#cmdStart');
            await finished;

            const captionText = await page.evaluate(() => {
                const probe = document.createElement('span');
                probe.style.color = 'HighlightText';
                document.body.append(probe);
                return getComputedStyle(probe).color.match(/\d+/g).map(Number);
            });
            const { source, detector, marker, sumVector } = setting.checkPixels;
            assert.ok(await hasColourNear(page, ...source, captionText, 0), 'source fill');
            assert.ok(await hasColourNear(page, ...detector, captionText, 0), 'detector fill, drawn again at the end');
            assert.ok(await hasColourNear(page, setting.detectorX + 5, 240, darkGrey), 'detector outline');
            assert.ok(await hasColourNear(page, ...marker, darkGrey), 'least-time marker');
            assert.ok(await hasColourNear(page, ...sumVector, green), 'sum vector');
            assert.ok(await hasColourNear(page, 600, 290, darkGrey), 'mirror');
            assert.ok(await hasColourNear(page, 44, 420, darkGrey), 'time-curve axis');
            assert.ok(await hasColourNear(page, 780, 560, lightGrey, 0), "the band's empty corner");
            // The time curve's base line, drawn at every point, is one crisp row, as if drawn once.
            const across = (await pixelsAround(page, 600, 490, 1)).map(([r, g, b]) => [r, g, b]);
            assert.deepEqual(across, [lightGrey, lightGrey, lightGrey, darkGrey, darkGrey, darkGrey, lightGrey, lightGrey, lightGrey], 'the base line');

            // Labels stand on whole pixels, halves rounded up.
            for (const [label, place] of Object.entries(setting.labels)) {
                const [left, top] = place.map(Math.round);
                assert.deepEqual(await placeOf(page, label), { left, top, shown: true }, label);
            }
            assert.equal((await placeOf(page, 'labKliknuti')).shown, setting.distance === '0' && setting.frequency === '1', 'the prompt as the handlers left it');
            assert.deepEqual(problems, []);
            await page.close();
        });
    }
});
