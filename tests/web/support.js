// What every browser test needs: the built page served from this machine, Debian's chromium or
// firefox-esr driven by puppeteer-core, and a watch on the console and on every request the page
// makes.

import { after, afterEach, before, describe } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
                '.png': 'image/png', '.json': 'application/json', '.gz': 'application/gzip', '.webmanifest': 'application/manifest+json' };

const webBuild = process.env.QUORVEL_WEB_BUILD ?? new URL('../../build-web/', import.meta.url).pathname;
export const pageFolder = join(webBuild, 'page');
export const desktopBuild = process.env.QUORVEL_DESKTOP_BUILD ?? new URL('../../build-tests/', import.meta.url).pathname;

// The module built for the tests, which sets the slowdown to 0 and sends the run's events, stands
// in for the page's own wherever the page is served.
const seamFolder = join(webBuild, 'seam');
const seamFiles = ['quorvel.js', 'quorvel.wasm'];

// A static server on a free port of the loopback address: the built page at the root, and the
// WebAssembly recorder of one Start per setting under /record/; extra maps further paths to
// pages of their own. Options serve the page from another folder, or under a path other than
// the root, as a server that holds more than the page would. The server counts the requests it
// answers, in served.
export async function servePage(extra = {}, { folder = pageFolder, under = '/' } = {}) {
    let served = 0;
    const server = createServer(async (request, response) => {
        ++served;
        if (request.url in extra) {
            response.writeHead(200, { 'Content-Type': 'text/html' });
            response.end(extra[request.url]);
            return;
        }
        let path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname)).replace(/^(\.\.[/\\])+/, '');
        let root = path.startsWith('/record/') ? join(webBuild, 'tests') : path.startsWith(under) ? folder : null;
        if (root === folder) path = path.slice(under.length - 1);
        if (root === folder && seamFiles.includes(path.slice(path.lastIndexOf('/') + 1))) [root, path] = [seamFolder, path.slice(path.lastIndexOf('/'))];
        if (path.endsWith('/')) path += 'index.html';
        try {
            if (!root) throw new Error(`nothing is served at ${path}`);
            const body = await readFile(join(root, path));
            response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'text/html' });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}${under}`,
        served: () => served,
        close: () => new Promise((resolve) => {
            server.close(resolve);
            server.closeAllConnections();
        }),
    };
}

// The browsers the tests that concern every browser run in; QUORVEL_BROWSERS narrows them.
export const browsers = (process.env.QUORVEL_BROWSERS ?? 'chromium,firefox').split(',');

// The four settings' worked values, which the desktop's tests read too.
export const { settings: workedSettings } = JSON.parse(readFileSync(new URL('../data/worked-values.json', import.meta.url)));

// Firefox is driven over WebDriver BiDi, which puppeteer-core speaks to it. The least font size
// is a preference of the browser's profile; Chromium's is given a profile of its own for it.
export async function launchBrowser(name = 'chromium', { leastFont } = {}) {
    if (name === 'firefox')
        return puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true,
                                  extraPrefsFirefox: leastFont ? { 'font.minimum-size.x-western': leastFont } : {} });
    const profile = leastFont && mkdtempSync(join(tmpdir(), 'quorvel-fonts-'));
    if (profile) {
        mkdirSync(join(profile, 'Default'));
        writeFileSync(join(profile, 'Default', 'Preferences'), JSON.stringify({ webkit: { webprefs: { minimum_font_size: leastFont, minimum_logical_font_size: leastFont } } }));
    }
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        userDataDir: profile || undefined,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-dev-shm-usage', '--font-render-hinting=none'],
    });
    if (profile) browser.once('disconnected', () => setTimeout(() => rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 }), 500));
    return browser;
}

// Opens the page, with the browser's languages as given if any, and waits until it is ready for
// Start. Console messages of the page and requests beyond its own address, its query aside, are
// collected in problems, for the test to check.
export async function openPage(browser, url, viewport = { width: 820, height: 600, deviceScaleFactor: 1 }, { languages } = {}) {
    const page = await browser.newPage();
    const problems = [];
    const own = url.split('?')[0];
    page.on('console', (message) => {
        if (['error', 'warn', 'warning', 'assert'].includes(message.type())) problems.push(`console ${message.type()}: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('request', (request) => {
        // A blob: address the page made is its own.
        if (!request.url().replace(/^blob:/, '').startsWith(own)) problems.push(`request beyond the page: ${request.url()}`);
    });
    if (languages) await page.evaluateOnNewDocument((languages) => Object.defineProperty(navigator, 'languages', { get: () => languages }), languages);
    await page.setViewport(viewport);
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    return { page, problems };
}

