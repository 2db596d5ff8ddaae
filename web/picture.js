// A picture of the page, the window's or the explore panel's graph: a canvas whose backing store
// holds as many pixels as it covers on the screen, and the drawing functions the module draws
// with, words for the graph's axes among them. A coordinate names a pixel of the picture, as on
// the desktop, and a colour is 0xRRGGBB.
// Lines along the pixel rows and columns and filled rectangles are drawn on whole device pixels,
// as the desktop draws them, so that drawing one again changes nothing, at any scale.
//
// What has been drawn is kept, so that the picture can be drawn again, sharp, when the screen's
// pixels under it change: a zoom, another screen, a new size of the page. An opaque fill drops
// what it covers wholly, so that the list holds about one run's drawing.

const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');

// The device pixels from the edge of a picture's pixel to the edge of another k pixels further.
const device = (value, scale) => Math.round(value * scale);

// The extent of a row or column line of the given pen width across its pixel: centred on the
// pixel for an odd width, on its edge for an even one.
const across = (value, width) => Math.floor(value) + (width % 2 ? 0.5 : 0) - width / 2;

// A graph's curve is hundreds of short lines, one after another, which one path draws in a
// fraction of the time of a stroke each; the window's picture keeps a stroke a line, as the
// desktop draws it, for its pixels to stay the desktop's where two lines meet.
export function createPicture(canvas, { joinLines = false } = {}) {
    const width = canvas.width;
    const height = canvas.height;
    const context = canvas.getContext('2d');
    // Device pixels to a pixel of the picture. Every coordinate is worked out in device pixels, so
    // the context keeps no transform to switch on and off between lines.
    let scale = 1;
    let drawn = [];
    const sans = getComputedStyle(document.documentElement).getPropertyValue('--sans').trim() || 'sans-serif';
    // Setting the context's font parses it, so it is set only when it changes.
    let font = '';
    const useFont = (pixels) => {
        const wanted = `${pixels}px ${sans}`;
        if (wanted !== font) context.font = font = wanted;
    };

    // The context parses what it is given, so its pen is set only where it changes: a curve of the
    // graph is hundreds of short strokes of one pen.
    let pen = [];
    const stroke = (outline, penWidth, cap) => {
        if (pen[0] !== outline || pen[1] !== penWidth || pen[2] !== cap) {
            pen = [outline, penWidth, cap];
            context.lineWidth = penWidth;
            context.lineCap = cap;
            context.strokeStyle = css(outline);
        }
        context.stroke();
    };

    // The slanted line that ends where the next may go on, while its path is left open.
    let open = null;
    const finish = () => {
        if (open) stroke(open.outline, open.penWidth * scale, 'round');
        open = null;
    };
    const goesOn = (x, y, outline, penWidth) => open && open.x === x && open.y === y && open.outline === outline && open.penWidth === penWidth;

    const draw = {
        line(x1, y1, x2, y2, outline, penWidth) {
            if (joinLines && x1 !== x2 && y1 !== y2) {
                if (!goesOn(x1, y1, outline, penWidth)) {
                    finish();
                    context.beginPath();
                    context.moveTo((x1 + 0.5) * scale, (y1 + 0.5) * scale);
                    queueMicrotask(finish);
                }
                context.lineTo((x2 + 0.5) * scale, (y2 + 0.5) * scale);
                open = { x: x2, y: y2, outline, penWidth };
                return;
            }
            finish();
            context.beginPath();
            if (x1 === x2 || y1 === y2) {
                // Drawn in device pixels, a whole number of them wide, wherever the scale puts it.
                const pen = Math.max(1, device(penWidth, scale));
                const at = (value) => device(across(value, penWidth), scale) + pen / 2;
                context.moveTo(at(x1), at(y1));
                context.lineTo(at(x2), at(y2));
                stroke(outline, pen, 'square');
            } else {
                context.moveTo((x1 + 0.5) * scale, (y1 + 0.5) * scale);
                context.lineTo((x2 + 0.5) * scale, (y2 + 0.5) * scale);
                stroke(outline, penWidth * scale, 'round');
            }
        },
        // A fill of -1 leaves the circle's inside as it is.
        circle(x, y, radius, outline, penWidth, fill) {
            finish();
            context.beginPath();
            context.arc((x + 0.5) * scale, (y + 0.5) * scale, Math.abs(radius) * scale, 0, 2 * Math.PI);
            if (fill >= 0) {
                context.fillStyle = css(fill);
                context.fill();
            }
            stroke(outline, penWidth * scale, 'round');
        },
        // Words in the page's sans face, their baseline at y; anchor is start, center or end.
        text(x, y, words, anchor, size, colour) {
            finish();
            useFont(size * scale);
            context.textAlign = anchor;
            context.fillStyle = css(colour);
            context.fillText(words, x * scale, y * scale);
        },
        fillRect(left, top, across, down, colour) {
            finish();
            const [x, y] = [device(left, scale), device(top, scale)];
            context.fillStyle = css(colour);
            context.fillRect(x, y, device(left + across, scale) - x, device(top + down, scale) - y);
        },
    };

    // Measuring words lays them out; the graph writes the same few again at every redraw.
    const widths = new Map();
    const textWidth = (words, size) => {
        const key = `${size * scale} ${words}`;
        if (!widths.has(key)) {
            useFont(size * scale);
            widths.set(key, context.measureText(words).width / scale);
        }
        return widths.get(key);
    };

    // The pixels a drawing can touch, with a pixel to spare for its edges' smoothing.
    const reach = (kind, args) => {
        if (kind === 'fillRect') return [args[0], args[1], args[0] + args[2], args[1] + args[3]];
        if (kind === 'text') {
            // Within the picture, so that the paper drawn over it drops it.
            const across = textWidth(args[2], args[4]);
            const left = args[0] - (args[3] === 'end' ? across : args[3] === 'center' ? across / 2 : 0);
            return [Math.max(0, left - 1), Math.max(0, args[1] - args[4]), Math.min(width, left + across + 1), Math.min(height, args[1] + args[4] / 3)];
        }
        if (kind === 'circle') {
            const margin = Math.abs(args[2]) + args[4] + 2;
            return [args[0] - margin, args[1] - margin, args[0] + margin, args[1] + margin];
        }
        const margin = args[5] + 2;
        return [Math.min(args[0], args[2]) - margin, Math.min(args[1], args[3]) - margin, Math.max(args[0], args[2]) + margin, Math.max(args[1], args[3]) + margin];
    };

    const record = (kind) => (...args) => {
        if (kind === 'fillRect') {
            const [left, top, right, bottom] = reach(kind, args);
            drawn = drawn.filter(([, box]) => box[0] < left || box[1] < top || box[2] > right || box[3] > bottom);
        }
        drawn.push([kind, reach(kind, args), args]);
        draw[kind](...args);
    };

    // Sizes the backing store to the given device pixels across, and draws what was drawn again.
    const resize = (pixels) => {
        if (!(pixels > 0) || pixels === canvas.width) return;
        scale = pixels / width;
        open = null;
        canvas.width = pixels;
        canvas.height = Math.round(height * scale);
        context.lineJoin = 'round';
        font = '';
        pen = [];
        for (const [kind, , args] of drawn) draw[kind](...args);
        finish();
    };
    // Until the page says otherwise, the picture covers its size in pixels at the device's ratio.
    canvas.width = 0;
    resize(Math.round(width * (window.devicePixelRatio || 1)));

    return { line: record('line'), circle: record('circle'), fillRect: record('fillRect'), text: record('text'), resize, canvas };
}
