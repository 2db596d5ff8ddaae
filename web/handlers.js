// The handlers of the page's controls, named and acting as the desktop window's do. Each runs
// through the held actions, so none runs while Start runs.

import { drop, perform } from './heldActions.js';

const control = (id) => document.getElementById(id);
let startRunner = null;

function setText(box, text) {
    control(box).value = text;
}

function hidePromptAndResults() {
    for (const label of ['labKliknuti', 'labRadius', 'labCas', 'labZdroj', 'labDetektor', 'labSoucet']) control(label).hidden = true;
}

// Selecting an option from code clears the others of its group and runs its handler to its
// end, even when it was selected already.
function select(option, handler) {
    control(option).checked = true;
    handler();
}

export function Form_Load() {
    select('op0', op0_Click);
    setText('nPosun', '0');
    setText('nKmitocet', '1');
    select('opRychlá', opRychlá_Click);
    setText('nSpomaleni', '1');
    control('labKliknuti').hidden = false;
    for (const label of ['labRadius', 'labCas', 'labZdroj', 'labDetektor', 'labSoucet']) control(label).hidden = true;
}

export function cmdStart_Click() {
    startRunner.start();
}

// A page cannot close the browser's window; the program ends and says so.
export function cmdKonec_Click() {
    drop();
    control('MainForm').remove();
    control('ended').hidden = false;
}

export function op0_Click() {
    setText('nPosun', '0');
    select('op1', op1_Click);
    hidePromptAndResults();
}

export function op250_Click() {
    setText('nPosun', '250');
    hidePromptAndResults();
}

export function op1_Click() {
    setText('nKmitocet', '1');
    hidePromptAndResults();
}

export function op2_Click() {
    setText('nKmitocet', '2');
    hidePromptAndResults();
}

export function opPomalá_Click() {
    setText('nSpomaleni', '20');
}

export function opPomalejší_Click() {
    setText('nSpomaleni', '10');
}

export function opRychlá_Click() {
    setText('nSpomaleni', '1');
}

export function HScroll1_Change() {
    setText('nSpomaleni', String(control('HScroll1').value));
}

// A user's choice runs an option's handler when it changes the selection; choosing the option
// that is already selected changes nothing, and keeps the explanations of a finished picture.
export function connectHandlers(runner) {
    startRunner = runner;
    const on = (id, type, handler) => control(id).addEventListener(type, () => perform(handler));
    on('cmdStart', 'click', cmdStart_Click);
    on('cmdKonec', 'click', cmdKonec_Click);
    on('op0', 'change', op0_Click);
    on('op250', 'change', op250_Click);
    on('op1', 'change', op1_Click);
    on('op2', 'change', op2_Click);
    on('opPomalá', 'change', opPomalá_Click);
    on('opPomalejší', 'change', opPomalejší_Click);
    on('opRychlá', 'change', opRychlá_Click);
    on('HScroll1', 'change', HScroll1_Change);
}