// For a file or suite of tests: the page served and the browser launched before its tests, both
// ended after them. open() opens the page in a new tab, at the query given, as openPage does.
// After each test its tabs are closed, and none may have had a problem: a test that expects one
// takes it out of the tab's problems.
export function pageUnderTest(browserName = 'chromium', options = {}) {
    let server;
    let browser;
    const opened = [];
    before(async () => {
        server = await servePage();
        browser = await launchBrowser(browserName, options);
    });
    afterEach(async () => {
        const tabs = opened.splice(0);
        await Promise.all(tabs.map(({ page }) => page.isClosed() || page.close()));
        assert.deepEqual(tabs.flatMap(({ problems }) => problems), []);
    });
    after(async () => {
        await browser?.close();
        await server?.close();
    });
    const open = async (viewport, query = '', options = {}) => {
        const tab = await openPage(browser, server.url + query, viewport, options);
        opened.push(tab);
        return tab;
    };
    return { open, browser: () => browser, url: () => server.url };
}

// A suite in each browser under test, handed its page as pageUnderTest serves it.
export const eachBrowser = (suite) => browsers.forEach((name) => describe(name, () => suite(pageUnderTest(name), name)));

// A window tall enough for the open explore panel below it.
export const narrow = { width: 820, height: 1200, deviceScaleFactor: 1 };

// Resolves once the page has been laid out again and drawn, after a change of its layout.
export const laidOut = (page) => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));

// Resolves once the page has sent its event as often as asked, counting from now: finished runs
// of Start, or begun pauses.
function eventsSent(page, name, count) {
    return page.evaluate((name, count) => new Promise((resolve) => {
        let sent = 0;
        document.addEventListener(name, () => {
            if (++sent === count) resolve();
        });
    }), name, count);
}

export const runsFinished = (page, count = 1) => eventsSent(page, 'quorvel:finished', count);

// Starts a run at the slowdown given, whatever the speed control shows, and resolves once so many
// of its pauses have begun, with a promise of its end (in an object, or awaiting it would wait for
// the end).
export async function runUntil(page, slowdown, pauses) {
    await callForm(page, 'setText', 'nSpomaleni', slowdown);
    const finished = runsFinished(page);
    const begun = eventsSent(page, 'quorvel:pause', pauses);
    await clickOn(page, '#cmdStart');
    await begun;
    return { finished };
}

// Presses Start and resolves once its run has finished.
export async function startRun(page) {
    const finished = runsFinished(page);
    await clickOn(page, '#cmdStart');
    await finished;
}

