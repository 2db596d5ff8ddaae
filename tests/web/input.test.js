// Input that comes while Start runs is held and carried out after the run, in the order it came,
// as on the desktop: clicks, and every move of the speed control, by key, click, drag or wheel.
// The speed control moves as the desktop's scroll bar does.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { browsers, callForm, centreOf, clickOn, countRuns, hasColourNear, pageUnderTest, pausesBegun, placeOf, runsFinished, textOf, workedSettings } from './support.js';

const speedOf = (page) => page.$eval('#HScroll1', (speed) => Number(speed.value));

// Starts a run of a chosen slowdown, whatever the speed control shows, and resolves once its
// second pause has begun, with a promise of its end (in an object, or awaiting it would wait
// for the end).
async function duringRun(page, slowdown = '2') {
    await callForm(page, 'setText', 'nSpomaleni', slowdown);
    const finished = runsFinished(page);
    const second = pausesBegun(page, 2);
    await clickOn(page, '#cmdStart');
    await second;
    return { finished };
}

// A point of the speed control's track, at a fraction of its width from its left edge.
async function alongTrack(page, fraction) {
    const box = await (await page.$('#HScroll1')).boundingBox();
    return [box.x + box.width * fraction, box.y + box.height / 2];
}

async function drag(page, from, to) {
    await page.mouse.move(...await alongTrack(page, from));
    await page.mouse.down();
    await page.mouse.move(...await alongTrack(page, to), { steps: 5 });
    await page.mouse.up();
}

