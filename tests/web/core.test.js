// One core: the drawing operations and label moves of one Start per setting, recorded inside the
// WebAssembly build in the browser, are the desktop build's, to the single-precision value drawn.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { desktopBuild, pageUnderTest } from './support.js';

const quorvel = pageUnderTest();

test('the WebAssembly build records the very operations of the desktop build', async () => {
    const { page, problems } = await quorvel.open();
    const inBrowser = await page.evaluate(() => new Promise((resolve, reject) => {
        const lines = [];
        window.Module = { print: (line) => lines.push(line), postRun: [() => resolve(lines)] };
        const script = document.createElement('script');
        script.src = '/record/quorvel_record.js';
        script.onerror = reject;
        document.head.append(script);
    }));
    const onDesktop = execFileSync(join(desktopBuild, 'tests/record/quorvel_record'), { encoding: 'utf8' }).trimEnd().split('\n');
    assert.equal(onDesktop.filter((line) => line.startsWith('start ')).length, 4);
    assert.ok(onDesktop.length > 4000, `${onDesktop.length} lines`);
    assert.deepEqual(inBrowser, onDesktop);
    assert.deepEqual(problems, []);
});
