// Copy link: the page's address, which follows the window's settings, put on the clipboard. What
// happened is said as the window's own words are.

import { pageWord } from './language.js';

export function wireLink(form) {
    document.getElementById('copyLink').addEventListener('click', async () => {
        try {
            await navigator.clipboard.writeText(form.link());
            form.say(pageWord('Link copied.'));
        } catch (error) {
            form.say(pageWord('The link could not be copied: %1', error.message));
        }
    });
}
