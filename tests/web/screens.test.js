// On any screen: the whole window fitted into the browser's window, up and down, with its
// proportions kept, centred and beside the page's own controls; the picture drawn at the device
// pixels it covers, again when they change; every caption whole with larger text; every control
// large enough for a finger on a touch screen; and full screen on the F key.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { browsers, callForm, centreOf, clickOn, hasColourNear, launchBrowser, openPage, pageUnderTest, pausesBegun, runsFinished, servePage } from './support.js';

// Where the window, the page's buttons and the page's extent stand.
const layout = (page) => page.evaluate(() => {
    const box = (element) => element.getBoundingClientRect().toJSON();
    return {
        form: box(document.getElementById('MainForm')),
        area: box(document.getElementById('exploreArea')),
        buttons: [...document.querySelectorAll('#exploreArea > button')].filter((button) => !button.hidden).map(box),
        canvas: document.getElementById('picture').width,
        ratio: window.devicePixelRatio,
        viewport: { width: document.documentElement.clientWidth, height: window.innerHeight },
        extent: { width: document.documentElement.scrollWidth, height: document.documentElement.scrollHeight },
    };
});

// The picture's pixels, to compare one canvas with another.
const canvasPixels = (page) => page.$eval('#picture', (canvas) => {
    const copy = document.createElement('canvas');
    [copy.width, copy.height] = [canvas.width, canvas.height];
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0);
    return { width: canvas.width, height: canvas.height, data: Array.from(context.getImageData(0, 0, canvas.width, canvas.height).data).join() };
});

// A Start at distance 250 with a pause at each point; resolves once the run has begun.
const slowStart = async (page) => {
    await callForm(page, 'setText', 'nSpomaleni', '1');
    await clickOn(page, '#op250');
    const finished = runsFinished(page);
    await clickOn(page, '#cmdStart');
    return { finished };
};

