// The page in every language: chosen from the address before the browser's languages, matched
// by language where the country differs, English where the page has none; the core's words and
// the page's own in it, as the translations hold them; and every caption of the window inside its
// box with the real fonts.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { captionsAfterStart, clickOn, eachBrowser, narrow, pageFolder, read, textOf } from './support.js';

// The languages the page was built with, besides English.
const languages = readdirSync(`${pageFolder}/lang`).filter((file) => file !== 'keys.json.gz').map((file) => file.replace(/\.json\.gz$/, ''));

// Every finished translation of a language's Qt Linguist file, by context and English.
function translations(language) {
    const file = readFileSync(new URL(`../../translations/quorvel_${language}.ts`, import.meta.url), 'utf8');
    const decoded = (text) => text.replace(/&apos;/g, "'").replace(/&quot;/g, '"').replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&amp;/g, '&');
    const found = {};
    for (const [, context] of file.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = context.match(/<name>(.*?)<\/name>/)[1];
        for (const [, source, words] of context.matchAll(/<source>([\s\S]*?)<\/source>\s*<translation>([\s\S]*?)<\/translation>/g))
            (found[name] ??= {})[decoded(source)] = decoded(words);
    }
    return found;
}

// The language catalogues the page has fetched.
const catalogues = (page) => page.evaluate(() => performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname).filter((path) => path.includes('/lang/')));

eachBrowser((quorvel) => {
    test('the address\'s language comes before the browser\'s, a country falls back on its language, and the rest is English', async () => {
        for (const [query, preferred, expected] of [['?lang=de', ['fr-FR', 'fr'], 'de'], ['', ['it', 'pt-BR'], 'pt-BR'], ['', ['pt'], 'pt-BR'],
                                                    ['', ['de-AT', 'fr'], 'de'], ['?lang=xx', ['xx', 'it'], 'en'], ['?lang=cs', [], 'cs']]) {
            const { page, problems } = await quorvel.open(narrow, query, { languages: preferred });
            assert.equal(await page.evaluate(() => document.documentElement.lang), expected, `${query} ${preferred}`);
            const warned = problems.splice(0);
            assert.deepEqual(warned.length, query === '?lang=xx' ? 1 : 0, `a language the page lacks is warned of: ${warned}`);
            assert.deepEqual((await catalogues(page)).sort(), expected === 'en' ? [] : [`/lang/${expected.replace('-', '_')}.json.gz`, '/lang/keys.json.gz'].sort());
            const start = expected === 'en' ? 'Start' : translations(expected.replace('-', '_')).WindowLabels.Start;
            assert.equal(await textOf(page, '#cmdStart'), start);
        }
    });

    // The path length's list once cut "Wie im Fenster (kürzer als wirklich)"; the French is longer
    // still. With the real fonts each caption of the window stands whole in its box, none grown
    // beyond the size laid out for it.
    test('the core\'s words and the page\'s own are the translations\' in each language, each choice of a list and each caption whole', async () => {
        for (const language of ['en', ...languages]) {
            // English is the words as written, in every context.
            const words = language === 'en' ? new Proxy({}, { get: () => new Proxy({}, { get: (_, source) => source }) }) : translations(language);
            const { page } = await quorvel.open(undefined, `?lang=${language}`, { languages: [] });
            const before = words.PictureDescription['A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, '
                                                    + 'the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.'];
            const then = words.PictureDescription['Start will draw distance %1 and frequency %2.'].replace('%1', '0').replace('%2', '1');
            assert.equal(await textOf(page, '#pictureWords'), `${before} ${then}`);
            assert.equal(await textOf(page, '#savePng'), words.Page['Save PNG']);
            assert.equal(await textOf(page, '[data-preset=WholeMirror]'), words.ExplorePanel['Whole mirror']);
            assert.equal(await read(page, '#HScroll1', 'aria-label'), words.Page['Animation speed']);
            assert.equal(await read(page, '#segments > :first-child', 'aria-label'), words.Page['segment %1 of 30'].replace('%1', '1'));
            await clickOn(page, '#explore');
            const cut = await page.$eval('#measure', (list) => {
                const style = getComputedStyle(list);
                const measure = document.createElement('canvas').getContext('2d');
                measure.font = style.font;
                // The room for the text: the list less its padding, borders and an arrow of 20 pixels.
                const room = list.getBoundingClientRect().width - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight)
                    - parseFloat(style.borderLeftWidth) - parseFloat(style.borderRightWidth) - 20;
                return [...list.options].filter((option) => measure.measureText(option.textContent).width > room).map((option) => option.textContent);
            });
            assert.deepEqual(cut, [], `the path length's list in ${language}`);
            await clickOn(page, '#keys');
            assert.equal(await textOf(page, '#keysHelpTitle'), words.KeyboardHelp['Keys of Quorvel']);
            await page.keyboard.press('Escape');
            assert.deepEqual((await captionsAfterStart({ page })).cut, [], `the window's captions in ${language}`);
        }
    });
});
