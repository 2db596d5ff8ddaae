// The keyboard help: the keys the core lists for the page, in a dialog that "?" opens wherever
// the focus is but in a field one types into, as does the Keys button. Escape or Close closes it
// and gives the focus back to where it was.

const control = (id) => document.getElementById(id);
const dialog = control('keysHelp');
const typedInto = ['text', 'number', 'search', 'email', 'url', 'tel', 'password'];

function typing(target) {
    return target.isContentEditable || target.localName === 'textarea' || (target.localName === 'input' && typedInto.includes(target.type));
}

export function wireHelp(form) {
    const { title, rows } = form.keyboardHelp();
    control('keysHelpTitle').textContent = title;
    for (const { keys, what } of rows) {
        const row = control('keysHelpRows').insertRow();
        const heading = document.createElement('th');
        heading.scope = 'row';
        heading.textContent = keys;
        row.append(heading);
        row.insertCell().textContent = what;
    }
    let before = null;
    // Not once the program has ended: there are no keys left to know.
    const open = () => {
        if (dialog.open || !control('MainForm')) return;
        before = document.activeElement;
        dialog.showModal();
    };
    dialog.addEventListener('close', () => before?.focus());
    control('keys').addEventListener('click', open);
    document.addEventListener('keydown', (event) => {
        if (event.key !== '?' || event.ctrlKey || event.altKey || event.metaKey || typing(event.target)) return;
        event.preventDefault();
        open();
    });
}
