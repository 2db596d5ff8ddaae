// Measures the web edition in headless chromium, each figure against an anchor of the same run:
// the page ready for Start against an empty page from the same server, one whole Start at
// slowdown 0 against one fill of the whole canvas, the explore panel's live redraw against a whole
// Start and its graph against its goal, the pauses against their nominal 15 ms per 300000
// decrements, the browser's processor time during a slow sweep against its wall time, and the frames
// a second while the distance slider is dragged against those of the page left alone. Not a test:
// run it with `node benchmark.js` after building the web edition, `node benchmark.js drag` for
// the drag alone or `node benchmark.js scenes` for each scene's Start, live redraw and graph.

import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchBrowser, openPage, pageFolder, servePage } from './support.js';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
// Screens besides the page's usual window: a common one, and a large one, which the window fills, its canvas with it.
const common = { width: 1920, height: 1080, deviceScaleFactor: 1 };
const large = { width: 3840, height: 2160, deviceScaleFactor: 2 };
const onScreen = (viewport) => console.log(`On a screen of ${viewport.width} x ${viewport.height} pixels at a pixel ratio of ${viewport.deviceScaleFactor}:`);

async function pageSize() {
    let [raw, compressed] = [0, 0];
    // Every file, as the offline worker fetches them all at a first visit.
    for (const entry of await readdir(pageFolder, { recursive: true, withFileTypes: true })) {
        if (!entry.isFile()) continue;
        const body = await readFile(join(entry.parentPath ?? entry.path, entry.name));
        raw += body.length;
        compressed += gzipSync(body, { level: 9 }).length;
    }
    console.log(`The page's files: ${(raw / 1024).toFixed(1)} KiB, ${(compressed / 1024).toFixed(1)} KiB gzip-compressed`);
}

async function readiness(viewport) {
    const [empty, ready] = [[], []];
    for (let run = 0; run < 11; ++run) {
        const page = await browser.newPage();
        await page.setCacheEnabled(false);
        if (viewport) await page.setViewport(viewport);
        await page.goto(`${server.url}anchor.html`, { waitUntil: 'load' });
        empty.push(await page.evaluate(() => performance.getEntriesByType('navigation')[0].loadEventEnd));
        await page.goto(server.url);
        await page.waitForSelector('body[data-ready]');
        ready.push(await page.evaluate(() => performance.getEntriesByName('ready')[0].startTime));
        await page.close();
    }
    console.log(`Anchor: an empty page from the same server, loaded after ${median(empty).toFixed(1)} ms (median of 11)`);
    console.log(`The page ready for Start after ${median(ready).toFixed(1)} ms = ${(median(ready) / median(empty)).toFixed(2)} x the empty page`);
}

// The page opened, ready for Start, with its form at hand and the timer the measures share: the
// browser's clock counts in tenths of a millisecond, so work that can be repeated, none of it kept,
// is timed so many times over, and the page shows what it drew before the next is timed.
async function openTimed(viewport) {
    const { page } = await openPage(browser, server.url, viewport);
    await page.evaluate(async () => {
        window.form = (await import('/main.js')).form;
        window.timed = async (list, work, times = 1) => {
            const begun = performance.now();
            for (let k = 0; k < times; ++k) work(k);
            list.push((performance.now() - begun) / times);
            await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
        };
    });
    return page;
}

async function wholeStart(page) {
    const { fill, start } = await page.evaluate(async () => {
        // As large as the picture's canvas, which covers the pixels the window has on the screen.
        const { width, height } = document.getElementById('picture');
        const context = Object.assign(document.createElement('canvas'), { width, height }).getContext('2d');
        // A hundred fills are timed together, the last one read back so that all are done.
        const [fill, start] = [[], []];
        for (let run = 0; run < 21; ++run) {
            await timed(fill, (k) => {
                context.fillStyle = k % 2 ? '#c0c0c0' : '#404040';
                context.fillRect(0, 0, width, height);
                if (k === 99) context.getImageData(0, 0, 1, 1);
            }, 100);
        }
        form.setText('nSpomaleni', '0');
        // A Start at slowdown 0 ends before its click returns.
        for (let run = 0; run < 21; ++run) await timed(start, () => document.getElementById('cmdStart').click());
        return { fill, start };
    });
    const size = await page.$eval('#picture', (canvas) => `${canvas.width} x ${canvas.height}`);
    console.log(`Anchor: one fill of the whole canvas of ${size} pixels: ${median(fill).toFixed(3)} ms (median of 21 runs of 100)`);
    console.log(`One whole Start at slowdown 0: ${median(start).toFixed(2)} ms = ${(median(start) / median(fill)).toFixed(1)} x the fill (median of 21)`);
}

