// Copy link: the page's address, which follows the window's settings, put on the clipboard. What
// happened is said as the window's own words are, and shown beside the buttons for a while.

import { pageWord } from './language.js';

let outcomeShown = 0;

// Also for the picture's copy, whose outcome would otherwise go unseen.
export function showCopyOutcome(form, words) {
    const outcome = document.getElementById('copyOutcome');
    outcome.textContent = words;
    outcome.hidden = false;
    form.say(words);
    clearTimeout(outcomeShown);
    outcomeShown = setTimeout(() => { outcome.hidden = true; }, 4000);
}

export function wireLink(form) {
    document.getElementById('copyLink').addEventListener('click', async () => {
        try {
            await navigator.clipboard.writeText(form.link());
            showCopyOutcome(form, pageWord('Link copied.'));
        } catch (error) {
            showCopyOutcome(form, pageWord('The link could not be copied: %1', error.message));
        }
    });
}
