// The explore panel: opened outside the window and after its controls in the tab order, its input
// handed to the model, and the model's state shown in it and said to screen readers.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { clickOn, coloursIn, darkGrey, eachBrowser, focused, green, hasColourNear, laidOut, narrow, picturePixels, read, slide } from './support.js';

const figures = JSON.parse(readFileSync(new URL('../data/explore-figures.json', import.meta.url)));

// A phone scales the window to half its size and draws it at two device pixels to a pixel.
const phone = { width: 400, height: 900, deviceScaleFactor: 2 };

// How many of the graph's pixels within a box of its own pixels are of a colour, or dark as written
// words are where the colour is 'dark'.
const graphPixels = async (page, box, colour) => (await coloursIn(page, box, 'graph', 300)).filter(([r, g, b, a]) =>
    a === 255 && (colour === 'dark' ? [r, g, b].every((level) => level < 160) : [r, g, b].every((level, k) => level === colour[k]))).length;
const violet = [102, 0, 204];

eachBrowser((quorvel) => {
    // Beside a wider window, screens.test.js finds it; below, the window rises as far as the panel
    // needs, drawn as it was.
    test('the button opens the panel below the window, which stays as it was', async () => {
        const { page } = await quorvel.open(narrow);
        const clip = await (await page.$('#MainForm')).boundingBox();
        await page.focus('#explore');
        const before = await page.screenshot({ clip });
        await page.keyboard.press('Enter');
        assert.equal(await read(page, '#explore', 'aria-expanded'), 'true');
        await laidOut(page);
        const moved = { ...clip, y: (await (await page.$('#MainForm')).boundingBox()).y };
        const panel = await (await page.$('#explorePanel')).boundingBox();
        assert.ok(panel.y >= moved.y + clip.height, `the panel at ${panel.x}, ${panel.y}`);
        assert.ok((await page.screenshot({ clip: moved })).equals(before), 'the window is drawn as it was');
    });

    test("the panel's controls follow the window's, in the desktop's order, both ways, its keys switch segment 2 and a list's page keys move one item", async () => {
        const { page } = await quorvel.open(narrow, '?explore=1');
        await page.focus('#cmdStart');
        const saving = ['savePng', 'saveSvg', ...(await page.$eval('#copyPicture', (copy) => copy.hidden) ? [] : ['copyPicture'])];
        const stops = [];
        for (let i = 0; i < 24 + saving.length; ++i) stops.push(await page.keyboard.press('Tab').then(() => focused(page)));
        assert.deepEqual(stops, ['op0', 'cmdKonec', 'op1', 'HScroll1', 'explore', 'keys', ...saving, 'copyLink', 'fullScreen', 'scene', 'segment 1 of 30', 'Whole mirror', 'Middle third', 'Outer thirds',
                                 'Grating', 'Around least time', 'Away from least time', 'measure', 'distance', 'distanceNumber', 'frequency', 'frequencyNumber',
                                 'secondShown', 'secondFrequency', 'exploreClose']);
        await page.focus('#HScroll1');
        await page.keyboard.down('Shift');
        for (const back of ['op1', 'cmdKonec', 'op0', 'cmdStart']) assert.equal(await page.keyboard.press('Tab').then(() => focused(page)), back);
        await page.keyboard.up('Shift');
        await page.focus('#fullScreen');
        // Up and the page keys go as the desktop's strip, a slider, goes.
        for (const key of ['Tab', 'Tab', 'PageUp', 'ArrowUp', 'ArrowDown', 'ArrowDown', ' ']) await page.keyboard.press(key);
        assert.equal(await focused(page), 'segment 5 of 30');
        assert.equal(await read(page, '#segments > :nth-child(5)', 'aria-checked'), 'false');
        assert.equal(await page.$$eval('#segments > [tabindex="0"]', (stops) => stops.length), 1, 'the strip is one stop');
        // A list's page keys move one item, as the desktop's do.
        await page.focus('#scene');
        for (const key of ['PageDown', 'PageDown', 'PageUp']) await page.keyboard.press(key);
        assert.equal(await page.$eval('#scene', (list) => list.selectedIndex), 1);
        assert.ok(await page.$eval('#mirrorOnly', (mirrorOnly) => mirrorOnly.hidden), 'the scene is chosen');
    });

    test("a click on the picture's segment 12 switches it while the panel is open, on a phone's scaled window too", async () => {
        const { page } = await quorvel.open(phone);
        // Where the picture is now: the open panel lifts the window.
        const click = async () => {
            const picture = await (await page.$('#picture')).boundingBox();
            await page.mouse.click(picture.x + (320 * picture.width) / 800, picture.y + (290 * picture.height) / 581);
        };
        await click();
        await clickOn(page, '#explore');
        await slide(page, 'distance', 1);
        assert.equal(await read(page, '#segments > :nth-child(12)', 'aria-checked'), 'true', 'not while the panel was closed');
        assert.ok(await hasColourNear(page, 312, 291, darkGrey, 0), 'segment 12 reflects');
        await click();
        assert.equal(await read(page, '#segments > :nth-child(12)', 'aria-checked'), 'false');
        assert.ok(!await hasColourNear(page, 312, 291, darkGrey, 0), 'segment 12 is scraped off');
        assert.ok(await hasColourNear(page, 288, 291, darkGrey, 0), 'segment 11 still reflects');
    });

    test("the ends' lesson offers frequency 2 in one press, and the real lengths bring the frequency down to 1.3", async () => {
        const { page } = await quorvel.open(narrow, '?explore=1');
        await clickOn(page, '[data-preset="OuterThirds"]');
        assert.match(await read(page, '#endsLesson', 'textContent'), /^At frequency 1 the outer thirds give 0\.59 and the middle third 0\.63/);
        assert.equal(await read(page, '#endsOffer', 'textContent'), 'Try frequency 2');
        await clickOn(page, '#endsOffer');
        assert.equal(await read(page, '#frequencyNumber', 'value'), '2');
        assert.equal(await page.$eval('#endsOffer', (offer) => offer.hidden), true, 'the ends cancel at 2');
        await page.select('#measure', 'TwoLegs');
        assert.equal(await read(page, '#frequencyNumber', 'value'), '1.3');
    });

    // 250 puts the pair left of the middle in the picture: on the graph and the slider too. A
    // second frequency is drawn in its colour, shown beside its number. The grating made at 250
    // then shows both figures of the table, in words on the bar too, which is full only at the most
    // light any mirror sends at frequency 1.
    test('the slider and the graph run as the pair does in the picture, with numbers, words and a second colour; the brightness shows a grating\'s figures; Exit ends the panel', async () => {
        const { page } = await quorvel.open(narrow, '?explore=1');
        const slider = await (await page.$('#distance')).boundingBox();
        await page.mouse.click(slider.x + slider.width / 8, slider.y + slider.height / 2);
        assert.ok(Number(await read(page, '#distanceNumber', 'value')) > 200, "the slider's left end is the picture's left");
        await slide(page, 'distance', 250);
        await page.focus('#distance');
        await page.keyboard.press('ArrowRight');
        assert.equal(await read(page, '#distanceNumber', 'value'), '249', 'the right arrow moves the pair right');
        const graph = await (await page.$('#graph')).boundingBox();
        // 330 at x 28 to -330 at 286: x 59 stands for 330 - 31 * 660 / 258 = 250.7, 251.
        await page.mouse.click(graph.x + (59 * graph.width) / 300, graph.y + graph.height / 2);
        assert.equal(await read(page, '#distanceNumber', 'value'), '251');
        assert.ok(await graphPixels(page, [57, 8, 62, 120], green) > 0, 'the pair marked at 250, on the left');
        assert.ok(await graphPixels(page, [0, 0, 24, 125], 'dark') > 20, 'the brightness numbers are written');
        assert.ok(await graphPixels(page, [28, 125, 286, 150], 'dark') > 100, 'the distances and the title are written');
        assert.match(await read(page, '#graphWords', 'textContent'), /at the pair, distance 251, it gives 0\.75\./);
        await slide(page, 'secondFrequency', 3, 'change');
        assert.equal(await page.$eval('#secondSwatch', (swatch) => getComputedStyle(swatch).backgroundColor), 'rgb(102, 0, 204)');
        assert.equal(await graphPixels(page, [28, 8, 286, 120], violet), 0, 'not drawn until shown');
        await clickOn(page, '#secondShown');
        assert.ok(await graphPixels(page, [28, 8, 286, 120], violet) > 100);
        await slide(page, 'distance', 250);
        await clickOn(page, '[data-preset="Grating"]');
        const grating = figures.mirrors.find((row) => row.name === 'grating made at 250');
        const [brightness, here] = [grating.brightness.toFixed(2), grating.againstWholeHere.toFixed(2)];
        assert.equal(await read(page, '#brightnessNumber', 'textContent'), brightness);
        assert.equal(await read(page, '#brightnessHere', 'textContent'), `${here} times as likely as with the whole mirror here`);
        assert.equal(await read(page, '#brightnessBar', 'aria-valuetext'),
                     `${brightness} of the light of a whole mirror at the middle, ${here} times that of the whole mirror here`);
        assert.ok(Math.abs(Number(await read(page, '#brightnessBar', 'value')) - grating.brightness) < 1e-9);
        assert.ok(Math.abs(Number(await read(page, '#brightnessBar', 'max')) - figures.brightestMirror[0].brightness) < 1e-9);
        await clickOn(page, '#cmdKonec');
        assert.equal(await page.$('#exploreArea'), null, 'the panel ends with the window');
    });

    test('a dragged distance draws the pictures at their own pixels until let go, then as sharp as when set still', async () => {
        const opened = () => quorvel.open({ width: 1920, height: 1080, deviceScaleFactor: 1 }, '?explore=1');
        const { page } = await opened();
        const slider = await (await page.$('#distance')).boundingBox();
        await page.mouse.move(slider.x + slider.width / 2, slider.y + slider.height / 2);
        await page.mouse.down();
        await page.mouse.move(slider.x + slider.width / 3, slider.y + slider.height / 2, { steps: 4 });
        const widths = (tab) => tab.$$eval('#picture, #graph', (canvases) => canvases.map((canvas) => canvas.width));
        assert.deepEqual(await widths(page), [800, 300], 'while dragged');
        await page.mouse.up();
        const still = await opened();
        await slide(still.page, 'distance', await read(page, '#distanceNumber', 'value'));
        assert.deepEqual(await widths(page), await widths(still.page));
        assert.ok(await picturePixels(page) === await picturePixels(still.page), 'the same pixels');
    });
});