// A change with the explore panel open redraws the whole picture at once, then the graph. For
// each scene given, the mirror's first: a whole Start at slowdown 0, which ends before its click
// returns, then a live redraw (the pair or the detector moved), the graph drawn alone, as opening
// the panel draws it, and a new frequency's curves worked out beside the live redraw, each timed
// after the page has shown the one before. Frequencies 0.6 to 0.9 stay within every scene's reach,
// so that each is worked out anew. For the mirror, with a second frequency shown, a new second
// frequency works out its own curves and draws the graph alone, and a scraped segment works out
// both beside the live redraw.
async function explorePanel(page, samples, scenes) {
    const { runs, names } = await page.evaluate(async (samples, scenes) => {
        form.setText('nSpomaleni', '0');
        const runs = Array.from({ length: scenes }, () => ({ start: [], live: [], drawn: [], frequency: [], second: [], both: [] }));
        for (let run = 0; run < samples; ++run) {
            for (const [kind, scene] of runs.entries()) {
                form.openExplore(true);
                form.chooseScene(kind);
                await timed(scene.start, () => document.getElementById('cmdStart').click(), 10);
                await timed(scene.live, (k) => form.setDistance(k % 2), 10);
                form.openExplore(false);
                await timed(scene.drawn, () => form.openExplore(true));
                await timed(scene.frequency, (k) => form.setFrequency(0.6 + (k % 4) / 10), 4);
                if (kind > 0) continue;
                await timed(scene.second, () => form.setSecondFrequency(true, run % 2 ? 2 : 2.1));
                await timed(scene.both, () => form.switchSegment(12));
                form.setSecondFrequency(false, 2);
            }
        }
        form.chooseScene(0);
        form.setFrequency(1);
        form.openExplore(false);
        return { runs, names: [...document.getElementById('scene').options].map((option) => option.textContent) };
    }, samples, scenes ?? await page.$eval('#scene', (list) => list.options.length));
    return runs.map((scene, kind) => {
        const [start, live, drawn] = [median(scene.start), median(scene.live), median(scene.drawn)];
        return { name: names[kind], start, live, graph: median(scene.frequency) - live + drawn, second: median(scene.second), both: median(scene.both) - live + drawn };
    });
}

async function exploreRedraw(page) {
    const [{ start, live, graph, second, both }] = await explorePanel(page, 21, 1);
    console.log(`Anchor: one whole Start at slowdown 0 beside the explore panel: ${start.toFixed(2)} ms (median of 21)`);
    console.log(`One live redraw (the pair moved with the panel open: picture, brightness and graph): ${live.toFixed(2)} ms = ${(live / start).toFixed(2)} x the Start (goal 1.5 x)`);
    console.log(`The graph, 661 distances worked out and drawn: ${graph.toFixed(2)} ms (goal 4 ms)`);
    console.log(`The graph with two colours, a new second frequency worked out and three curves drawn: ${second.toFixed(2)} ms (goal 4 ms)`);
    console.log(`The graph with two colours, both frequencies worked out after a scrape, beside the live redraw: ${both.toFixed(2)} ms (goal 4 ms)`);
}

// Each scene in turn, the mirror's among them: its Start against the mirror's, its live redraw
// against its Start, and its graph.
async function scenes(page) {
    const measured = await explorePanel(page, 11);
    const anchor = measured[0].start;
    console.log(`Anchor: the mirror's whole Start at slowdown 0 beside the explore panel: ${anchor.toFixed(2)} ms (median of 11)`);
    for (const { name, start, live, graph } of measured) {
        console.log(`${name}: whole Start ${start.toFixed(2)} ms = ${(start / anchor).toFixed(2)} x the mirror's (goal 1.5 x); `
                    + `live redraw ${live.toFixed(2)} ms = ${(live / start).toFixed(2)} x its Start (goal 1.5 x); its graph ${graph.toFixed(2)} ms (goal 4 ms)`);
    }
}