for (const browserName of browsers) describe(browserName, () => {
    const quorvel = pageUnderTest(browserName);

    test('the window fills the browser window, centred, with its proportions and the page\'s buttons, and no scroll bars', async () => {
        for (const [width, height] of [[375, 667], [800, 700], [1920, 1080], [3840, 2160]]) {
            const { page, problems } = await quorvel.open({ width, height, deviceScaleFactor: 1 });
            const { form, area, buttons, canvas, viewport, extent } = await layout(page);
            const at = `at ${width} x ${height}: the window ${JSON.stringify(form)}`;
            assert.ok(Math.abs(form.width / form.height - 800 / 581) < 0.005, `proportions ${at}`);
            assert.ok(extent.width <= viewport.width && extent.height <= viewport.height, `no scrolling: ${JSON.stringify(extent)} ${at}`);
            assert.ok(viewport.width === width, `no scroll bar ${at}`);
            for (const button of buttons) assert.ok(button.right <= width && button.bottom <= height && button.left >= 0, `a button within the screen ${at}`);
            const beside = buttons.every((button) => button.left >= form.right - 0.5);
            if (beside) {
                assert.ok(Math.abs(form.height - height) < 1 || Math.abs(form.width + area.width - width) < 1, `fills the height or the width beside its column ${at}`);
                assert.ok(Math.abs(form.left - (width - form.right - area.width)) <= 1, `centred ${at}`);
                // Beside a window larger than on a 1280 x 800 screen, the column grows with it.
                assert.ok(Math.abs(area.width / Math.max(form.width, 948) - 332 / 948) < 0.002, `the column ${area.width} pixels wide ${at}`);
            } else {
                assert.ok(buttons.every((button) => button.top >= form.bottom - 0.5), `the buttons below ${at}`);
                assert.ok(Math.abs(form.width - width) < 1 || Math.abs(area.bottom - form.top - height) < 1, `fills the width, or the height with its row of buttons ${at}`);
                assert.ok(Math.abs(form.top - (height - area.bottom)) <= 1, `centred down ${at}`);
                assert.ok(Math.abs(form.left - (width - form.right)) <= 1, `centred across ${at}`);
            }
            assert.equal(canvas, Math.round(form.width), `a pixel of the canvas for each of the screen ${at}`);
            await clickOn(page, '#explore');
            await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
            const open = await layout(page);
            assert.ok(width < 1000 || open.area.bottom <= height, `the open panel in full view ${at}`);
            assert.deepEqual(problems, []);
            await page.close();
        }
    });

    test('a Start drawn again, sharp, as the pixel ratio and the size change during it, as if drawn so from the start', async () => {
        // Chromium's emulation of a pixel ratio tells the page of no change, as a zoom does by a
        // resize and the ratio's media query, unless the size changes too: there it comes with one.
        const same = browserName === 'firefox' ? 0 : 1;
        for (const [first, then] of [[{ width: 1440, height: 800, deviceScaleFactor: 1 }, { width: 1440, height: 800 + same, deviceScaleFactor: 2 }],
                                     [{ width: 1440, height: 800, deviceScaleFactor: 1 }, { width: 1000, height: 700, deviceScaleFactor: 1.5 }]]) {
            const { page, problems } = await quorvel.open(first);
            const { finished } = await slowStart(page);
            await pausesBegun(page, 8);
            const before = await layout(page);
            await page.setViewport(then);
            await finished;
            const after = await layout(page);
            assert.equal(after.ratio, then.deviceScaleFactor);
            assert.notEqual(after.canvas, before.canvas);
            assert.equal(after.canvas, Math.round(after.form.width * then.deviceScaleFactor), 'as many pixels as the screen shows');
            assert.ok(await hasColourNear(page, 398, 174, [0, 255, 0]), 'the sum vector of distance 250 and frequency 1');

            const fresh = await quorvel.open(then);
            await (await slowStart(fresh.page)).finished;
            assert.ok((await canvasPixels(page)).data === (await canvasPixels(fresh.page)).data, 'the same pixels as a run drawn at that size');
            assert.deepEqual([...problems, ...fresh.problems], []);
            await Promise.all([page.close(), fresh.page.close()]);
        }
    });

    test('the F key puts the page on the whole screen and back, not while typing a number', async () => {
        const { page, problems } = await quorvel.open({ width: 1024, height: 700, deviceScaleFactor: 1 });
        const state = () => page.evaluate(() => [document.fullscreenElement?.localName ?? null, document.getElementById('fullScreen').getAttribute('aria-pressed')]);
        const changed = () => page.evaluate(() => new Promise((resolve) => document.addEventListener('fullscreenchange', resolve, { once: true })));
        assert.deepEqual(await state(), [null, 'false']);
        let change = changed();
        await page.keyboard.press('f');
        await change;
        assert.deepEqual(await state(), ['html', 'true']);
        change = changed();
        await page.keyboard.press('f');
        await change;
        assert.deepEqual(await state(), [null, 'false']);
        await clickOn(page, '#explore');
        await page.focus('#distanceNumber');
        await page.keyboard.press('f');
        await page.keyboard.press('F');
        assert.deepEqual(await state(), [null, 'false']);
        change = changed();
        await clickOn(page, '#fullScreen');
        await change;
        assert.deepEqual(await state(), ['html', 'true']);
        assert.deepEqual(problems, []);
    });

    // The least font size is a preference of the browser's profile. The page's own controls take
    // it; the window keeps its drawing, each caption in the room laid out for it.
    test('with the least font size at 16 to 32 pixels every caption is whole and uncovered, and the window as laid out', async () => {
        const server = await servePage();
        const screens = [{ width: 800, height: 581, deviceScaleFactor: 1 }, { width: 1440, height: 900, deviceScaleFactor: 1 }];
        try {
            const plain = await launchBrowser(browserName);
            const laidOut = [];
            try {
                for (const screen of screens) laidOut.push(await captionsAfterStart(plain, server.url, screen));
            } finally {
                await plain.close();
            }
            for (const { cut, covered } of laidOut) {
                assert.deepEqual(cut, [], 'cut off as laid out');
                assert.ok(Object.values(covered).every((reach) => reach <= 4), `as laid out, little of a caption under another's box: ${JSON.stringify(covered)}`);
            }
            for (const least of [16, 20, 24, 32]) {
                const browser = await launchWithLeastFont(browserName, least);
                try {
                    for (const [index, screen] of screens.entries()) {
                        const at = `at ${least} pixels on ${screen.width} x ${screen.height}`;
                        const { cut, covered, places, pageType, problems } = await captionsAfterStart(browser, server.url, screen);
                        assert.deepEqual(cut, [], `cut off ${at}`);
                        // As laid out, the prompt's descenders reach a few pixels under the time's label.
                        const further = Object.entries(covered).filter(([pair, reach]) => reach > (laidOut[index].covered[pair] ?? 0) + 0.5);
                        assert.deepEqual(further, [], `covering each other further than laid out ${at}`);
                        assert.ok(pageType >= least, `the page's own buttons' captions ${pageType} pixels high ${at}`);
                        const { places: planned } = laidOut[index];
                        assert.deepEqual(Object.keys(places), Object.keys(planned), `the same captions shown ${at}`);
                        for (const [id, place] of Object.entries(places)) {
                            const moved = place.map((value, k) => Math.abs(value - planned[id][k]));
                            assert.ok(Math.max(...moved) < 0.6, `${id} where it is laid out ${at}: ${place} against ${planned[id]}`);
                        }
                        assert.deepEqual(problems, []);
                    }
                } finally {
                    await browser.close();
                }
            }
        } finally {
            await server.close();
        }
    });
});

