// What every browser test needs: the built page served from this machine, Debian's chromium or
// firefox-esr driven by puppeteer-core, and a watch on the console and on every request the page
// makes.

import { after, before } from 'node:test';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
                '.png': 'image/png', '.json': 'application/json', '.gz': 'application/gzip', '.webmanifest': 'application/manifest+json' };

const webBuild = process.env.QUORVEL_WEB_BUILD ?? new URL('../../build-web/', import.meta.url).pathname;
export const pageFolder = join(webBuild, 'page');
export const desktopBuild = process.env.QUORVEL_DESKTOP_BUILD ?? new URL('../../build-tests/', import.meta.url).pathname;

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
        const root = path.startsWith('/record/') ? join(webBuild, 'tests') : path.startsWith(under) ? folder : null;
        if (root === folder) path = path.slice(under.length - 1);
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

// Firefox is driven over WebDriver BiDi, which puppeteer-core speaks to it.
export function launchBrowser(name = 'chromium') {
    if (name === 'firefox')
        return puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true });
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-dev-shm-usage', '--font-render-hinting=none'],
    });
}

// Opens the page and waits until it is ready for Start. Console messages of the page and
// requests beyond its own address are collected in problems, for the test to check.
export async function openPage(browser, url, viewport = { width: 820, height: 600, deviceScaleFactor: 1 }) {
    const page = await browser.newPage();
    const problems = [];
    page.on('console', (message) => {
        if (['error', 'warn', 'warning', 'assert'].includes(message.type())) problems.push(`console ${message.type()}: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('request', (request) => {
        // A blob: address the page made is its own.
        if (!request.url().replace(/^blob:/, '').startsWith(url)) problems.push(`request beyond the page: ${request.url()}`);
    });
    await page.setViewport(viewport);
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    return { page, problems };
}

// For a file or suite of tests: the page served and the browser launched before its tests, both
// ended after them. open() opens the page in a new tab, as openPage does.
export function pageUnderTest(browserName = 'chromium') {
    let server;
    let browser;
    before(async () => {
        server = await servePage();
        browser = await launchBrowser(browserName);
    });
    after(async () => {
        await browser?.close();
        await server?.close();
    });
    return { open: (viewport) => openPage(browser, server.url, viewport), browser: () => browser, url: () => server.url };
}

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
export const pausesBegun = (page, count) => eventsSent(page, 'quorvel:pause', count);

// The centre of a control, in the page's coordinates.
export async function centreOf(page, selector) {
    const box = await (await page.$(selector)).boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

export async function clickOn(page, selector) {
    const { x, y } = await centreOf(page, selector);
    await page.mouse.click(x, y);
}

// The colours of the picture's pixels in a square of the given reach around a point, in the
// picture's own coordinates. They are read from a copy made for reading, as a test reads many.
export function pixelsAround(page, x, y, reach = 1) {
    return page.evaluate((x, y, reach) => {
        const canvas = document.getElementById('picture');
        const copy = document.createElement('canvas');
        copy.width = canvas.width;
        copy.height = canvas.height;
        const reader = copy.getContext('2d', { willReadFrequently: true });
        reader.drawImage(canvas, 0, 0);
        const ratio = canvas.width / 800;
        const size = 2 * reach + 1;
        const data = reader.getImageData(Math.round((x - reach) * ratio), Math.round((y - reach) * ratio), Math.round(size * ratio), Math.round(size * ratio)).data;
        const colours = [];
        for (let i = 0; i < data.length; i += 4) colours.push([data[i], data[i + 1], data[i + 2], data[i + 3]]);
        return colours;
    }, x, y, reach);
}

export async function hasColourNear(page, x, y, [red, green, blue], reach = 1) {
    const colours = await pixelsAround(page, x, y, reach);
    return colours.some(([r, g, b, a]) => a === 255 && r === red && g === green && b === blue);
}

// Where a label of the window stands, shown or not, and whether it is shown.
export function placeOf(page, id) {
    return page.evaluate((id) => {
        const element = document.getElementById(id);
        const style = getComputedStyle(element);
        return { left: parseFloat(style.left), top: parseFloat(style.top), shown: !element.hidden && element.getClientRects().length > 0 };
    }, id);
}

// Counts, from now on, the pauses and the finished runs of Start in the page.
export async function countRuns(page) {
    await page.evaluate(() => {
        window.counted = { pauses: 0, finished: 0 };
        document.addEventListener('quorvel:pause', () => ++window.counted.pauses);
        document.addEventListener('quorvel:finished', () => ++window.counted.finished);
    });
    return () => page.evaluate(() => window.counted);
}

export const textOf = (page, id) => page.evaluate((id) => document.getElementById(id).value, id);

// Calls a method of the page's form, the module's window, with the arguments given.
export const callForm = (page, method, ...args) =>
    page.evaluate(async (method, args) => (await import('/main.js')).form[method](...args), method, args);

// Waits until the live region says words that match, as it does once the settings stand still.
export const said = (page, words) => page.waitForFunction((source) => new RegExp(source).test(document.getElementById('announcement').textContent), { timeout: 3000 }, words.source);

// A slider set as a drag or a screen reader sets it.
export const slide = (page, id, value) => page.$eval(`#${id}`, (slider, value) => {
    slider.value = value;
    slider.dispatchEvent(new Event('input'));
}, value);
