// The explore panel's number boxes: what is typed is read by the core as the page's language
// writes numbers, and taken whole or refused where it can be seen and heard, the box showing the
// value in use again. The brightness is said once a setting stands still.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { browsers, clickOn, openPage, pageUnderTest } from './support.js';

const narrow = { width: 820, height: 1200, deviceScaleFactor: 1 };

// Types over what a box shows, as a person does, and presses Enter.
async function type(page, id, text) {
    await page.$eval(`#${id}`, (box) => {
        box.focus();
        box.select();
    });
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
}

const state = (page) => page.evaluate(() => {
    const value = (id) => document.getElementById(id).value;
    const refusal = document.getElementById('fieldRefusal');
    return {
        distance: value('distance'), distanceBox: value('distanceNumber'), frequency: value('frequency'), frequencyBox: value('frequencyNumber'),
        second: value('secondFrequency'), refusal: refusal.hidden ? '' : refusal.textContent,
        invalid: [...document.querySelectorAll('[aria-invalid="true"]')].map((box) => box.id),
        said: document.getElementById('announcement').textContent,
    };
});

for (const browserName of browsers) describe(browserName, () => {
    const quorvel = pageUnderTest(browserName);

    test('a distance typed is taken whole, or refused where it shows and is said, and the box shows the distance in use', async () => {
        const { page, problems } = await quorvel.open(narrow);
        await clickOn(page, '#explore');
        await type(page, 'distanceNumber', '\u2212200');
        assert.deepEqual(await state(page).then(({ distance, distanceBox, invalid }) => [distance, distanceBox, invalid]), ['-200', '-200', []]);
        for (const typed of ['12.5', '400', '1e9']) {
            await type(page, 'distanceNumber', typed);
            const words = `"${typed}" is not taken: the distance is a whole number from -350 to 350.`;
            const now = await state(page);
            assert.deepEqual([now.distance, now.distanceBox, now.refusal, now.invalid, now.said], ['-200', '-200', words, ['distanceNumber'], words], typed);
        }
        const box = await (await page.$('#distanceNumber')).boundingBox();
        const words = await (await page.$('#fieldRefusal')).boundingBox();
        assert.ok(words.height > 0 && words.y > box.y && words.y - box.y < 120, 'the words are shown near the box');
        await page.keyboard.type('2');
        assert.deepEqual(await state(page).then(({ refusal, invalid }) => [refusal, invalid]), ['', []], 'typing again takes the mark off');
        assert.deepEqual(problems, []);
    });

    test('the frequency boxes take the language\'s decimal comma and the point, and refuse what is out of reach', async () => {
        const { page, problems } = await openPage(quorvel.browser(), `${quorvel.url()}?lang=de`, narrow);
        await clickOn(page, '#explore');
        await type(page, 'frequencyNumber', '0,7');
        assert.deepEqual(await state(page).then(({ frequency, frequencyBox, invalid }) => [frequency, frequencyBox, invalid]), ['0.7', '0.7', []]);
        await type(page, 'frequencyNumber', '1.5');
        assert.equal((await state(page)).frequency, '1.5');
        for (const typed of ['250', '1e9', '2,5']) {
            await type(page, 'frequencyNumber', typed);
            const now = await state(page);
            assert.deepEqual([now.frequency, now.frequencyBox, now.invalid], ['1.5', '1.5', ['frequencyNumber']], typed);
            assert.match(now.refusal, /0,5/, typed);
        }
        await type(page, 'secondFrequency', ' 1,2 ');
        assert.deepEqual(await state(page).then(({ second, invalid }) => [second, invalid]), ['1.2', []]);
        // The page's own files are asked for under an address that has no query.
        assert.deepEqual(problems.filter((problem) => !problem.startsWith(`request beyond the page: ${quorvel.url()}`)), []);
    });

    test('a drag says the brightness once, when the slider stands still', async () => {
        const { page, problems } = await quorvel.open(narrow);
        await clickOn(page, '#explore');
        const changes = await page.evaluate(async () => {
            const region = document.getElementById('announcement');
            const slider = document.getElementById('distance');
            let count = 0;
            new MutationObserver((records) => { count += records.length; }).observe(region, { childList: true, characterData: true, subtree: true });
            for (let step = 1; step <= 60; ++step) {
                slider.value = String(step * 4);
                slider.dispatchEvent(new Event('input'));
                await new Promise((resolve) => setTimeout(resolve, 25));
            }
            const during = count;
            await new Promise((resolve) => setTimeout(resolve, 1500));
            return { during, after: count, words: region.textContent };
        });
        assert.equal(changes.during, 0, 'nothing while it moves');
        assert.equal(changes.after, 1);
        assert.match(changes.words, /^\d\.\d\d of the light of a whole mirror at the middle/);
        assert.match(await page.$eval('#graphWords', (words) => words.textContent), /at the pair, distance 240, it gives \d\.\d\d\./, 'the graph says what it reads at the pair');
        assert.deepEqual(problems, []);
    });
});