// After a Start, which shows every label: the captions cut off by their boxes; the pairs of the
// window's controls of which one covers the other's text, with how far; where each caption stands in the
// window, in its pixels; and the height of the smallest text of the page's own buttons.
async function captionsAfterStart(browser, url, viewport) {
    const { page, problems } = await openPage(browser, url, viewport);
    const finished = runsFinished(page);
    await callForm(page, 'setText', 'nSpomaleni', '0');
    await clickOn(page, '#cmdStart');
    await finished;
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
            if (!inside || clipped) cut.push(caption.id || caption.textContent.trim());
        }

        // A label, a button, a frame or an option hides what lies under its box; a frame's caption
        // only what lies under its text.
        const form = document.getElementById('MainForm').getBoundingClientRect();
        const controls = [...document.querySelectorAll('#MainForm > :is(button, input, .frame, .label), .frame > label, .frame > .caption')].filter(shown).map((element) => {
            const text = element.localName === 'input' ? [] : textOf(element);
            return { element, text, hides: element.matches('.caption') ? text : [element.getBoundingClientRect()] };
        });
        const inWindow = form.width / 800;
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
    return { ...found, problems };
}

async function launchWithLeastFont(browserName, least) {
    if (browserName === 'firefox')
        return puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true,
                                  extraPrefsFirefox: { 'font.minimum-size.x-western': least } });
    const profile = mkdtempSync(join(tmpdir(), 'quorvel-fonts-'));
    mkdirSync(join(profile, 'Default'));
    writeFileSync(join(profile, 'Default', 'Preferences'), JSON.stringify({ webkit: { webprefs: { minimum_font_size: least, minimum_logical_font_size: least } } }));
    const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', headless: true, userDataDir: profile,
                                             args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--font-render-hinting=none'] });
    browser.once('disconnected', () => setTimeout(() => rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 }), 500));
    return browser;
}

// As pageUnderTest, in Chromium with the least font size given.
function pageWithLeastFont(least) {
    let server;
    let browser;
    before(async () => {
        server = await servePage();
        browser = await launchWithLeastFont('chromium', least);
    });
    after(async () => {
        await browser?.close();
        await server?.close();
    });
    return { open: (viewport) => openPage(browser, server.url, viewport) };
}

