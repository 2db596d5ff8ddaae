// Starts the page: the module with the Start command, the picture it draws on, the handlers,
// and the held input. The page is ready for Start when the body carries data-ready, at the
// performance mark "ready".

import createQuorvel from './quorvel.js';
import { Form_Load, connectHandlers } from './handlers.js';
import { holdInput, release } from './heldActions.js';
import { createPicture } from './picture.js';
import { StartRunner } from './startRunner.js';

const form = document.getElementById('MainForm');

// On a narrower screen the whole window scales down with its proportions kept.
function fitToViewport() {
    const scale = Math.min(1, document.documentElement.clientWidth / form.offsetWidth);
    form.style.transform = scale < 1 ? `scale(${scale})` : '';
    document.body.style.height = scale < 1 ? `${form.offsetHeight * scale}px` : '';
}

const module = await createQuorvel({ picture: createPicture(document.getElementById('picture')) });
const runner = new StartRunner(new module.PageStart(), release);
holdInput(form, document.getElementById('HScroll1'), () => runner.running);
Form_Load();
connectHandlers(runner);
fitToViewport();
window.addEventListener('resize', fitToViewport);
document.getElementById('cmdStart').focus();
document.body.dataset.ready = 'true';
performance.mark('ready');
