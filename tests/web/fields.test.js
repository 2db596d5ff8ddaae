// The explore panel's number boxes: what is typed is read by the core as the page's language
// writes numbers, and taken whole or refused where it is seen and heard, the box showing the
// value in use again.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { eachBrowser, narrow } from './support.js';

// Types over what a box shows, as a person does (nothing: deletes it), and presses Enter; then
// what the panel shows.
async function type(page, id, text) {
    await page.$eval(`#${id}`, (box) => {
        box.focus();
        box.select();
    });
    if (text) await page.keyboard.type(text);
    else await page.keyboard.press('Backspace');
    await page.keyboard.press('Enter');
    return page.evaluate(() => ({
        values: ['distance', 'distanceNumber', 'frequency', 'frequencyNumber', 'secondFrequency'].map((id) => document.getElementById(id).value),
        refusal: document.getElementById('fieldRefusal').hidden ? '' : document.getElementById('fieldRefusal').textContent,
        invalid: [...document.querySelectorAll('[aria-invalid="true"]')].map((box) => box.id),
        said: document.getElementById('announcement').textContent,
    }));
}

eachBrowser((quorvel) => {
    // Chromium misread them with no word: a German "0,7" set the top frequency, "−200" became 200.
    // Each box hands the core what is typed, read as the page's language writes numbers; a refusal
    // is seen, marked and said until a key is typed or Enter takes the value in use again, and an
    // emptied box shows that value, refusing nothing.
    test('a number typed is taken whole as the language writes it, or refused where it shows and is said', async () => {
        const { page } = await quorvel.open(narrow, '?lang=de&explore=1');
        const marked = () => page.$$eval('[aria-invalid="true"], #fieldRefusal:not([hidden])', (shown) => shown.length);
        assert.deepEqual((await type(page, 'distanceNumber', '\u2212200')).values, ['-200', '-200', '1', '1', '2']);
        assert.deepEqual((await type(page, 'secondFrequency', '0,7')).values, ['-200', '-200', '1', '1', '0.7']);
        const refused = await type(page, 'frequencyNumber', '1e9');
        assert.deepEqual(refused.values, ['-200', '-200', '1', '1', '0.7']);
        assert.deepEqual([refused.invalid, refused.said], [['frequencyNumber'], refused.refusal]);
        assert.ok(refused.refusal.includes('1e9'), refused.refusal);
        await page.keyboard.press('Enter');
        assert.equal(await marked(), 0, 'Enter in the box as the refusal left it');
        assert.notEqual((await type(page, 'distanceNumber', '400')).refusal, '');
        await page.keyboard.type('1');
        assert.equal(await marked(), 0, 'typing again takes the mark off');
        const emptied = await type(page, 'frequencyNumber', '');
        assert.deepEqual([emptied.refusal, emptied.invalid, emptied.values], ['', [], ['-200', '-200', '1', '1', '0.7']]);
        assert.ok(!emptied.said.includes('""'), emptied.said);
    });
});
