// What a screen reader learns of the page: the picture in the core's words as it changes, what is
// said politely at a run's end (held input's words with it) and at Exit, the options in the order
// shown, a run that waits while its tab is behind another, and the keys in a dialog.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { browsers, clickOn, countRuns, eachBrowser, focused, pageUnderTest, runsFinished, runUntil, startRun, textOf } from './support.js';

const says = (page, text) => page.waitForFunction((text) => document.getElementById('announcement').textContent === text, {}, text);

eachBrowser((quorvel) => {
    // Before Start the words are language.test.js's.
    test('the picture is described after a run and when the settings change; a run\'s end is said politely, the same words twice too, and so is Exit', async () => {
        const { page } = await quorvel.open();
        await clickOn(page, '#op250');
        await clickOn(page, '#op2');
        await startRun(page);
        assert.match(await textOf(page, '#pictureWords'), /^Drawn for distance 250 and frequency 2: .* the detector gets \d\.\d\d of the light /);
        const said = await textOf(page, '#announcement');
        assert.match(said, /^Drawn for distance 250 and frequency 2\. The path of least time /);
        await clickOn(page, '#op1');
        assert.match(await textOf(page, '#pictureWords'), /^Drawn for distance 250 and frequency 2: .* Start will draw distance 250 and frequency 1\.$/);
        await clickOn(page, '#op2');
        await page.evaluate(() => {
            const region = document.getElementById('announcement');
            window.said = [];
            new MutationObserver(() => window.said.push(region.textContent)).observe(region, { childList: true, characterData: true, subtree: true });
        });
        await startRun(page);
        await says(page, said);
        assert.deepEqual(await page.evaluate(() => window.said), ['', said], 'emptied first, so that the same words are said again');
        await page.focus('#cmdKonec');
        await page.keyboard.press('Enter');
        await says(page, 'Quorvel has ended.');
        assert.equal(await focused(page), 'ended');
        // A page cannot close its browser's window: the window goes, and the page says so.
        assert.equal(await page.$('#MainForm'), null);
        assert.equal(await page.$eval('#ended', (ended) => ended.checkVisibility() && ended.textContent), 'Quorvel has ended. Start it again');
    });

    // A tab opened in front of the page hides it, in either browser, as it does for a person.
    test('a run waits while the page is behind another tab, and goes on from where it stood once in front again', async () => {
        const { page } = await quorvel.open();
        const counted = await countRuns(page);
        const { finished } = await runUntil(page, '8', 5);
        const other = await quorvel.browser().newPage();
        assert.equal(await page.evaluate(() => document.visibilityState), 'hidden');
        const { pauses } = await counted();
        const stood = await textOf(page, '#pictureWords');
        assert.ok(stood.startsWith(`Drawing for distance 0 and frequency 1: the path via segment ${pauses} of 30,`), stood);
        await new Promise((resolve) => setTimeout(resolve, 1000));
        assert.deepEqual(await counted(), { pauses, finished: 0 }, 'no pause begins while hidden');
        assert.equal(await textOf(page, '#pictureWords'), stood);
        await page.bringToFront();
        await other.close();
        await finished;
        assert.deepEqual(await counted(), { pauses: 30, finished: 1 }, 'every point once, none skipped and none twice');
    });

    test('"?" shows the core\'s keys in a dialog, but not in a field typed into; Escape closes it and gives the focus back', async () => {
        const { page } = await quorvel.open();
        const open = () => page.$eval('#keysHelp', (dialog) => dialog.open && dialog.contains(document.activeElement));
        await page.focus('#HScroll1');
        await page.keyboard.press('?');
        assert.equal(await open(), true);
        assert.equal(await textOf(page, '#keysHelpTitle'), 'Keys of Quorvel');
        const rows = await page.$$eval('#keysHelpRows tr', (all) => all.map((row) => [...row.cells].map((cell) => cell.textContent)));
        assert.deepEqual(rows.filter(([keys]) => ['?', 'F1', 'Escape'].includes(keys)), [['Escape', 'Stop a run at once, and drop what was pressed during it'], ['?', 'Show these keys'], ['Escape', 'Close this help']]);
        await page.keyboard.press('Escape');
        assert.deepEqual([await open(), await focused(page), await page.$eval('#HScroll1', (speed) => speed.value)], [false, 'HScroll1', '1']);
        await page.click('#explore');
        await page.focus('#distanceNumber');
        await page.keyboard.press('?');
        assert.equal(await open(), false, 'a "?" typed into a number field');
        await page.click('#keys');
        assert.equal(await open(), true);
        await page.keyboard.press('Escape');
        assert.equal(await focused(page), 'keys');
    });
});

// Chromium's accessibility tree, as handed to screen readers: puppeteer reads it in Chromium only.
// The Tab order, which the options' order must not change, is checked in explore.test.js.
if (browsers.includes('chromium')) describe('chromium accessibility tree', () => {
    const quorvel = pageUnderTest('chromium');

    test('Start has the focus and Space and Enter run it; the picture is an image described by its words, and every control is named by its caption', async () => {
        const { page } = await quorvel.open();
        assert.equal(await focused(page), 'cmdStart');
        for (const key of ['Space', 'Enter']) {
            const finished = runsFinished(page);
            await page.keyboard.press(key);
            await finished;
        }
        // Every node, with the name of the group it stands in.
        const nodes = [];
        const walk = (node, group) => nodes.push({ ...node, group }) && (node.children ?? []).forEach((child) => walk(child, node.role === 'radiogroup' ? node.name : group));
        walk(await page.accessibility.snapshot({ interestingOnly: false }));
        const picture = nodes.find((node) => node.role === 'image' && node.name === 'Picture');
        assert.equal(picture?.description, await textOf(page, '#pictureWords'));
        const names = (group) => nodes.filter((node) => node.role === 'radio' && node.group === group).map((node) => node.name);
        assert.deepEqual([names('Distance'), names('Frequency')], [['0', '250'], ['1', '2']], 'in the order they are shown');
        // After Start every label is on show.
        const announced = nodes.map((node) => `${node.role}: ${node.name}`);
        for (const expected of ['button: Start', 'button: Exit', 'slider: Animation speed', 'StaticText: Difraction on mirror', 'StaticText: Distance from middle of the mirror',
                                'StaticText: Please press button Start', 'StaticText: Photon vectors after reaching the detector', 'StaticText: Time (length)',
                                'StaticText: Source', 'StaticText: Detector', 'StaticText: Cornu spiral and sum vector'])
            assert.ok(announced.includes(expected), `${expected} in ${announced.join(' | ')}`);
        assert.equal(await page.title(), 'Quorvel - https://quorvel.example/');
    });
});
