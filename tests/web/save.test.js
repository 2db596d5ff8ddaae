// Saving and copying the picture in the page: the core's SVG as a download, a PNG drawn from it at
// the screen's pixel ratio, and copying where the browser allows it.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickOn, eachBrowser, green, read, startRun, textOf, workedSettings } from './support.js';

// The page's downloads, caught as their links are followed: name, type and bytes.
async function catchDownloads(page) {
    await page.evaluate(() => {
        window.downloads = [];
        HTMLAnchorElement.prototype.click = function caught() {
            const { href, download } = this;
            window.downloads.push(fetch(href).then(async (response) => {
                const blob = await response.blob();
                return { name: download, type: blob.type, text: await blob.text(), url: URL.createObjectURL(blob) };
            }));
        };
    });
    return (index) => page.evaluate(async (index) => {
        while (window.downloads.length <= index) await new Promise((resolve) => setTimeout(resolve, 10));
        return window.downloads[index];
    }, index);
}

// Distance 250 and frequency 1, drawn whole.
async function drawWorkedSetting(page) {
    await clickOn(page, '#op250');
    await startRun(page);
    return workedSettings[2];
}

// The size of a downloaded PNG, and whether the colour is within a pixel of a point of the picture.
const pngAt = (page, url, [x, y], colour) => page.evaluate(async (url, x, y, colour) => {
    const image = await createImageBitmap(await (await fetch(url)).blob());
    const ratio = image.width / 800;
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(Math.round((x - 1) * ratio), Math.round((y - 1) * ratio), Math.round(3 * ratio), Math.round(3 * ratio)).data;
    const found = data.some((_, i) => i % 4 === 0 && colour.every((value, c) => data[i + c] === value));
    return { width: image.width, height: image.height, found };
}, url, x, y, colour);

eachBrowser((quorvel, browserName) => {
    // The PNG is drawn from the SVG, at the screen's pixel ratio.
    test('Save SVG downloads the core\'s document of the picture as drawn, and Save PNG the picture at the screen\'s pixel ratio', async () => {
        for (const deviceScaleFactor of [1, 2]) {
            const { page } = await quorvel.open({ width: 820, height: 600, deviceScaleFactor });
            const downloaded = await catchDownloads(page);
            const setting = await drawWorkedSetting(page);
            await clickOn(page, '#saveSvg');
            await clickOn(page, '#savePng');
            const [svg, png] = [await downloaded(0), await downloaded(1)];
            assert.deepEqual([svg.name, svg.type, png.name, png.type], ['quorvel-picture.svg', 'image/svg+xml', 'quorvel-picture.png', 'image/png']);
            assert.equal(svg.text, await page.evaluate(async () => (await import('/main.js')).form.pictureSvg()));
            const shown = await pngAt(page, png.url, setting.checkPixels.sumVector, green);
            assert.deepEqual(shown, { width: 800 * deviceScaleFactor, height: 581 * deviceScaleFactor, found: true }, 'its sum vector green');
        }
    });

    test('Copy picture is offered only where the clipboard takes images, and puts a PNG on it', async () => {
        const { page } = await quorvel.open();
        const canWrite = await page.evaluate(() => Boolean(navigator.clipboard?.write) && typeof ClipboardItem !== 'undefined');
        assert.equal(await read(page, '#copyPicture', 'hidden'), !canWrite);
        if (browserName === 'chromium') {
            await quorvel.browser().defaultBrowserContext().overridePermissions(quorvel.url(), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
            await drawWorkedSetting(page);
            await clickOn(page, '#copyPicture');
            // Said once the clipboard holds the picture.
            await page.waitForSelector('#copyOutcome:not([hidden])');
            assert.equal(await textOf(page, '#copyOutcome'), 'Picture copied.', 'shown beside the buttons');
            const copied = await page.evaluate(async () => {
                const [item] = await navigator.clipboard.read();
                const image = await createImageBitmap(await item.getType('image/png'));
                return [item.types, image.width, image.height];
            });
            assert.deepEqual(copied, [['image/png'], 800, 581]);
        }
    });
});
