// The page's layout on any screen: the whole window scaled to fill the browser's window, up as well
// as down, with its proportions kept and centred, and the page's own controls beside it where the
// screen is wider than the window's proportions, below it where it is taller. The pictures are
// drawn at the device pixels they cover, again whenever those change. The Full screen button and
// the F key put the page on the whole screen and take it back.

const control = (id) => document.getElementById(id);
const root = document.documentElement;
const main = control('MainForm');
const area = control('exploreArea');
const panel = control('explorePanel');
const picture = control('picture');
const status = control('status');
const fullScreen = control('fullScreen');
const mirrored = control('mirrored');
// The loading line's place in the window, as the style sheet puts it before the window is fitted.
const [statusLeft, statusTop] = ['left', 'top'].map((side) => parseFloat(getComputedStyle(status)[side]));

// The window's size in its own pixels, its picture's, as the canvas has it before it is drawn
// sharp; and the width of the column beside it: the explore panel's.
const [formWidth, formHeight] = [picture.width, picture.height];
Object.assign(main.style, { width: `${formWidth}px`, height: `${formHeight}px` });
const column = parseFloat(getComputedStyle(root).getPropertyValue('--column'));

// The height of the row of the page's buttons below the window, as wide as the window is.
function rowBelow(width) {
    root.dataset.layout = 'below';
    area.style.width = `${width}px`;
    const shown = [...area.querySelectorAll(':scope > button, #mirrored')].filter((child) => child.getClientRects().length);
    return Math.max(0, ...shown.map((child) => child.offsetTop + child.offsetHeight + parseFloat(getComputedStyle(child).marginBottom)))
        + parseFloat(getComputedStyle(area).paddingBottom);
}

let pictures = [];

// The smallest type of the window, in its pixels: its options' captions; and the least that can
// be read, in CSS pixels.
const smallestType = 11;
const readableType = 8;

// The least font size the reader has set the browser to, in CSS pixels, or 0: text asked for at
// a pixel's size comes out that large.
function leastFontSize() {
    const probe = document.createElement('span');
    probe.textContent = 'MMMMMMMMMM';
    probe.style.cssText = 'position: absolute; visibility: hidden; white-space: nowrap; font-size: 1px';
    document.body.append(probe);
    const tiny = probe.getBoundingClientRect().width;
    probe.style.fontSize = '100px';
    const large = probe.getBoundingClientRect().width;
    probe.remove();
    return large > 0 ? Math.round(100 * tiny / large) : 0;
}

// A browser raises small type to the least font size before it scales the window, so that
// grown captions would cover their neighbours: where it would, the captioned controls are laid
// out as many times larger as their type needs, and shrunk back.
function enlargeType() {
    const times = Math.max(1, Math.ceil(leastFontSize() / smallestType));
    main.style.setProperty('--k', times);
    main.toggleAttribute('data-enlarged', times > 1);
}

// How many times larger than their own size the page's own controls are shown, with the panel:
// at their size beside a window as large as on a laptop's 1280 x 800 screen, the commonest; beside a
// larger one as many times larger as it is, so that on a projector they keep their size against the
// window; and only as tall as the screen, a little smaller than their size, to nine tenths, where
// the column beside the window is taller than the screen even so.
const plainUpTo = (1280 - column) / formWidth;
const grown = (scale, tallest) => Math.max(Math.min(1, Math.max(0.9, tallest)), Math.min(scale / plainUpTo, tallest));

// The column's height beside the window, in its own pixels.
function columnHeight() {
    root.dataset.layout = 'beside';
    area.style.width = `${column}px`;
    return area.offsetHeight;
}

