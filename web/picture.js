// A picture of the page, the window's or the explore panel's graph: a canvas kept at the device's
// pixel ratio, and the drawing functions the module draws with. A coordinate names a pixel, as on
// the desktop, and a colour is 0xRRGGBB. Lines along the pixel rows and columns are drawn on
// whole pixels, as the desktop draws them, so that drawing one again changes nothing.

// The middle of a pixel for a line of odd width, its edge for an even one.
const snap = (value, width) => Math.floor(value) + (width % 2 ? 0.5 : 0);
const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');

export function createPicture(canvas) {
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.round(canvas.width * ratio);
    canvas.height = Math.round(canvas.height * ratio);
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.lineJoin = 'round';

    const stroke = (outline, penWidth, cap) => {
        context.lineWidth = penWidth;
        context.lineCap = cap;
        context.strokeStyle = css(outline);
        context.stroke();
    };

    return {
        line(x1, y1, x2, y2, outline, penWidth) {
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
        // A fill of -1 leaves the circle's inside as it is.
        circle(x, y, radius, outline, penWidth, fill) {
            context.beginPath();
            context.arc(x + 0.5, y + 0.5, Math.abs(radius), 0, 2 * Math.PI);
            if (fill >= 0) {
                context.fillStyle = css(fill);
                context.fill();
            }
            stroke(outline, penWidth, 'round');
        },
        fillRect(left, top, width, height, colour) {
            context.fillStyle = css(colour);
            context.fillRect(left, top, width, height);
        },
    };
}
