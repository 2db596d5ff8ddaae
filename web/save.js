// Saving and copying the picture: the core's SVG as it is, and a PNG drawn from that SVG at the
// screen's pixel ratio, so that it holds the labels as the SVG does and no controls.

import { pageWord } from './language.js';
import { showCopyOutcome } from './link.js';

const control = (id) => document.getElementById(id);
const name = 'quorvel-picture';

const svgOf = (form) => new Blob([form.pictureSvg()], { type: 'image/svg+xml' });

export async function pngOf(form) {
    const url = URL.createObjectURL(svgOf(form));
    try {
        const image = new Image();
        image.src = url;
        await image.decode();
        const ratio = window.devicePixelRatio || 1;
        const canvas = document.createElement('canvas');
        canvas.width = Math.round(image.width * ratio);
        canvas.height = Math.round(image.height * ratio);
        canvas.getContext('2d').drawImage(image, 0, 0, canvas.width, canvas.height);
        return await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    } finally {
        URL.revokeObjectURL(url);
    }
}

// The link's address must outlive the click, which some browsers follow only after it returns.
function download(blob, suffix) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = `${name}.${suffix}`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

export function wireSave(form) {
    control('savePng').addEventListener('click', async () => download(await pngOf(form), 'png'));
    control('saveSvg').addEventListener('click', () => download(svgOf(form), 'svg'));
    // Shown only where the browser can put an image on the clipboard. The PNG goes as a promise,
    // so that the click still counts as the person's when it is written.
    const copy = control('copyPicture');
    if (!navigator.clipboard?.write || typeof ClipboardItem === 'undefined') return;
    copy.hidden = false;
    copy.addEventListener('click', () => {
        navigator.clipboard.write([new ClipboardItem({ 'image/png': pngOf(form) })])
            .then(() => showCopyOutcome(form, pageWord('Picture copied.')))
            .catch((error) => showCopyOutcome(form, pageWord('The picture could not be copied: %1', error.message)));
    });
}