// The centre of a control, in the page's coordinates.
export async function centreOf(page, selector) {
    const box = await (await page.$(selector)).boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

export async function clickOn(page, selector) {
    const { x, y } = await centreOf(page, selector);
    await page.mouse.click(x, y);
}

// The colours of a canvas's pixels within a box [left, top, right, bottom] of its own pixels, which
// are width across, at whatever scale it is drawn. They are read from a copy made for reading, as
// a test reads many.
export function coloursIn(page, box, id = 'picture', width = 800) {
    return page.evaluate((box, id, width) => {
        const canvas = document.getElementById(id);
        const copy = document.createElement('canvas');
        [copy.width, copy.height] = [canvas.width, canvas.height];
        const reader = copy.getContext('2d', { willReadFrequently: true });
        reader.drawImage(canvas, 0, 0);
        const [left, top, across, down] = [box[0], box[1], box[2] - box[0], box[3] - box[1]].map((value) => Math.round((value * canvas.width) / width));
        const data = reader.getImageData(left, top, across, down).data;
        return Array.from({ length: data.length / 4 }, (_, k) => [...data.subarray(4 * k, 4 * k + 4)]);
    }, box, id, width);
}

// The picture's pixels, to compare one canvas with another.
export const picturePixels = (page) => page.$eval('#picture', (canvas) => canvas.toDataURL());

// The picture's colours in a square of the given reach around a point.
export const pixelsAround = (page, x, y, reach = 1) => coloursIn(page, [x - reach, y - reach, x + reach + 1, y + reach + 1]);

export const hasColourNear = async (page, x, y, [red, green, blue], reach = 1) =>
    (await pixelsAround(page, x, y, reach)).some(([r, g, b, a]) => a === 255 && r === red && g === green && b === blue);

// Counts, from now on, the pauses and the finished runs of Start in the page.
export async function countRuns(page) {
    await page.evaluate(() => {
        window.counted = { pauses: 0, finished: 0 };
        document.addEventListener('quorvel:pause', () => ++window.counted.pauses);
        document.addEventListener('quorvel:finished', () => ++window.counted.finished);
    });
    return () => page.evaluate(() => window.counted);
}

// An element's property, or its attribute where it has no property of that name, as an ARIA state.
export const read = (page, selector, name) => page.$eval(selector, (element, name) => element[name] ?? element.getAttribute(name), name);

export const textOf = (page, selector) => read(page, selector, 'textContent');

// The focused element's id, or its name where it has none.
export const focused = (page) => page.evaluate(() => document.activeElement.id || document.activeElement.getAttribute('aria-label') || document.activeElement.textContent);

// The colours the picture is drawn in.
export const green = [0, 255, 0];
export const darkGrey = [64, 64, 64];
export const lightGrey = [192, 192, 192];

// Calls a method of the page's form, the module's window, with the arguments given.
const callForm = (page, method, ...args) =>
    page.evaluate(async (method, args) => (await import('/main.js')).form[method](...args), method, args);

// Waits until the live region says words that match, as it does once the settings stand still.
export const said = (page, words) => page.waitForFunction((source) => new RegExp(source).test(document.getElementById('announcement').textContent), { timeout: 3000 }, words.source);

// A slider set as a drag or a screen reader sets it, or with 'change' a box as a person leaves it.
export const slide = (page, id, value, event = 'input') => page.$eval(`#${id}`, (control, value, event) => {
    control.value = value;
    control.dispatchEvent(new Event(event));
}, value, event);

// After a Start, which shows every label: the captions cut off by their boxes; the pairs of the
// window's controls of which one covers the other's text, with how far; where each caption stands in the
// window, in its pixels; and the height of the smallest text of the page's own buttons.
export async function captionsAfterStart({ page }) {
    await callForm(page, 'setText', 'nSpomaleni', '0');
    await startRun(page);
    const found = await page.evaluate(() => {
        const shown = (element) => !element.hidden && element.getClientRects().length > 0;
        const textOf = (element) => {
            const rects = [];
            const words = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
            while (words.nextNode()) {
                if (!words.currentNode.data.trim()) continue;
                const range = document.createRange();
                range.selectNodeContents(words.currentNode);
                rects.push(...range.getClientRects());
            }
            return rects;
        };
        const form = document.getElementById('MainForm').getBoundingClientRect();
        const inWindow = form.width / 800;
        const cut = [];
        for (const caption of document.querySelectorAll('#MainForm > button, .frame > label, .frame > .caption, .label, #exploreArea > button')) {
            if (!shown(caption)) continue;
            const box = caption.getBoundingClientRect();
            const style = getComputedStyle(caption);
            // A line's text may reach beyond its line by the font's own extra height, above and
            // below; the text and the line are measured alike, shrunk with the window or not.
            const shrunk = box.height / caption.offsetHeight;
            let extra = 0.5;
            let inside = true;
            for (const text of textOf(caption)) {
                extra = Math.max(extra, (text.height - (parseFloat(style.lineHeight) * shrunk || text.height)) / 2 + 0.5);
                inside &&= text.left >= box.left - 0.5 && text.right <= box.right + 0.5 && text.top >= box.top - extra && text.bottom <= box.bottom + extra;
            }
            // Scrolled and shown sizes are whole pixels, each rounded its own way.
            const clipped = style.overflow !== 'visible' && (caption.scrollWidth > caption.clientWidth + 1 || caption.scrollHeight > caption.clientHeight + 1 + 2 * extra / shrunk);
            // Nor may a control of the window grow across beyond the size the core lays out for it,
            // nor a label's letters reach below it, the face's descent left out.
            const place = caption.closest('#MainForm > *')?.style;
            const laidOut = (name) => Number(place.getPropertyValue(name)) * inWindow + 0.5;
            const descent = 0.25 * parseFloat(style.fontSize) * shrunk;
            const grown = place && (box.width > laidOut('--width')
                                    || (caption.matches('.label') && textOf(caption).some((text) => text.bottom - descent - box.top > laidOut('--height'))));
            if (!inside || clipped || grown) cut.push(caption.id || caption.textContent.trim());
        }

        // A label, a button, a frame or an option hides what lies under its box; a frame's caption
        // only what lies under its text.
        const controls = [...document.querySelectorAll('#MainForm > :is(button, input, .frame, .label), .frame > label, .frame > .caption')].filter(shown).map((element) => {
            const text = element.localName === 'input' ? [] : textOf(element);
            return { element, text, hides: element.matches('.caption') ? text : [element.getBoundingClientRect()] };
        });
        // How far into each other two sets of rectangles reach, the lesser way, in window pixels.
        const depth = (some, others) => Math.max(0, ...some.flatMap((r) => others.map((s) =>
            Math.min(Math.min(r.right, s.right) - Math.max(r.left, s.left), Math.min(r.bottom, s.bottom) - Math.max(r.top, s.top)) / inWindow)));
        const covered = {};
        for (const [k, one] of controls.entries()) {
            for (const other of controls.slice(k + 1)) {
                if (one.element.contains(other.element) || other.element.contains(one.element)) continue;
                const reach = Math.max(depth(one.hides, other.text), depth(other.hides, one.text));
                if (reach > 0) covered[`${one.element.id} and ${other.element.id}`] = Math.round(reach * 10) / 10;
            }
        }
        const places = Object.fromEntries(controls.filter(({ element }) => element.id).map(({ element }) => {
            const { left, top, width, height } = element.getBoundingClientRect();
            return [element.id, [(left - form.left) / inWindow, (top - form.top) / inWindow, width / inWindow, height / inWindow].map((value) => Math.round(value * 10) / 10)];
        }));
        const pageText = [...document.querySelectorAll('#exploreArea > button')].filter(shown).flatMap(textOf);
        return { cut, covered, places, pageType: Math.min(...pageText.map((text) => text.height)) };
    });
    await page.close();
    return found;
}
