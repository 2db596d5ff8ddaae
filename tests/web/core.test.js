// One core: the drawing operations and label moves of one Start per setting, recorded inside the
// WebAssembly build in the browser, are the desktop build's, to the single-precision value drawn;
// and the page's window is laid out as the core's layout says, which the recorder prints too.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { clickOn, desktopBuild, pageUnderTest } from './support.js';

const quorvel = pageUnderTest();
const recorded = () => execFileSync(join(desktopBuild, 'tests/record/quorvel_record'), { encoding: 'utf8' }).trimEnd().split('\n');

test('the WebAssembly build records the very operations of the desktop build', async () => {
    const { page } = await quorvel.open();
    const inBrowser = await page.evaluate(() => new Promise((resolve, reject) => {
        const lines = [];
        window.Module = { print: (line) => lines.push(line), postRun: [() => resolve(lines)] };
        const script = document.createElement('script');
        script.src = '/record/quorvel_record.js';
        script.onerror = reject;
        document.head.append(script);
    }));
    const onDesktop = recorded();
    assert.equal(onDesktop.filter((line) => line.startsWith('start ')).length, 4);
    assert.ok(onDesktop.length > 4000, `${onDesktop.length} lines`);
    assert.deepEqual(inBrowser, onDesktop);
});

// Each shown control's box in the window's pixels, but an option's width and height and a label's
// height, which grow with their words; and each slider's range and page step, which a page key
// moves it by.
test('the page places its window\'s controls and sets its sliders as the core\'s layout says', async () => {
    const lines = recorded().map((line) => line.split(' '));
    const { page } = await quorvel.open();
    await clickOn(page, '#explore');
    const shown = await page.evaluate(() => {
        const form = document.getElementById('MainForm');
        const scale = form.getBoundingClientRect().width / form.offsetWidth;
        const boxOf = (element) => {
            const [outer, inner] = [element.offsetParent.getBoundingClientRect(), element.getBoundingClientRect()];
            return [inner.left - outer.left, inner.top - outer.top, inner.width, inner.height].map((value) => Math.round(value / scale));
        };
        const controls = [...form.querySelectorAll('button, input, .frame, .label')].filter((element) => element.checkVisibility());
        return { picture: [form.offsetWidth, form.offsetHeight], ...Object.fromEntries(controls.map((element) => [element.id, boxOf(element.labels?.[0] ?? element)])) };
    });
    const compared = { option: 2, label: 3 };
    const laidOut = { picture: lines.find(([kind]) => kind === 'picture').slice(1).map(Number) };
    for (const [, name, kind, ...box] of lines.filter(([kind]) => kind === 'control'))
        if (name in shown) laidOut[name] = box.slice(0, compared[kind]).map(Number);
    assert.deepEqual(Object.fromEntries(Object.entries(shown).map(([name, box]) => [name, box.slice(0, laidOut[name]?.length)])), laidOut);
    assert.equal(Object.keys(laidOut).length, 13, 'the picture and the controls shown before a Start');
    for (const [, name, minimum, maximum, step, pageStep] of lines.filter(([kind]) => kind === 'range')) {
        const slider = `#${name}`;
        assert.deepEqual(await page.$eval(slider, (element) => [element.min, element.max, element.step]), [minimum, maximum, step], name);
        await page.$eval(slider, (element) => { element.value = element.min; element.dispatchEvent(new Event('input')); });
        // The distance runs right to left, and the speed goes down as a scroll bar does: Down and
        // Page Down raise them, as on the desktop.
        const downRaises = await page.$eval(slider, (element) => element.dir === 'rtl' || element.id === 'HScroll1');
        await page.focus(slider);
        await page.keyboard.press(downRaises ? 'PageDown' : 'PageUp');
        await page.keyboard.press(downRaises ? 'ArrowDown' : 'ArrowUp');
        assert.equal(await page.$eval(slider, (element) => Number(element.value)), Number(minimum) + Number(pageStep) + Number(step), `${name} a page and a step up from its minimum`);
    }
});
