// The explore panel's controls, turned into the model's input; the model shows its state in them
// again after each, as it does in the window's. Importing this module makes the segment strip's
// switches, so that they are there when the model first shows its state.

import { pageWord } from './language.js';
import { draft } from './fit.js';

const control = (id) => document.getElementById(id);
const toggle = control('explore');
const segments = control('segments');
const picture = control('picture');
const graph = control('graph');

for (let k = 1; k <= 30; ++k) {
    const segment = document.createElement('button');
    segment.type = 'button';
    segment.setAttribute('role', 'switch');
    segments.append(segment);
}

// Where a click landed on an element, in its own pixels, however the page scales it.
function pixelsOf(event, element) {
    const box = element.getBoundingClientRect();
    return [(event.clientX - box.left) * element.offsetWidth / box.width, (event.clientY - box.top) * element.offsetHeight / box.height];
}

// A slider sends its value as it moves; its number box once it is changed, and a box left with
// no number shows the slider's value again.
function wireSetting(name, send) {
    const slider = control(name);
    const box = control(`${name}Number`);
    slider.addEventListener('input', () => send(Number(slider.value)));
    // Dragged, it moves the pair many times a second: the pictures are drawn coarser until let go.
    slider.addEventListener('pointerdown', () => draft(true));
    box.addEventListener('change', () => {
        if (box.value !== '' && Number.isFinite(Number(box.value))) send(Number(box.value));
        box.value = slider.value;
    });
}

// The strip's keys move its keyboard along it; Home and End go to its ends, as far as it reaches.
const steps = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1, Home: -30, End: 30 };

export function wireExplore(form) {
    [...segments.children].forEach((segment, k) => segment.setAttribute('aria-label', pageWord('segment %1 of 30', k + 1)));
    toggle.addEventListener('click', () => form.openExplore(toggle.getAttribute('aria-expanded') !== 'true'));
    control('exploreClose').addEventListener('click', () => {
        form.openExplore(false);
        toggle.focus();
    });
    [...segments.children].forEach((segment, k) => segment.addEventListener('click', () => form.switchSegment(k)));
    segments.addEventListener('keydown', (event) => {
        const by = steps[event.key];
        if (!by || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        form.moveSegmentCursor(by);
        segments.querySelector('[tabindex="0"]').focus();
    });
    for (const preset of control('presets').children) preset.addEventListener('click', () => form.choosePreset(preset.dataset.preset));
    control('measure').addEventListener('change', (event) => form.chooseMeasure(event.target.value));
    control('endsOffer').addEventListener('click', () => form.takeEndsOffer());
    wireSetting('distance', (pixels) => form.setDistance(pixels));
    wireSetting('frequency', (frequency) => form.setFrequency(frequency));
    const [secondShown, second] = [control('secondShown'), control('secondFrequency')];
    const setSecond = () => form.setSecondFrequency(secondShown.checked, second.value === '' ? NaN : Number(second.value));
    secondShown.addEventListener('change', setSecond);
    second.addEventListener('change', setSecond);
    // The model switches a segment under the click only while the panel is open.
    picture.addEventListener('click', (event) => form.clickPicture(...pixelsOf(event, picture)));
    graph.addEventListener('click', (event) => form.clickGraph(pixelsOf(event, graph)[0]));
    for (const end of ['pointerup', 'pointercancel']) document.addEventListener(end, () => draft(false));
    control('exploreArea').inert = false;
}
