// The page as an installed application: its manifest and icons, and its files kept by the offline
// worker, so that once opened it opens and runs again with no network, at the root of a server or
// in a folder below it, and a new build's files take the place of the old.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { browsers, darkGrey, green, hasColourNear, launchBrowser, openPage, pageFolder, servePage, startRun, workedSettings } from './support.js';

const source = (path) => new URL(`../../${path}`, import.meta.url).pathname;
const version = readFileSync(source('CMakeLists.txt'), 'utf8').match(/project\(Quorvel VERSION ([\d.]+)/)[1];
const cacheNameForm = new RegExp(`^quorvel-${version.replaceAll('.', '\\.')}-[0-9a-f]{16}$`);
// The name a browser keeps a build's files under: the build's, and the page's folder.
const keptName = (built, folder) => `${built} ${folder}`;

// Every file under a folder, as paths relative to it.
const filesUnder = (folder) => readdirSync(folder, { recursive: true }).filter((file) => statSync(join(folder, file)).isFile()).sort();

// The offline worker written for a page folder as the build writes it, unshortened; returns the
// cache name it carries.
function writeWorker(folder, output = join(folder, 'offline.js')) {
    execFileSync('cmake', [`-DPAGE_FOLDER=${folder}`, `-DSOURCE=${source('web/offline.js')}`, `-DOUTPUT=${output}`, `-DVERSION=${version}`,
                           '-DWORKER=offline.js', '-P', source('web/WriteOfflineWorker.cmake')]);
    return readFileSync(output, 'utf8').match(/'(quorvel-[^']*)'/)[1];
}

// Once the page has been opened, the worker keeps its files and answers the page's requests. A
// page in a folder below another build's is first answered by that build's worker, so wait for
// the worker of the page's own folder.
async function offlineReady(page) {
    await page.waitForFunction(async () => {
        const own = await navigator.serviceWorker.getRegistration();
        return own?.scope === new URL('./', location.href).href && own.active?.state === 'activated'
            && navigator.serviceWorker.controller?.state === 'activated';
    });
    return page.evaluate(async () => Promise.all((await caches.keys()).map(async (name) => ({
        name, files: (await (await caches.open(name)).keys()).map((request) => request.url).sort(),
    }))));
}

