// While Start runs, every action meant for the page's handlers waits, and all of them are
// performed after the run in the order they came: clicks and keys on the controls, and the
// actions of a screen reader, which reach the page as clicks and changes too. A held action that
// begins a new run leaves the rest waiting for its end.

const held = [];
let releasing = false;
let isRunning = () => false;

const holding = () => !releasing && (isRunning() || held.length > 0);

// Performs the action now when nothing runs and nothing waits; holds it otherwise.
export function perform(action) {
    if (holding()) held.push(action);
    else action();
}

export function release() {
    releasing = true;
    try {
        while (held.length > 0 && !isRunning()) held.shift()();
    } finally {
        releasing = false;
    }
}

// The page has ended: nothing held is performed any more.
export function drop() {
    held.length = 0;
}

// Holds the input that reaches the controls under root, keeping them as if it had not come yet:
// a click is cancelled, which leaves an option unchosen, and done again later; a new value of
// the speed control is put back and set again later.
export function holdInput(root, speed, runs) {
    isRunning = runs;
    root.addEventListener('click', (event) => {
        if (!holding()) return;
        event.preventDefault();
        event.stopImmediatePropagation();
        const target = event.target;
        held.push(() => target.click());
    }, true);
    let shown = speed.value;
    let moved = null;
    speed.addEventListener('input', (event) => {
        if (!holding()) return;
        event.stopImmediatePropagation();
        moved = speed.value;
        speed.value = shown;
    }, true);
    speed.addEventListener('change', (event) => {
        if (!holding()) {
            shown = speed.value;
            return;
        }
        event.stopImmediatePropagation();
        const value = moved ?? speed.value;
        moved = null;
        speed.value = shown;
        held.push(() => {
            speed.value = value;
            speed.dispatchEvent(new Event('change'));
        });
    }, true);
}