for (const browserName of browsers) describe(browserName, () => {
    const quorvel = pageUnderTest(browserName);

    test('Escape, and the Stop button, end a run at once and drop what was held; the button is off while nothing runs', async () => {
        const { page, problems } = await quorvel.open();
        assert.equal(await page.$eval('#stopRun', (stop) => stop.disabled), true);
        for (const stop of [() => page.keyboard.press('Escape'), () => clickOn(page, '#stopRun')]) {
            const { finished } = await duringRun(page, '20');
            assert.equal(await page.$eval('#stopRun', (button) => button.disabled), false);
            await clickOn(page, '#op250');
            await stop();
            await finished;
            assert.equal(await textOf(page, 'nPosun'), '0', 'the held choice dropped');
            // Said again the second time, after a moment's silence.
            await page.waitForFunction(() => /^Stopped after segment \d+ of 30\. What was pressed during the run is dropped\.$/.test(document.getElementById('announcement').textContent));
            assert.equal(await page.$eval('#stopRun', (button) => button.disabled), true);
        }
        assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdStart', 'the focus goes on from the Stop turned off');
        assert.deepEqual(problems, []);
    });

    test('keys on the speed control during a run are carried out after it, in order', async () => {
        const { page, problems } = await quorvel.open();
        for (const { from, keys, after } of [{ from: 10, keys: ['ArrowLeft', 'ArrowLeft', 'ArrowLeft'], after: 7 },
                                             { from: 20, keys: ['End', 'Home', 'ArrowRight'], after: 2 }]) {
            await callForm(page, 'moveSpeed', 'to', from);
            const { finished } = await duringRun(page);
            await page.focus('#HScroll1');
            for (const key of keys) await page.keyboard.press(key);
            assert.equal(await speedOf(page), from, 'the control stays during the run');
            assert.equal(await textOf(page, 'nSpomaleni'), '2');
            await finished;
            assert.equal(await speedOf(page), after, keys.join(', '));
            assert.equal(await textOf(page, 'nSpomaleni'), String(after));
        }
        assert.deepEqual(problems, []);
    });

    test('a click and a drag on the speed control during a run are carried out after it', async () => {
        const { page, problems } = await quorvel.open();
        // Where they land when nothing runs.
        await page.mouse.click(...await alongTrack(page, 0.85));
        const clicked = await speedOf(page);
        await drag(page, 0.85, 0.3);
        const dragged = await speedOf(page);
        assert.ok(clicked > 14 && dragged < 9, `a click at 85 % goes to ${clicked}, a drag to 30 % to ${dragged}`);
        assert.equal(await textOf(page, 'nSpomaleni'), String(dragged));

        await callForm(page, 'moveSpeed', 'to', 1);
        let { finished } = await duringRun(page);
        await page.mouse.click(...await alongTrack(page, 0.85));
        assert.equal(await speedOf(page), 1, 'the click waits');
        await finished;
        assert.equal(await speedOf(page), clicked);
        assert.equal(await textOf(page, 'nSpomaleni'), String(clicked));

        ({ finished } = await duringRun(page));
        await drag(page, 0.85, 0.3);
        assert.equal(await speedOf(page), clicked, 'the drag waits');
        await finished;
        assert.equal(await speedOf(page), dragged);
        assert.deepEqual(problems, []);
    });

    // A notch turned down or to the right moves the desktop's horizontal scroll bar one step
    // towards its right end, and one turned up or to the left one step back.
    test('the mouse wheel moves the speed control a step a notch, as on the desktop', async () => {
        const { page, problems } = await quorvel.open();
        const { x, y } = await centreOf(page, '#HScroll1');
        await page.mouse.move(x, y);
        const steps = [];
        for (const notch of [{ deltaY: 100 }, { deltaY: 100 }, { deltaY: -100 }, { deltaX: 100 }, { deltaX: -100 }, { deltaY: -100 }]) {
            await page.mouse.wheel(notch);
            await page.waitForFunction(() => true, { polling: 'raf' });
            steps.push(await speedOf(page));
        }
        assert.deepEqual(steps, [2, 3, 2, 3, 2, 1]);
        assert.equal(await page.evaluate(() => window.scrollY), 0, 'the page does not scroll');

        const { finished } = await duringRun(page);
        await page.mouse.move(x, y);
        await page.mouse.wheel({ deltaY: 100 });
        assert.equal(await speedOf(page), 1, 'the notch waits for the run');
        await finished;
        assert.equal(await speedOf(page), 2);
        assert.equal(await textOf(page, 'nSpomaleni'), '2');
        assert.deepEqual(problems, []);
    });

    // The address keeps the setup, so a reload shows it again; the browser's own restoring of
    // form controls must never show what the window does not hold, with or without one.
    test('a reload shows the setup its address holds, and the bare address the settings the window loads with', async () => {
        const { page, problems } = await quorvel.open();
        await page.focus('#HScroll1');
        await page.keyboard.press('End');
        await clickOn(page, '#op250');
        await clickOn(page, '#op2');
        assert.equal(await speedOf(page), 20);
        const checkedOptions = () => page.$$eval('input[type=radio]', (options) => options.filter((option) => option.checked).map((option) => option.id));

        // The address follows within a tenth of a second.
        await page.waitForFunction(() => ['speed=20', 'distance=250', 'frequency=2'].every((part) => location.search.includes(part)));
        await page.reload();
        await page.waitForSelector('body[data-ready]');
        assert.equal(await speedOf(page), 20);
        assert.deepEqual([await textOf(page, 'nSpomaleni'), await textOf(page, 'nPosun'), await textOf(page, 'nKmitocet')], ['20', '250', '2']);
        assert.deepEqual(await checkedOptions(), ['op250', 'op2', 'opRychlá']);

        await page.goto(new URL('./', page.url()).href);
        await page.waitForSelector('body[data-ready]');
        assert.equal(await speedOf(page), 1);
        assert.equal(await textOf(page, 'nSpomaleni'), '1');
        assert.deepEqual(await checkedOptions(), ['op0', 'op1', 'opRychlá']);
        assert.deepEqual(problems, []);
    });

    // The explore button during a run waits behind the preset pressed before it, which is drawn
    // on the open panel before the panel closes; each is said in its own sentence.
    test('the explore button during a run waits behind a preset pressed before it', async () => {
        const { page, problems } = await quorvel.open({ width: 820, height: 1200, deviceScaleFactor: 1 });
        const hidden = () => page.$eval('#explorePanel', (panel) => panel.hidden);
        await clickOn(page, '#explore');
        const { finished } = await duringRun(page);
        await clickOn(page, '[data-preset="MiddleThird"]');
        await clickOn(page, '#explore');
        assert.equal(await hidden(), false, 'the button waits');
        await finished;
        assert.equal(await hidden(), true);
        await page.waitForFunction(() => document.getElementById('announcement').textContent.includes('Carried out'));
        assert.match(await page.$eval('#announcement', (words) => words.textContent),
            / Carried out after the run: the mirror scraped to its middle third\. Brightness 0\.63 of the light of a whole mirror at the middle, [^.]*\.\d\d times [^.]*\. .* Then the explore panel closed\.$/);
        const words = await page.$eval('#pictureWords', (picture) => picture.textContent);
        assert.ok(words.startsWith('Drawn for distance 0 and frequency 1: ') && !words.includes('Start will draw'), words);
        assert.deepEqual(problems, []);
    });

    // One run of some 1.4 seconds: the held Start runs a whole second run, still at distance 0,
    // and only then 250, 0 and 2 are chosen, hiding that run's labels but not its picture. The
    // click on 0, which shows selected meanwhile, counts as much as the others.
    test('clicks on Start and options during a run reach the window after it, in order', async () => {
        const { page, problems } = await quorvel.open();
        const counted = await countRuns(page);
        const twoRuns = runsFinished(page, 2);
        await duringRun(page, '3');
        for (const control of ['#cmdStart', '#op250', '#op0', '#op2']) await clickOn(page, control);
        assert.equal(await textOf(page, 'nPosun'), '0', 'the clicks wait');
        assert.equal(await page.$eval('#op250', (option) => option.checked), false, 'the option is not chosen yet');
        await twoRuns;
        assert.deepEqual(await counted(), { pauses: 60, finished: 2 }, 'two whole runs, one after the other');
        assert.deepEqual([await textOf(page, 'nPosun'), await textOf(page, 'nKmitocet')], ['0', '2']);
        assert.equal(await page.$eval('#op2', (option) => option.checked), true);
        const [left, top] = workedSettings[0].labels.labSoucet.map(Math.round);
        assert.deepEqual(await placeOf(page, 'labSoucet'), { left, top, shown: false }, 'the second run drew distance 0; the choices came after it');
        assert.ok(await hasColourNear(page, ...workedSettings[0].checkPixels.sumVector, [0, 255, 0]), 'the choices keep the picture');
        assert.deepEqual(problems, []);
    });
});
