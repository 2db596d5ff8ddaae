// The page's picture: a canvas kept at the device's pixel ratio, on which the module draws its
// lines and circles. A coordinate names a pixel, as on the desktop. Lines along the pixel rows
// and columns are drawn on whole pixels, as the desktop draws them, so that drawing one again
// changes nothing; rows of such lines one under the other, as the background band is, are
// filled at once.

// The desktop colours the picture uses, as the browser's own system colours: caption text is
// drawn as the highlighted text is, on the desktop as here.
function systemColours() {
    const probe = document.createElement('span');
    document.body.append(probe);
    const colours = ['HighlightText', 'ButtonFace', 'ButtonText'].map((name) => {
        probe.style.color = name;
        return getComputedStyle(probe).color;
    });
    probe.remove();
    return colours;
}

// The middle of a pixel for a line of odd width, its edge for an even one.
const snap = (value, width) => Math.floor(value) + (width % 2 ? 0.5 : 0);

export function createPicture(canvas) {
    const width = canvas.width;
    const height = canvas.height;
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.lineJoin = 'round';
    const system = systemColours();
    // 0xRRGGBB, or a desktop colour as -1, -2 or -3.
    const colour = (code) => (code >= 0 ? '#' + code.toString(16).padStart(6, '0') : system[-code - 1]);
    const noFill = -4;

    // Rows held back to be filled as one rectangle: left, right, top and bottom edges.
    let rows = null;
    const fillRows = () => {
        if (!rows) return;
        context.fillStyle = rows.colour;
        context.fillRect(rows.left, rows.top, rows.right - rows.left, rows.bottom - rows.top);
        rows = null;
    };

    // A one-pixel row that continues the rows held, or starts them; it is filled before the
    // page shows anything.
    const takeRow = (left, right, y, fill) => {
        if (rows && rows.colour === fill && rows.left === left && rows.right === right && (rows.top === y + 1 || rows.bottom === y)) {
            rows.top = Math.min(rows.top, y);
            rows.bottom = Math.max(rows.bottom, y + 1);
            return;
        }
        fillRows();
        rows = { colour: fill, left, right, top: y, bottom: y + 1 };
        queueMicrotask(fillRows);
    };

    const stroke = (outline, penWidth, cap) => {
        context.lineWidth = penWidth;
        context.lineCap = cap;
        context.strokeStyle = colour(outline);
        context.stroke();
    };

    return {
        line(x1, y1, x2, y2, outline, penWidth) {
            if (y1 === y2 && penWidth === 1 && Number.isFinite(x1 + x2 + y1)) {
                takeRow(Math.floor(Math.min(x1, x2)), Math.floor(Math.max(x1, x2)) + 1, Math.floor(y1), colour(outline));
                return;
            }
            fillRows();
            context.beginPath();
            if (x1 === x2 || y1 === y2) {
                context.moveTo(snap(x1, penWidth), snap(y1, penWidth));
                context.lineTo(snap(x2, penWidth), snap(y2, penWidth));
                stroke(outline, penWidth, 'square');
            } else {
                context.moveTo(x1 + 0.5, y1 + 0.5);
                context.lineTo(x2 + 0.5, y2 + 0.5);
                stroke(outline, penWidth, 'round');
            }
        },
        circle(x, y, radius, outline, penWidth, fill) {
            fillRows();
            context.beginPath();
            context.arc(x + 0.5, y + 0.5, Math.abs(radius), 0, 2 * Math.PI);
            if (fill !== noFill) {
                context.fillStyle = colour(fill);
                context.fill();
            }
            stroke(outline, penWidth, 'round');
        },
    };
}
