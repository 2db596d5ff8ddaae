// The page's picture: a canvas kept at the device's pixel ratio, on which the module draws its
// lines and circles. A coordinate names a pixel, as on the desktop, so a one-pixel line at a
// whole coordinate covers whole pixels.

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

export function createPicture(canvas) {
    const width = canvas.width;
    const height = canvas.height;
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.translate(0.5, 0.5);
    context.lineCap = 'round';
    context.lineJoin = 'round';
    const system = systemColours();
    // 0xRRGGBB, or a desktop colour as -1, -2 or -3.
    const colour = (code) => (code >= 0 ? '#' + code.toString(16).padStart(6, '0') : system[-code - 1]);
    const noFill = -4;

    return {
        line(x1, y1, x2, y2, outline, penWidth) {
            context.lineWidth = penWidth;
            context.strokeStyle = colour(outline);
            context.beginPath();
            context.moveTo(x1, y1);
            context.lineTo(x2, y2);
            context.stroke();
        },
        circle(x, y, radius, outline, penWidth, fill) {
            context.beginPath();
            context.arc(x, y, Math.abs(radius), 0, 2 * Math.PI);
            if (fill !== noFill) {
                context.fillStyle = colour(fill);
                context.fill();
            }
            context.lineWidth = penWidth;
            context.strokeStyle = colour(outline);
            context.stroke();
        },
    };
}
