// The page as it is handed out: a folder of its own files only, a word to the teacher who opens
// it as a file, and controls that do nothing until they can act. Exit is in words.test.js.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { clickOn, pageFolder, pageUnderTest, startRun } from './support.js';

const quorvel = pageUnderTest();

// What is visible of an element, and its text.
const shownText = (page, selector) => page.$eval(selector, (element) => (element.checkVisibility() ? element.textContent : null));

// Its scripts are the modules the page loads, and the offline worker. The page is opened apart
// from the other tests, whose requests its worker would otherwise answer.
test('the page folder holds the page and nothing else', async () => {
    const apart = await quorvel.browser().createBrowserContext();
    const page = await apart.newPage();
    const loaded = new Set(['offline.js']);
    page.on('request', (request) => loaded.add(new URL(request.url()).pathname.slice(1)));
    await page.goto(quorvel.url());
    await page.waitForSelector('body[data-ready]');
    await apart.close();
    const files = (await readdir(pageFolder)).sort();
    assert.deepEqual(files.filter((file) => file.endsWith('.js')), [...loaded].filter((file) => file.endsWith('.js')).sort());
    assert.deepEqual(files.filter((file) => !file.endsWith('.js')),
                     ['index.html', 'lang', 'manifest.webmanifest', 'quorvel-192.png', 'quorvel-512.png', 'quorvel.svg', 'quorvel.wasm', 'style.css']);
    // The tests' own ways in stay in the tests' build of the module.
    const module = Buffer.concat(await Promise.all(['quorvel.js', 'quorvel.wasm'].map((file) => readFile(join(pageFolder, file)))));
    assert.ok(module.includes('typeNumber') && !module.includes('setText') && !module.includes('quorvel:finished'));
});

test('opened as a file, the page says how to serve it', async () => {
    const page = await quorvel.browser().newPage();
    await page.goto(`file://${join(pageFolder, 'index.html')}`);
    const said = await shownText(page, '#status');
    assert.match(said ?? '', /must be served by a web server/);
    assert.ok(said.includes('"sh scripts/web.sh"') && said.includes('http://127.0.0.1:8080/'), said);
    assert.equal(await page.$eval('#MainForm', (form) => form.inert), true);
    await page.close();
});

// The module is held back on its way, as on a slow line: meanwhile the page says it is loading
// and takes no input, and once it is ready Start works.
test('until the module is ready the page says it is loading and its controls do not act', async () => {
    const page = await quorvel.browser().newPage();
    await page.setRequestInterception(true);
    let release;
    const arrived = new Promise((resolve) => {
        page.on('request', (request) => {
            if (!request.url().endsWith('.wasm')) return void request.continue();
            release = () => request.continue();
            resolve();
        });
    });
    await page.goto(quorvel.url(), { waitUntil: 'domcontentloaded' });
    await arrived;
    assert.match(await shownText(page, '#status') ?? '', /loading/);
    assert.equal(await page.$eval('#status', (status) => status.getAttribute('role')), 'status', 'announced politely');
    await clickOn(page, '#op250');
    await clickOn(page, '#cmdStart');
    await page.keyboard.press('Tab');
    assert.equal(await page.$eval('#op250', (option) => option.checked), false, 'the click on 250 does nothing');
    assert.equal(await page.evaluate(() => document.activeElement.closest('#MainForm') !== null), false, 'no control takes the focus');

    release();
    await page.waitForSelector('body[data-ready]');
    assert.equal(await shownText(page, '#status'), null, 'the loading line is gone');
    assert.equal(await page.$eval('#op250', (option) => option.checked), false);
    await startRun(page);
    assert.equal(await page.$eval('#labSoucet', (label) => label.hidden), false);
    await page.close();
});
