// Input that comes while Start runs is held and handled after the run, in the order it came, as
// on the desktop; no run begins inside a run.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickOn, countRuns, pageUnderTest, pausesBegun, placeOf, runsFinished, textOf } from './support.js';

const quorvel = pageUnderTest();

// Slowdown 3: a run of some 1.4 seconds, long enough to click into.
async function slowDown(page) {
    await page.focus('#HScroll1');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowRight');
    assert.equal(await textOf(page, 'nSpomaleni'), '3');
}

// Start and then 250 clicked during a run: the held Start runs a whole second run, still at
// distance 0, and only then the held 250 is chosen, hiding that run's labels.
test('clicks on Start and an option during a run are handled after it, in order', async () => {
    const { page, problems } = await quorvel.open();
    await slowDown(page);
    const counted = await countRuns(page);
    const twoRuns = runsFinished(page, 2);
    const third = pausesBegun(page, 3);
    await clickOn(page, '#cmdStart');
    await third;
    await clickOn(page, '#cmdStart');
    await clickOn(page, '#op250');
    assert.equal(await textOf(page, 'nPosun'), '0', 'the click on 250 waits');
    assert.equal(await page.$eval('#op250', (option) => option.checked), false, 'the option is not chosen yet');
    await twoRuns;
    assert.deepEqual(await counted(), { pauses: 60, finished: 2 }, 'two whole runs, one after the other');
    assert.equal(await textOf(page, 'nPosun'), '250');
    assert.equal(await page.$eval('#op250', (option) => option.checked), true);
    assert.deepEqual(await placeOf(page, 'labSoucet'), { left: 614, top: 191, shown: false }, 'the second run drew distance 0; 250 came after it');
    assert.deepEqual(problems, []);
});

test('a change of speed during a run waits for its end', async () => {
    const { page, problems } = await quorvel.open();
    const finished = runsFinished(page);
    const second = pausesBegun(page, 2);
    await clickOn(page, '#cmdStart');
    await second;
    await page.focus('#HScroll1');
    await page.keyboard.press('ArrowRight');
    assert.equal(await textOf(page, 'nSpomaleni'), '1');
    assert.equal(await page.$eval('#HScroll1', (speed) => speed.value), '1', 'the control shows its old value meanwhile');
    await finished;
    assert.equal(await textOf(page, 'nSpomaleni'), '2');
    assert.deepEqual(problems, []);
});

// Exit ends the program; a page cannot close its window, so it says that Quorvel has ended. An
// Exit clicked during a run waits for its end, and a Start clicked after it is dropped.
test('Exit clicked during a run ends the program after it and drops what came after', async () => {
    const { page, problems } = await quorvel.open();
    await slowDown(page);
    const counted = await countRuns(page);
    const finished = runsFinished(page);
    const third = pausesBegun(page, 3);
    await clickOn(page, '#cmdStart');
    await third;
    await clickOn(page, '#cmdKonec');
    await clickOn(page, '#cmdStart');
    assert.equal(await page.$('#MainForm') !== null, true, 'the window stays during the run');
    await finished;
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.equal(await page.$('#MainForm'), null);
    assert.equal(await page.$eval('#ended', (text) => text.hidden), false);
    assert.deepEqual(await counted(), { pauses: 30, finished: 1 });
    assert.deepEqual(problems, []);
});
