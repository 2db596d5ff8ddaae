// The page as a keyboard and a screen reader meet it: Start has the focus, Tab walks the
// controls in the desktop's order, Space and Enter press Start, and every control on show is
// announced by its caption.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { pageUnderTest, runsFinished } from './support.js';

const quorvel = pageUnderTest();

// The controls that Tab, pressed again and again, gives focus to.
async function tabWalk(page, presses) {
    const reached = [];
    for (let i = 0; i < presses; ++i) {
        await page.keyboard.press('Tab');
        reached.push(await page.evaluate(() => document.activeElement.id));
    }
    return reached;
}

test('Tab and Shift+Tab walk the controls in the order of the desktop', async () => {
    const { page, problems } = await quorvel.open();
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdStart');
    assert.deepEqual(await tabWalk(page, 4), ['op0', 'cmdKonec', 'op1', 'HScroll1']);
    await page.keyboard.down('Shift');
    assert.deepEqual(await tabWalk(page, 4), ['op1', 'cmdKonec', 'op0', 'cmdStart']);
    await page.keyboard.up('Shift');
    assert.deepEqual(problems, []);
});

// The accessibility tree as the browser hands it to a screen reader, after Starts, when every
// label is on show.
test('Space and Enter on Start each run Start, and every control on show is announced by its caption and role', async () => {
    const { page, problems } = await quorvel.open();
    for (const key of ['Space', 'Enter']) {
        const finished = runsFinished(page);
        await page.focus('#cmdStart');
        await page.keyboard.press(key);
        await finished;
    }
    const announced = [];
    const walk = (node) => {
        if (node.name && node.role !== 'RootWebArea') announced.push(`${node.role}: ${node.name}`);
        for (const child of node.children ?? []) walk(child);
    };
    walk(await page.accessibility.snapshot({ interestingOnly: false }));
    for (const expected of ['button: Start', 'button: Exit', 'radiogroup: Distance', 'radio: 0', 'radio: 250', 'radiogroup: Frequency', 'radio: 1',
                            'radio: 2', 'slider: Animation speed', 'StaticText: Difraction on mirror', 'StaticText: Distance from middle of the mirror',
                            'StaticText: Please press button Start', 'StaticText: Photon vectors after reaching the detector', 'StaticText: Time (length)',
                            'StaticText: Source', 'StaticText: Detector', 'StaticText: Cornu spiral and sum vector'])
        assert.ok(announced.includes(expected), `${expected} in ${announced.join(' | ')}`);
    assert.equal(await page.title(), 'Quorvel - https://quorvel.example/');
    assert.deepEqual(problems, []);
});
