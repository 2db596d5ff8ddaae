// On any screen: the whole window fitted into the browser's window, up and down, with its
// proportions kept, centred and beside the page's own controls; the picture drawn at the device
// pixels it covers, again when they change; every caption whole with larger text; every control
// large enough for a finger on a touch screen; and full screen on the F key.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { captionsAfterStart, centreOf, clickOn, eachBrowser, green, hasColourNear, laidOut, launchBrowser, openPage, pageUnderTest, picturePixels, read, runsFinished, runUntil } from './support.js';

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


// A Start at distance 250 with a pause at each point, until its eighth pause.
async function slowStart(page) {
    await clickOn(page, '#op250');
    return runUntil(page, '1', 8);
}

eachBrowser((quorvel, browserName) => {
    // On the commonest laptop screens, 1280 x 800 and 1400 x 900, the open panel stands beside the
    // window made smaller.
    test('the window fills the browser window, centred, with its proportions and the page\'s buttons, and no scroll bars', async () => {
        for (const [width, height] of [[375, 667], [800, 700], [1280, 800], [1400, 900], [1920, 1080], [3840, 2160]]) {
            const { page } = await quorvel.open({ width, height, deviceScaleFactor: 1 });
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
            await laidOut(page);
            const open = await layout(page);
            assert.ok(width < 1000 || (open.area.left >= open.form.right - 1 && open.area.right <= width && open.area.bottom <= height), `the open panel beside, in full view ${at}`);
            await page.close();
        }
    });

    test('a Start drawn again, sharp, as the pixel ratio and the size change during it, as if drawn so from the start', async () => {
        // Chromium's emulation of a pixel ratio tells the page of no change, as a zoom does by a
        // resize and the ratio's media query, unless the size changes too: there it comes with one.
        const same = browserName === 'firefox' ? 0 : 1;
        for (const [first, then] of [[{ width: 1440, height: 800, deviceScaleFactor: 1 }, { width: 1440, height: 800 + same, deviceScaleFactor: 2 }],
                                     [{ width: 1440, height: 800, deviceScaleFactor: 1 }, { width: 1000, height: 700, deviceScaleFactor: 1.5 }]]) {
            const { page } = await quorvel.open(first);
            const { finished } = await slowStart(page);
            const before = await layout(page);
            await page.setViewport(then);
            await finished;
            const after = await layout(page);
            assert.equal(after.ratio, then.deviceScaleFactor);
            assert.notEqual(after.canvas, before.canvas);
            assert.equal(after.canvas, Math.round(after.form.width * then.deviceScaleFactor), 'as many pixels as the screen shows');
            assert.ok(await hasColourNear(page, 398, 174, green), 'the sum vector of distance 250 and frequency 1');

            const fresh = await quorvel.open(then);
            await (await slowStart(fresh.page)).finished;
            assert.ok(await picturePixels(page) === await picturePixels(fresh.page), 'the same pixels as a run drawn at that size');
        }
    });

    test('the F key puts the page on the whole screen and back, not while typing a number', async () => {
        const { page } = await quorvel.open({ width: 1024, height: 700, deviceScaleFactor: 1 });
        const state = () => page.evaluate(() => [document.fullscreenElement?.localName ?? null, document.getElementById('fullScreen').getAttribute('aria-pressed')]);
        // The state once the page has gone on or off the whole screen after the act. The listener
        // is in place before the act: on a loaded machine the change could come before it.
        const changedBy = async (act) => {
            await page.evaluate(() => { window.screenChange = new Promise((resolve) => document.addEventListener('fullscreenchange', resolve, { once: true })); });
            await act();
            await page.evaluate(() => window.screenChange);
            return state();
        };
        assert.deepEqual(await state(), [null, 'false']);
        assert.deepEqual(await changedBy(() => page.keyboard.press('f')), ['html', 'true']);
        assert.deepEqual(await changedBy(() => page.keyboard.press('f')), [null, 'false']);
        await clickOn(page, '#explore');
        await page.focus('#distanceNumber');
        for (const key of ['f', 'F']) await page.keyboard.press(key);
        assert.deepEqual(await state(), [null, 'false']);
        assert.deepEqual(await changedBy(() => clickOn(page, '#fullScreen')), ['html', 'true']);
    });

    // The page's own controls take the least font size; the window keeps its drawing, each caption
    // in the room laid out for it.
    test('with the least font size at 16 to 32 pixels every caption is whole and uncovered, and the window as laid out', async () => {
        const screens = [{ width: 800, height: 581, deviceScaleFactor: 1 }, { width: 1440, height: 900, deviceScaleFactor: 1 }];
        const asLaidOut = [];
        for (const screen of screens) asLaidOut.push(await captionsAfterStart(await quorvel.open(screen)));
        for (const { cut, covered } of asLaidOut) {
            assert.deepEqual(cut, [], 'cut off as laid out');
            assert.ok(Object.values(covered).every((reach) => reach <= 4), `as laid out, little of a caption under another's box: ${JSON.stringify(covered)}`);
        }
        for (const least of [16, 20, 24, 32]) {
            const browser = await launchBrowser(browserName, { leastFont: least });
            try {
                for (const [index, screen] of screens.entries()) {
                    const at = `at ${least} pixels on ${screen.width} x ${screen.height}`;
                    const opened = await openPage(browser, quorvel.url(), screen);
                    const { cut, covered, places, pageType } = await captionsAfterStart(opened);
                    assert.deepEqual(cut, [], `cut off ${at}`);
                    // As laid out, the prompt's descenders reach a few pixels under the time's label.
                    const further = Object.entries(covered).filter(([pair, reach]) => reach > (asLaidOut[index].covered[pair] ?? 0) + 0.5);
                    assert.deepEqual(further, [], `covering each other further than laid out ${at}`);
                    assert.ok(pageType >= least, `the page's own buttons' captions ${pageType} pixels high ${at}`);
                    const { places: planned } = asLaidOut[index];
                    assert.deepEqual(Object.keys(places), Object.keys(planned), `the same captions shown ${at}`);
                    const moved = Object.entries(places).filter(([id, place]) => place.some((value, k) => Math.abs(value - planned[id][k]) >= 0.6));
                    assert.deepEqual(moved.map(([id, place]) => `${id} at ${place}, laid out at ${planned[id]}`), [], `moved from where they are laid out ${at}`);
                    assert.deepEqual(opened.problems, []);
                }
            } finally {
                await browser.close();
            }
        }
    });
});