async function pacing(page) {
    for (const slowdown of ['1', '20']) {
        const before = await page.metrics();
        const { pauses, wall } = await page.evaluate(async (slowdown) => {
            form.setText('nSpomaleni', slowdown);
            const times = [];
            const onPause = () => times.push(performance.now());
            document.addEventListener('quorvel:pause', onPause);
            const finished = new Promise((resolve) => document.addEventListener('quorvel:finished', resolve, { once: true }));
            const begun = performance.now();
            document.getElementById('cmdStart').click();
            await finished;
            document.removeEventListener('quorvel:pause', onPause);
            return { pauses: times.slice(1).map((time, k) => time - times[k]), wall: performance.now() - begun };
        }, slowdown);
        const after = await page.metrics();
        const nominal = 15 * Number(slowdown);
        console.log(`Pause at slowdown ${slowdown.padStart(2)}: median ${median(pauses).toFixed(2)} ms = ${(median(pauses) / nominal).toFixed(4)} x nominal ${nominal} ms`);
        const busy = (after.TaskDuration - before.TaskDuration) * 1000;
        console.log(`  the whole sweep: the page's main thread busy ${busy.toFixed(0)} ms of ${wall.toFixed(0)} ms wall time (${((100 * busy) / wall).toFixed(2)} %)`);
    }
}

// The explore panel's distance slider dragged to and fro as a hand drags it, a move every 16 ms
// for three seconds, the frames the page shows meanwhile counted, and its tasks of over 50 ms. The
// anchor: the frames a second of the same page, idle, just before.
async function drag(viewport) {
    onScreen(viewport);
    const { page } = await openPage(browser, server.url, viewport);
    await page.click('#explore');
    const frames = (work) => page.evaluate(() => {
        const counted = window.benchmarkCounted = { times: [], long: [] };
        counted.observer = new PerformanceObserver((list) => counted.long.push(...list.getEntries().map((entry) => entry.duration)));
        counted.observer.observe({ type: 'longtask' });
        const tick = (time) => {
            counted.times.push(time);
            counted.tick = requestAnimationFrame(tick);
        };
        counted.tick = requestAnimationFrame(tick);
    }).then(work).then(() => page.evaluate(() => {
        const { times, long, observer, tick } = window.benchmarkCounted;
        cancelAnimationFrame(tick);
        long.push(...observer.takeRecords().map((entry) => entry.duration));
        observer.disconnect();
        return { rate: (1000 * (times.length - 1)) / (times.at(-1) - times[0]), long };
    }));
    const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
    await pause(500);
    const idle = await frames(() => pause(3000));
    const slider = await (await page.$('#distance')).boundingBox();
    const y = slider.y + slider.height / 2;
    const dragged = await frames(async () => {
        await page.mouse.move(slider.x + slider.width / 2, y);
        await page.mouse.down();
        const begun = Date.now();
        for (let move = 1; Date.now() - begun < 3000; ++move) {
            // To and fro across the slider's middle half, a second each way.
            const along = Math.abs(((move * 16) % 2000) / 1000 - 1);
            await page.mouse.move(slider.x + slider.width * (0.25 + along / 2), y);
            await pause(begun + move * 16 - Date.now());
        }
    });
    // Let go, the pictures are drawn sharp again, once: timed from the release to the next frame.
    await page.evaluate(() => {
        window.benchmarkLetGo = new Promise((resolve) => addEventListener('pointerup', () => {
            const begun = performance.now();
            requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - begun)));
        }, { once: true, capture: true }));
    });
    await page.mouse.up();
    const sharpened = await page.evaluate(() => window.benchmarkLetGo);
    const sizes = await page.$eval('#picture', (canvas) => `${canvas.width} x ${canvas.height}`);
    await page.close();
    console.log(`Anchor: the page left alone with the panel open: ${idle.rate.toFixed(1)} frames a second`);
    console.log(`The distance dragged for 3 s: ${dragged.rate.toFixed(1)} frames a second = ${(dragged.rate / idle.rate).toFixed(2)} x the page alone, `
                + `${dragged.long.length} tasks over 50 ms (longest ${Math.max(0, ...dragged.long).toFixed(0)} ms); the canvas ${sizes} again within ${sharpened.toFixed(0)} ms of letting go`);
}

const sections = process.argv.slice(2);
const server = await servePage({ '/anchor.html': '<!DOCTYPE html><title>anchor</title>' });
const browser = await launchBrowser();
try {
    console.log(`Browser: ${await browser.version()}`);
    if (sections.length === 0) {
        await pageSize();
        await readiness();
        const page = await openTimed();
        await wholeStart(page);
        await exploreRedraw(page);
        await scenes(page);
        await pacing(page);
        onScreen(large);
        await readiness(large);
        await wholeStart(await openTimed(large));
    }
    if (sections.includes('scenes')) await scenes(await openTimed());
    if (sections.length === 0 || sections.includes('drag')) {
        await drag(common);
        await drag(large);
    }
} finally {
    await browser.close();
    await server.close();
}
