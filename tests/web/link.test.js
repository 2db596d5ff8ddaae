// A link to the page sets the window as it names, before the first Start; the page's address
// follows every change in place, and Copy link puts it on the clipboard. The brightness is said
// once a dragged slider stands still.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickOn, eachBrowser, read, said } from './support.js';

const checked = (page, selector) => page.$$eval(selector, (all) => all.map((control) => control.checked));
const addressIs = (page, search) => page.waitForFunction((search) => location.search === search, { timeout: 5000 }, search);

eachBrowser((quorvel, browserName) => {
    // Wide enough for the panel beside the window.
    const openLink = (query) => quorvel.open({ width: 1440, height: 800, deviceScaleFactor: 1 }, `?${query}`);

    // The window's own settings, and Start's pace, are in input.test.js.
    test('a link with settings of the panel\'s own opens the panel and shows them', async () => {
        const { page } = await openLink('distance=-120&frequency=1.5&mirror=middle-third');
        assert.equal(await read(page, '#explorePanel', 'hidden'), false);
        assert.deepEqual(await checked(page, '#op0, #op250, #op1, #op2'), [false, false, false, false]);
        assert.deepEqual(await Promise.all(['#distanceNumber', '#frequencyNumber', '#nPosun'].map((field) => read(page, field, 'value'))), ['-120', '1.5', '-120']);
        const segments = await page.$$eval('#segments > button', (all) => all.map((segment) => (segment.getAttribute('aria-checked') === 'true' ? '1' : '0')).join(''));
        assert.equal(segments, '000000000011111111110000000000');
    });

    test('the address follows each change in place, keeping the language, with no new entry in the history', async () => {
        const { page } = await openLink('lang=en&speed=3');
        const entries = await page.evaluate(() => history.length);
        await clickOn(page, '#op250');
        await addressIs(page, '?lang=en&distance=250&speed=3');
        // Back to the window as it opens, which has no setting in its address.
        await clickOn(page, '#op0');
        await page.focus('#HScroll1');
        await page.keyboard.press('Home');
        await addressIs(page, '?lang=en');
        assert.equal(await page.evaluate(() => location.pathname), '/');
        assert.equal(await page.evaluate(() => history.length), entries);
    });

    // Browsers refuse a page that rewrites its address some hundreds of times in a few seconds, and
    // a screen reader is not to be flooded with a brightness at every step of a drag.
    test('a long drag of a slider rewrites the address no more often than browsers allow, ends where the drag did, and says the brightness once, when still', async () => {
        const { page } = await openLink('explore=1');
        const { writes, saidDuring, saidAfter, words } = await page.evaluate(async () => {
            const times = [];
            const replace = history.replaceState;
            history.replaceState = function counted(...args) {
                times.push(performance.now());
                return replace.apply(this, args);
            };
            const region = document.getElementById('announcement');
            let said = 0;
            new MutationObserver((records) => { said += records.length; }).observe(region, { childList: true, characterData: true, subtree: true });
            const slider = document.getElementById('distance');
            for (let pixels = -330; pixels <= 330; pixels += 6) {
                slider.value = pixels;
                slider.dispatchEvent(new Event('input'));
                await new Promise((resolve) => setTimeout(resolve, 25));
            }
            const saidDuring = said;
            await new Promise((resolve) => setTimeout(resolve, 1500));
            return { writes: times, saidDuring, saidAfter: said, words: region.textContent };
        });
        assert.equal(await page.evaluate(() => location.search), '?distance=330');
        const closest = Math.min(...writes.slice(1).map((time, k) => time - writes[k]));
        assert.ok(writes.length > 1 && closest >= 95, `${writes.length} writes, the closest ${closest} ms apart`);
        assert.deepEqual([saidDuring, saidAfter], [0, 1], 'changes of the live region during the drag and after it');
        assert.match(words, /^\d\.\d\d of the light of a whole mirror at the middle/);
    });

    test('a crafted link warns once on the console, as text, and leaves the address bare', async () => {
        const markup = encodeURIComponent('<img src=x onerror="window.crafted=1">');
        const { page, problems } = await openLink(`colour=red&speed=99&distance=${markup}&${markup}=1&mirror=<b>x</b>&frequency=2&frequency=1&speed=7`);
        // The warning expected, taken out of the problems; the core's refusals name each part.
        const warned = problems.splice(0);
        assert.equal(warned.length, 1, warned.join('\n'));
        assert.match(warned[0], /^console warn(ing)?: Quorvel ignored in its address: colour \(no such setting\), speed \(given more than once\), distance=<img src=x onerror="window\.crafted=1"> \(takes /);
        assert.deepEqual(await page.evaluate(() => [document.querySelectorAll('img, b').length, 'crafted' in window]), [0, false]);
        await addressIs(page, '');
    });

    test('Copy link puts the address on the clipboard and says so', async () => {
        const { page } = await quorvel.open();
        if (browserName === 'chromium')
            await quorvel.browser().defaultBrowserContext().overridePermissions(quorvel.url(), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
        await clickOn(page, '#op250');
        await clickOn(page, '#copyLink');
        await said(page, /^(Link copied\.|The link could not be copied: .+)$/);
        const words = await read(page, '#announcement', 'textContent');
        assert.equal(await page.$eval('#copyOutcome', (outcome) => outcome.hidden ? '' : outcome.textContent), words, 'seen as well as heard');
        if (browserName === 'chromium') {
            assert.equal(words, 'Link copied.');
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()), `${quorvel.url()}?distance=250`);
        }
    });
});