// Touch emulation needs Chromium's own protocol. A least font size lays the captioned controls out
// larger, their reach for a finger with them.
for (const least of [0, 24]) describe(least ? `chromium on a phone, with the least font size at ${least} pixels` : 'chromium on a phone', () => {
    const quorvel = pageUnderTest('chromium', { leastFont: least });
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
        const { page } = await quorvel.open(iPhone);
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
        // Each takes a tap anywhere in its box.
        assert.deepEqual(targets.filter(({ box, whole }) => !whole || box.width < 24 || box.height < 24), [], 'too small, or with holes');
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

        const start = target('cmdStart');
        const finished = runsFinished(page);
        await page.touchscreen.tap(start.left + start.width / 2, start.top + 1);
        await finished;
        const { x, y } = await centreOf(page, '#explore');
        await page.touchscreen.tap(x, y);
        await laidOut(page);
        const panel = await (await page.$('#explorePanel')).boundingBox();
        const { form, extent } = await layout(page);
        assert.ok(panel.y >= form.bottom - 1 && extent.height >= panel.y + panel.height, 'the open panel below the window, where the page scrolls to');
        const segments = await page.$$eval('#segments > button', (all) => all.map((segment) => {
            const { width, height } = segment.getBoundingClientRect();
            return { width, height };
        }));
        assert.ok(segments.every(({ width, height }) => width >= 24 && height >= 24), `a segment switch is ${segments[0].width} x ${segments[0].height}`);
        // The strip that scrolls says which end hides switches; Close keeps off the scene's list.
        assert.equal(await read(page, '#segments', 'data-more'), 'end');
        await page.$eval('#segments', (strip) => strip.scrollTo(strip.scrollWidth, 0));
        await page.waitForFunction(() => document.getElementById('segments').dataset.more === 'start');
        const [close, list] = await Promise.all(['#exploreClose', '#scene'].map(async (selector) => (await page.$(selector)).boundingBox()));
        assert.ok(close.y + close.height <= list.y, `Close ${JSON.stringify(close)} over the list ${JSON.stringify(list)}`);
    });

    // Readable: at least 12 pixels high, the page's 13-pixel type, where the window's options' are 6.
    test("on a small phone the window's captions can be read below it, and the open panel keeps the window's width and its strip in a row", async () => {
        const { page } = await quorvel.open({ width: 375, height: 667, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
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
        await laidOut(page);
        assert.ok(Math.abs((await layout(page)).form.width - 375) < 1, 'the window as wide as the screen with the panel open');
        assert.equal(await page.$$eval('#segments > button', (all) => new Set(all.map((segment) => segment.getBoundingClientRect().top)).size), 1, 'the strip in a row');
    });
});
