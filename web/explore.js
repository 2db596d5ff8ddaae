// The explore panel's controls, turned into the model's input; the model shows its state in them
// again after each, as it does in the window's. The core sets the sliders' ranges and page steps,
// the scene choice's list and the number of the segment strip's switches.

import { pageWord } from './language.js';
import { draft } from './fit.js';

const control = (id) => document.getElementById(id);
const toggle = control('explore');
const segments = control('segments');
const picture = control('picture');
const graph = control('graph');

// Once the core is there, before anything may open the panel: a switch for each segment.
export function makeSegmentSwitches() {
    for (let k = 1; k <= Number(segments.dataset.count); ++k) {
        const segment = segments.appendChild(document.createElement('button'));
        segment.type = 'button';
        segment.setAttribute('role', 'switch');
        segment.setAttribute('aria-label', pageWord('segment %1 of 30', k));
    }
}

// Where the strip scrolls, as on a phone, a fade at an end says more switches lie beyond it.
function markHiddenEnds() {
    const beyond = segments.scrollWidth - segments.clientWidth;
    segments.dataset.more = [segments.scrollLeft > 1 ? 'start' : '', segments.scrollLeft < beyond - 1 ? 'end' : ''].join(' ').trim();
}

// Where a click landed on an element, in its own pixels, however the page scales it.
function pixelsOf(event, element) {
    const box = element.getBoundingClientRect();
    return [(event.clientX - box.left) * element.offsetWidth / box.width, (event.clientY - box.top) * element.offsetHeight / box.height];
}

// A slider sends its value as it moves; Page Up and Page Down move it by its page step, which
// browsers would make a tenth of its range. On a slider that runs right to left, as the distance
// does, Up and Page Up move it the way Right does, as on the desktop.
const keySigns = { PageUp: 1, PageDown: -1, ArrowUp: 1, ArrowDown: -1 };

function wireSlider(name, send) {
    const slider = control(name);
    slider.addEventListener('input', () => send(Number(slider.value)));
    slider.addEventListener('keydown', (event) => {
        const sign = keySigns[event.key];
        const paged = event.key.startsWith('Page');
        if (!sign || (!paged && slider.dir !== 'rtl') || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        const step = Number(paged ? slider.dataset.pageStep : slider.step);
        slider.value = String(Number(slider.value) + (slider.dir === 'rtl' ? -sign : sign) * step);
        send(Number(slider.value));
    });
    // Dragged, it moves the pair many times a second: the pictures are drawn coarser until let go.
    slider.addEventListener('pointerdown', () => draft(true));
}

// A closed list takes Page Up and Page Down as Up and Down, one item, as the desktop's lists do;
// browsers would jump to its ends.
function wireList(name, send) {
    const list = control(name);
    list.addEventListener('change', () => send(list));
    list.addEventListener('keydown', (event) => {
        const by = { PageUp: -1, PageDown: 1 }[event.key];
        if (!by || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        const index = Math.min(Math.max(list.selectedIndex + by, 0), list.options.length - 1);
        if (index === list.selectedIndex) return;
        list.selectedIndex = index;
        send(list);
    });
}

// The decimal separator of the page's language, which its number boxes take besides the point.
const decimalSeparator = () => new Intl.NumberFormat(document.documentElement.lang).formatToParts(0.5).find((part) => part.type === 'decimal').value;

const numberBoxes = { distance: control('distanceNumber'), frequency: control('frequencyNumber'), second: control('secondFrequency') };

// A number typed is handed to the core once it is changed, on Enter or when the focus leaves; the
// box then shows the value in use. Typing again takes a refusal off, and so does Enter before the
// change, if any, is read, so that a box left as the refusal put it, the value in use, refuses nothing.
function wireNumberBoxes(form) {
    for (const [name, box] of Object.entries(numberBoxes)) {
        box.addEventListener('change', () => form.typeNumber(name, box.value, decimalSeparator()));
        box.addEventListener('input', () => form.clearRefusal());
        box.addEventListener('keydown', (event) => event.key === 'Enter' && form.clearRefusal());
    }
}

// The strip's keys move its keyboard along it as a slider's move its value, Up to the right as on
// the desktop; Home and End go to its ends, as far as it reaches.
const steps = (key) => {
    const page = Number(segments.dataset.pageStep);
    const all = segments.children.length;
    return { ArrowLeft: -1, ArrowDown: -1, ArrowRight: 1, ArrowUp: 1, PageDown: -page, PageUp: page, Home: -all, End: all }[key];
};

export function wireExplore(form) {
    toggle.addEventListener('click', () => form.toggleExplore());
    control('exploreClose').addEventListener('click', () => {
        form.openExplore(false);
        toggle.focus();
    });
    [...segments.children].forEach((segment, k) => segment.addEventListener('click', () => form.switchSegment(k)));
    segments.addEventListener('scroll', markHiddenEnds);
    new ResizeObserver(markHiddenEnds).observe(segments);
    segments.addEventListener('keydown', (event) => {
        const by = steps(event.key);
        if (!by || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        form.moveSegmentCursor(by);
        segments.querySelector('[tabindex="0"]').focus();
    });
    for (const preset of control('presets').children) preset.addEventListener('click', () => form.choosePreset(preset.dataset.preset));
    wireList('scene', (list) => form.chooseScene(list.selectedIndex));
    wireList('measure', (list) => form.chooseMeasure(list.value));
    control('endsOffer').addEventListener('click', () => form.takeEndsOffer());
    wireSlider('distance', (pixels) => form.setDistance(pixels));
    wireSlider('frequency', (frequency) => form.setFrequency(frequency));
    wireSlider('gap', (points) => form.setGap(points));
    wireNumberBoxes(form);
    const secondShown = control('secondShown');
    secondShown.addEventListener('change', () => form.setSecondFrequency(secondShown.checked, NaN));
    // The model switches a segment under the click only while the panel is open.
    picture.addEventListener('click', (event) => form.clickPicture(...pixelsOf(event, picture)));
    graph.addEventListener('click', (event) => form.clickGraph(pixelsOf(event, graph)[0]));
    for (const end of ['pointerup', 'pointercancel']) document.addEventListener(end, () => draft(false));
    control('exploreArea').inert = false;
}