// The scale puts a whole number of device pixels across the picture, and its corner on a device
// pixel's, so that the canvas's pixels are the screen's, one for one.
function fit(again = true) {
    const ratio = window.devicePixelRatio || 1;
    const [width, height] = [root.clientWidth, window.innerHeight];
    mirrored.hidden = smallestType * Math.min(width / formWidth, height / formHeight) >= readableType;
    // Beside, the window and its column grow together as far as the screen allows.
    const besideHeight = columnHeight();
    const besideGrown = grown(Math.min(width / (formWidth + column / plainUpTo), height / formHeight), height / besideHeight);
    const beside = Math.min((width - column * besideGrown) / formWidth, height / formHeight);
    // The row measured as wide as the window it ends up under.
    let below = Math.min(width / formWidth, height / formHeight);
    let belowGrown = 1;
    let rowHeight = 0;
    for (let pass = 0; pass < 2; ++pass) {
        belowGrown = grown(below, Infinity);
        rowHeight = belowGrown * rowBelow(formWidth * below / belowGrown);
        below = Math.min(width / formWidth, (height - rowHeight) / formHeight);
    }
    // An open panel is to be seen: below the window it needs its own height too, so where the
    // column beside shows the window larger than a window above the panel could be, it goes there,
    // unless the window would be narrower there than the column, as on a phone: the page scrolls.
    const belowWithPanel = panel.hidden ? below : Math.min(width / formWidth, (height - rowHeight - belowGrown * panel.offsetHeight) / formHeight);
    const side = beside > belowWithPanel && formWidth * beside >= column * besideGrown;
    const pixels = Math.max(1, Math.floor(formWidth * (side ? beside : below) * ratio));
    const scale = pixels / (formWidth * ratio);
    const areaScale = side ? besideGrown : belowGrown;
    const [shownWidth, shownHeight] = [formWidth * scale, formHeight * scale];
    const onDevice = (value) => Math.max(0, Math.round(value * ratio) / ratio);
    const left = onDevice((width - shownWidth - (side ? column * areaScale : 0)) / 2);
    // An open panel lifts the window as far as the panel needs, below it or beside it up to the
    // page's top; beyond, the page scrolls.
    const centred = (height - shownHeight - (side ? 0 : rowHeight)) / 2;
    const lifted = side ? Math.max(0, Math.min(centred, height - areaScale * besideHeight)) : Math.min(centred, height - shownHeight - areaScale * area.offsetHeight);
    const top = onDevice(panel.hidden ? centred : lifted);

    root.dataset.layout = side ? 'beside' : 'below';
    main.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    main.style.setProperty('--scale', scale);
    root.style.setProperty('--page-scale', areaScale);
    // The canvas as high as the device's whole rows of the picture, so that none is stretched.
    picture.style.height = `${Math.round(formHeight * scale * ratio) / (ratio * scale)}px`;
    Object.assign(area.style, side ? { left: `${left + shownWidth}px`, top: `${top}px`, width: `${column}px` }
                                   : { left: `${left}px`, top: `${top + shownHeight}px`, width: `${shownWidth / areaScale}px` });
    Object.assign(status.style, { left: `${left + statusLeft * scale}px`, top: `${top + statusTop * scale}px` });
    // Only an open panel may make the page scroll, below the window or, on a phone turned on its
    // side, beside it; its scroll bar, where it takes room, narrows the page once.
    root.style.overflowY = !panel.hidden && (!side || top + areaScale * area.offsetHeight > height + 1) ? 'auto' : 'hidden';
    sharpen();
    if (root.clientWidth !== width && again) fit(false);
}

// While a slider is dragged each picture is drawn at its own pixels, the window's, which
// the browser paints at a hand's pace on any screen; once it is let go, sharp again.
let drafting = false;

// Each picture's backing store as many pixels across as it covers on the screen, or while drafting
// no more than its own.
function sharpen() {
    const ratio = window.devicePixelRatio || 1;
    for (const { canvas, resize } of pictures) {
        const shown = Math.round(canvas.getBoundingClientRect().width * ratio);
        if (shown > 0) resize(drafting ? Math.min(shown, canvas.offsetWidth) : shown);
    }
}

// A drag begun or ended.
export function draft(on) {
    if (on === drafting) return;
    drafting = on;
    sharpen();
}

// A change of the device's pixel ratio (a zoom, another screen) fires once for the ratio it left.
function watchRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        fit();
        watchRatio();
    }, { once: true });
}

// A browser may refuse, as without a user's gesture; the page then stays as it is.
function toggleFullScreen() {
    (document.fullscreenElement ? document.exitFullscreen() : root.requestFullscreen()).catch(() => {});
}

// pictures: what draws on each canvas. Laid out from the start, while the page loads.
export function layOut(drawn) {
    pictures = drawn;
    enlargeType();
    fit();
    window.addEventListener('resize', () => fit());
    watchRatio();
    // The panel opening or closing, or its text growing, moves what follows it; a graph shown
    // needs its pixels. Laid out before the next frame, not within the observer's own round.
    let waiting = false;
    const observer = new ResizeObserver(() => {
        if (waiting) return;
        waiting = true;
        requestAnimationFrame(() => {
            waiting = false;
            fit();
        });
    });
    observer.observe(area);
    observer.observe(control('graph'));
    // Where the browser tells of a new pixel ratio only by the pixels a box covers.
    try {
        observer.observe(picture, { box: 'device-pixel-content-box' });
    } catch {
        observer.observe(picture);
    }
}

// Once the window shows its captions: its buttons and options once more, in the page's type, each
// pressing the window's own, a frame's caption with its options. Screen readers and the keyboard
// have the window's.
export function wireMirrored() {
    for (const group of [['cmdStart', 'cmdKonec'], ['frmPosunCaption', 'op0', 'op250'], ['frmKmitocetCaption', 'op1', 'op2']]) {
        const row = mirrored.appendChild(document.createElement('span'));
        for (const id of group) {
            const original = control(id);
            const copy = row.appendChild(document.createElement(original.type ? 'button' : 'strong'));
            copy.textContent = (original.labels?.[0] ?? original).textContent.trim();
            copy.dataset.for = id;
            copy.tabIndex = -1;
            copy.addEventListener('click', () => original.click());
        }
    }
}

// Once the page takes input.
export function wireFullScreen() {
    fullScreen.hidden = !document.fullscreenEnabled;
    fullScreen.addEventListener('click', toggleFullScreen);
    document.addEventListener('fullscreenchange', () => fullScreen.setAttribute('aria-pressed', String(document.fullscreenElement !== null)));
    // F, unless it is being typed into a field.
    document.addEventListener('keydown', (event) => {
        if (event.key.toLowerCase() !== 'f' || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey || event.repeat || event.defaultPrevented) return;
        if (event.target.matches?.('input[type=text], input[type=number], input:not([type]), textarea, [contenteditable]')) return;
        event.preventDefault();
        toggleFullScreen();
    });
}