test('the manifest names the application, its colours and its icons, by addresses relative to the page', () => {
    const { short_name: shortName, description, icons, ...manifest } = JSON.parse(readFileSync(join(pageFolder, 'manifest.webmanifest'), 'utf8'));
    const windowGrey = readFileSync(join(pageFolder, 'style.css'), 'utf8').match(/--window:\s*(#[0-9a-f]{6})/i)[1].toLowerCase();
    assert.deepEqual(manifest, { name: 'Quorvel', lang: 'en', start_url: './', scope: './', display: 'standalone', background_color: windowGrey, theme_color: windowGrey });
    assert.ok(shortName && shortName.length <= 12, shortName);
    assert.match(description, /^[A-Z][^@]+$/, 'the project\'s description, filled in');

    assert.deepEqual(icons.map((icon) => [icon.sizes, icon.type]).sort(), [['192x192', 'image/png'], ['512x512', 'image/png'], ['any', 'image/svg+xml']]);
    for (const icon of icons) {
        assert.doesNotMatch(icon.src, /^\/|:/, `${icon.src} is relative`);
        const bytes = readFileSync(join(pageFolder, icon.src));
        // A PNG's header gives its width and height.
        if (icon.type === 'image/png') assert.equal(`${bytes.toString('latin1', 1, 4)} ${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`, `PNG ${icon.sizes}`, icon.src);
        else assert.match(bytes.toString(), /<svg[^>]*viewBox/, icon.src);
        // The page's files are downloaded at a first visit, the icons with them.
        assert.ok(bytes.length < 40 * 1024, `${icon.src} is small`);
    }
});

test('the page\'s files stay small with the application\'s', () => {
    const total = filesUnder(pageFolder).reduce((sum, file) => sum + readFileSync(join(pageFolder, file)).length, 0);
    // 258.7 KiB with the explore panel's lessons, true words and graph; 265.3 KiB with the scenes
    // beyond the mirror and their words, the five languages' catalogues gzipped to 22 KiB.
    assert.ok(total < 300 * 1024, `${(total / 1024).toFixed(1)} KiB`);
});

for (const browserName of browsers) describe(browserName, () => {
    // The page served under a path, or from a copy of its folder that the test changes as a new
    // build would, and opened in a browser of its own, whose offline worker no other test shares.
    async function served({ under = '/', copy = false }, work) {
        const folder = copy ? mkdtempSync(join(tmpdir(), 'quorvel-page-')) : pageFolder;
        if (copy) cpSync(pageFolder, folder, { recursive: true });
        const server = await servePage({}, { folder, under });
        const browser = await launchBrowser(browserName);
        try {
            const { page, problems } = await openPage(browser, server.url);
            await work(page, server, folder);
            assert.deepEqual(problems, []);
        } finally {
            await browser.close();
            await server.close();
            if (copy) rmSync(folder, { recursive: true, force: true });
        }
    }

    // With the server gone, the page opens again at the address, or reloads where none is given,
    // and a Start at the first worked setting draws its picture.
    async function drawsOffline(page, server, address) {
        await server.close();
        if (browserName === 'chromium') await page.setOfflineMode(true);
        await (address ? page.goto(address) : page.reload());
        await page.waitForSelector('body[data-ready]');
        await startRun(page);
        const { sumVector, marker } = workedSettings[0].checkPixels;
        assert.ok(await hasColourNear(page, ...sumVector, green), 'sum vector');
        assert.ok(await hasColourNear(page, ...marker, darkGrey), 'least-time marker');
    }

    // What a browser shows of the application, in chromium, which tells it.
    if (browserName === 'chromium')
        test('the browser reads the manifest without a fault and can install the page', () => served({ under: '/apps/quorvel/' }, async (page, server) => {
            await offlineReady(page);
            const session = await page.createCDPSession();
            const { url, errors } = await session.send('Page.getAppManifest');
            const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
            assert.deepEqual([url, errors, installabilityErrors], [`${server.url}manifest.webmanifest`, [], []]);
        }));

    for (const under of ['/', '/some/sub/path/']) {
        test(`served at ${under}, the page opens again and runs with the server gone`, () => served({ under }, async (page, server) => {
            const kept = await offlineReady(page);
            const built = kept[0].name.split(' ')[0];
            assert.match(built, cacheNameForm);
            const files = filesUnder(pageFolder).filter((file) => file !== 'offline.js').map((file) => server.url + file);
            assert.deepEqual(kept, [{ name: keptName(built, server.url), files }], 'one cache, of every file of the page but the worker');

            const fromNetwork = [];
            page.on('requestfinished', (request) => {
                if (browserName === 'chromium' && !request.response()?.fromServiceWorker()) fromNetwork.push(request.url());
            });
            page.on('requestfailed', (request) => fromNetwork.push(`failed: ${request.url()}`));
            await drawsOffline(page, server);
            assert.deepEqual(fromNetwork, []);
        }));
    }

    const rebuild = (folder, mark) => writeFileSync(join(folder, 'style.css'), `${readFileSync(join(folder, 'style.css'), 'utf8')}\n/* ${mark} */\n`);

    test('two builds served from two folders of one server each keep their own files', () => served({ copy: true }, async (page, server, folder) => {
        cpSync(pageFolder, join(folder, 'next'), { recursive: true });
        rebuild(join(folder, 'next'), 'next');
        writeWorker(join(folder, 'next'));
        await offlineReady(page);
        await page.goto(`${server.url}next/`);
        await page.waitForSelector('body[data-ready]');
        const kept = await offlineReady(page);
        assert.deepEqual(kept.map((cache) => cache.name.split(' ')[1]).sort(), [server.url, `${server.url}next/`]);
        await drawsOffline(page, server, server.url);
    }));

    test('a new build\'s worker keeps the new files and drops the old', () => served({ copy: true }, async (page, server, folder) => {
        const [old] = await offlineReady(page);
        const built = `${folder}-worker.js`;
        assert.equal(old.name, keptName(writeWorker(folder, built), server.url), 'the built worker carries the name of the page as the build left it');
        rmSync(built);

        rebuild(folder, 'rebuilt');
        mkdirSync(join(folder, 'more'));
        writeFileSync(join(folder, 'more', 'words.json'), '{}');
        const rebuilt = writeWorker(folder);
        assert.match(rebuilt, cacheNameForm);
        assert.notEqual(rebuilt, old.name);

        await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
        // Until then the old cache stays beside the new one, which the worker fills as it installs.
        await page.waitForFunction(async (rebuilt) => (await caches.keys()).join() === rebuilt, {}, keptName(rebuilt, server.url));
        const style = await page.evaluate(async () => (await (await caches.match('style.css')).text()));
        assert.ok(style.endsWith('/* rebuilt */\n'), 'the new style');
        assert.equal(await page.evaluate(async () => (await (await caches.match('more/words.json')).text())), '{}', 'a file in a folder of its own');
    }));
});