// Touch emulation needs Chromium's own protocol. A least font size lays the captioned controls out
// larger, their reach for a finger with them.
for (const least of [0, 24]) describe(least ? `chromium on a phone, with the least font size at ${least} pixels` : 'chromium on a phone', () => {
    const quorvel = least ? pageWithLeastFont(least) : pageUnderTest();
    const iPhone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

    test('every control takes a finger: 24 x 24 pixels of target, a tap at its edge acts, and what is drawn stays', async () => {
        // What is drawn is where a mouse's screen has it.
        const mouse = await quorvel.open({ ...iPhone, isMobile: false, hasTouch: false });
        // Each control's place in the window: its left, its middle and its width.
        const places = (page) => page.evaluate(() => {
            const form = document.getElementById('MainForm').getBoundingClientRect();
            const shown = [...document.querySelectorAll('#MainForm button, #MainForm input, .frame > label, .caption')].filter((control) => control.getClientRects().length);
            return shown.map((control) => {
                const { left, top, width, height } = control.getBoundingClientRect();
                return [control.id, Math.round(left - form.left), Math.round(top + height / 2 - form.top), Math.round(width)];
            });
        });
        const drawn = await places(mouse.page);
        await mouse.page.close();
        const { page, problems } = await quorvel.open(iPhone);
        assert.ok(await page.evaluate(() => matchMedia('(pointer: coarse)').matches));
        assert.deepEqual(await places(page), drawn, 'the controls where they are without touch');
        const targets = await page.evaluate(() => {
            const controls = [...document.querySelectorAll('#MainForm > button, .frame > label, #HScroll1, #exploreArea > button, #mirrored button')].filter((control) => control.getClientRects().length);
            return controls.map((control) => {
                // Where a tap lands on the control, tried at every pixel around it.
                const { left, top, right, bottom } = control.getBoundingClientRect();
                const hits = [];
                for (let y = Math.max(0, Math.floor(top) - 40); y <= Math.min(innerHeight - 1, bottom + 40); ++y)
                    for (let x = Math.max(0, Math.floor(left) - 40); x <= Math.min(innerWidth - 1, right + 40); ++x)
                        if (control.contains(document.elementFromPoint(x + 0.5, y + 0.5))) hits.push([x, y]);
                const box = { left: Math.min(...hits.map(([x]) => x)), top: Math.min(...hits.map(([, y]) => y)) };
                box.width = Math.max(...hits.map(([x]) => x)) - box.left + 1;
                box.height = Math.max(...hits.map(([, y]) => y)) - box.top + 1;
                return { id: control.id, box, whole: hits.length === box.width * box.height };
            });
        });
        // Start, Exit, four options, the speed, the page's own buttons that the browser shows, and
        // the window's buttons and options once more below it.
        assert.equal(targets.length, 7 + await page.$$eval('#exploreArea > button', (all) => all.filter((button) => !button.hidden).length) + 6);
        for (const { id, box, whole } of targets) {
            assert.ok(box.width >= 24 && box.height >= 24, `${id}: ${JSON.stringify(box)}`);
            assert.ok(whole, `${id} takes a tap anywhere in its box`);
        }
        const target = (id) => targets.find((found) => found.id === id).box;

        const op0 = target('op0Box');
        await page.touchscreen.tap(op0.left + 1, op0.top + 1);
        assert.equal(await page.$eval('#op0', (option) => option.checked), true, 'the corner of the option 0 chooses it');
        const op2 = target('op2Box');
        await page.touchscreen.tap(op2.left + op2.width - 2, op2.top + op2.height - 2);
        assert.equal(await page.$eval('#op2', (option) => option.checked), true, 'the far corner of the option 2 chooses it');
        const speed = target('HScroll1');
        await page.touchscreen.tap(speed.left + speed.width - 3, speed.top + 1);
        assert.ok(await page.$eval('#HScroll1', (slider) => Number(slider.value)) > 15, 'the top of the speed control moves it');
        await clickOn(page, '#op250');
        await clickOn(page, '#op1');

        const start = target('cmdStart');
        const finished = runsFinished(page);
        await page.touchscreen.tap(start.left + start.width / 2, start.top + 1);
        await finished;
        assert.equal(await page.$eval('#picture', (canvas) => canvas.width), 1170, 'three device pixels to a pixel of the screen');
        assert.ok(await hasColourNear(page, 398, 174, [0, 255, 0]), 'the sum vector of distance 250 and frequency 1');
        const { x, y } = await centreOf(page, '#explore');
        await page.touchscreen.tap(x, y);
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        const panel = await (await page.$('#explorePanel')).boundingBox();
        const { form, extent } = await layout(page);
        assert.ok(panel.y >= form.bottom - 1 && extent.height >= panel.y + panel.height, 'the open panel below the window, where the page scrolls to');
        const segments = await page.$$eval('#segments > button', (all) => all.map((segment) => {
            const { width, height } = segment.getBoundingClientRect();
            return { width, height };
        }));
        assert.ok(segments.every(({ width, height }) => width >= 24 && height >= 24), `a segment switch is ${segments[0].width} x ${segments[0].height}`);
        assert.deepEqual(problems, []);
    });

    // Readable: at least 12 pixels high, the page's 13-pixel type, where the window's options' are 6.
    test("on a small phone the window's captions can be read below it, and the open panel keeps the window's width and its strip in a row", async () => {
        const { page, problems } = await quorvel.open({ width: 375, height: 667, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
        const heights = await page.$$eval('#MainForm > button, .frame > label, #mirrored button', (all) => all.filter((element) => element.getClientRects().length).map((element) => {
            const range = document.createRange();
            range.selectNodeContents(element);
            return [element.textContent.trim(), range.getBoundingClientRect().height];
        }));
        for (const caption of ['Start', 'Exit', '0', '250', '1', '2']) assert.ok(heights.some(([text, height]) => text === caption && height >= 12), `${caption}: ${heights}`);
        const { x, y } = await centreOf(page, '[data-for="op250"]');
        await page.touchscreen.tap(x, y);
        assert.equal(await page.$eval('#op250', (option) => option.checked), true, "the copy's 250 chooses the window's");
        await clickOn(page, '#explore');
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        assert.ok(Math.abs((await layout(page)).form.width - 375) < 1, 'the window as wide as the screen with the panel open');
        assert.equal(await page.$$eval('#segments > button', (all) => new Set(all.map((segment) => segment.getBoundingClientRect().top)).size), 1, 'the strip in a row');
        assert.deepEqual(problems, []);
    });
});
