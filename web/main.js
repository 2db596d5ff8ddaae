// Starts the page: the module with the window's model, drawing on the page's picture, and the
// page's input handed to the model, which shows its state in the controls again after each. The
// page is ready for Start when the body carries data-ready, at the performance mark "ready".

import createQuorvel from './quorvel.js';
import { createPicture } from './picture.js';
import { makeSegmentSwitches, wireExplore } from './explore.js';
import { layOut, wireFullScreen, wireMirrored } from './fit.js';
import { wireHelp } from './help.js';
import { wireSave } from './save.js';
import { wireLink } from './link.js';
import { chooseLanguage, loadLanguage, pageWord } from './language.js';

const control = (id) => document.getElementById(id);
const main = control('MainForm');
const language = chooseLanguage(new URLSearchParams(location.search).get('lang'), navigator.languages ?? []);
// Fetched while the module loads.
const catalogue = loadLanguage(language).catch(() => ({}));
catalogue.then(() => {
    const status = control('status');
    if (status.textContent === 'Quorvel is loading…') status.textContent = pageWord('Quorvel is loading…');
});
const speed = control('HScroll1');

// The window fills the browser's window from the start; fit.js lays it out.
const pictures = [createPicture(control('picture')), createPicture(control('graph'), { joinLines: true })];
layOut(pictures);

async function load() {
    try {
        const module = await createQuorvel({ canvases: pictures });
        // The core speaks the language before the form shows anything, and writes the page's words
        // in it, English too.
        if (language !== 'en') module.installCatalogue(await catalogue);
        module.showPageTexts();
        return new module.PageForm();
    } catch (error) {
        control('status').textContent = pageWord('Quorvel could not start: %1', error.message);
        throw error;
    }
}

export const form = await load();
makeSegmentSwitches();
// The link's settings are set before anything can be pressed.
form.followAddress();

for (const button of main.querySelectorAll('button')) button.addEventListener('click', () => form.press(button.id));
// A click, not a change: during a run the option shown selected is the one the run uses, and a
// click on it is a choice the run must not swallow.
for (const option of main.querySelectorAll('input[type=radio]')) option.addEventListener('click', () => form.choose(option.id));

// The speed control's keys step it as the desktop's scroll bar's do, by its range and page step,
// which the core sets: Right, and Down and Page Down as a scroll bar goes down, towards 20.
const page = Number(speed.dataset.pageStep);
const keys = { ArrowLeft: ['by', -1], ArrowUp: ['by', -1], PageUp: ['by', -page], ArrowRight: ['by', 1], ArrowDown: ['by', 1], PageDown: ['by', page],
               Home: ['to', Number(speed.min)], End: ['to', Number(speed.max)] };
speed.addEventListener('keydown', (event) => {
    const move = keys[event.key];
    if (!move || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    form.moveSpeed(...move);
});
// A click or a drag puts it where it lands, as does a screen reader that sets its value.
speed.addEventListener('input', () => form.moveSpeed('to', Number(speed.value)));
// A notch of a mouse wheel is one step, however far a browser would scroll for it; a touchpad's
// small movements add up to steps. Down and right go towards 20, as on the desktop.
let travel = 0;
speed.addEventListener('wheel', (event) => {
    event.preventDefault();
    const delta = (Math.abs(event.deltaX) > Math.abs(event.deltaY) ? event.deltaX : event.deltaY) * [1, 16, 400][event.deltaMode];
    travel = Math.sign(travel) === -Math.sign(delta) ? delta : travel + delta;
    if (Math.abs(travel) < 40) return;
    form.moveSpeed('by', Math.sign(travel) * Math.max(1, Math.round(Math.abs(travel) / 100)));
    travel = 0;
}, { passive: false });

// Stop, or Escape outside the keys' dialog, ends a run at once and drops what waits behind it.
// Stop is disabled once the run has ended, so the focus goes on to Start, where it is of use.
control('stopRun').addEventListener('click', () => {
    form.stopRun();
    control('cmdStart').focus();
});
document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && !event.defaultPrevented && !event.target.closest?.('dialog')) form.stopRun();
});

wireExplore(form);
wireHelp(form);
wireSave(form);
wireLink(form);
// A run waits while the page cannot be seen, as in a tab behind another, and goes on once it can.
const seen = () => form.setSeen(document.visibilityState === 'visible');
document.addEventListener('visibilitychange', seen);
seen();

wireFullScreen();
wireMirrored();
main.inert = false;
control('status').hidden = true;
control('cmdStart').focus();
document.body.dataset.ready = 'true';
performance.mark('ready');

// Only once the page is ready, so that keeping its files for use with no network does not slow its
// start. Browsers have no service workers for files opened from disk or served insecurely, and the
// page runs as well without one.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('offline.js').catch(() => {});
