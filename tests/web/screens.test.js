// On a narrow touch screen with a high pixel ratio: the whole window scales down with its
// proportions kept, taps reach the controls, and the picture is drawn at the device's pixels.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { centreOf, hasColourNear, pageUnderTest, runsFinished } from './support.js';

const quorvel = pageUnderTest();

test('a phone: scaled down, tapped, and drawn sharp', async () => {
    const phone = { width: 400, height: 760, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
    const { page, problems } = await quorvel.open(phone);
    const form = await (await page.$('#MainForm')).boundingBox();
    assert.ok(Math.abs(form.width - 400) < 1 && Math.abs(form.height - 581 / 2) < 1, `the window is ${form.width} x ${form.height}`);
    assert.equal(await page.$eval('#picture', (canvas) => canvas.width), 1600, 'two device pixels to a pixel');

    const tap = async (selector) => {
        const { x, y } = await centreOf(page, selector);
        await page.touchscreen.tap(x, y);
    };
    await tap('#op250');
    assert.equal(await page.$eval('#op250', (option) => option.checked), true);
    const finished = runsFinished(page);
    await tap('#cmdStart');
    await finished;
    assert.ok(await hasColourNear(page, 152, 420, [64, 64, 64], 0), 'the one-pixel marker covers whole device pixels');
    assert.ok(await hasColourNear(page, 398, 174, [0, 255, 0]), 'the sum vector of distance 250 and frequency 1');
    assert.deepEqual(problems, []);
});
