// The page's language: the address's ?lang= first, then the first of the browser's languages the
// page has, else English. A language with a country the page lacks falls back on its language's
// ("de-AT" is German); Portuguese is Brazilian. English loads nothing; any other language loads
// its catalogue of words, which the core takes before the form is made.

// The build fills in the languages it has catalogues for.
const languages = ['en', ...'@QUORVEL_LANGUAGES@'.split(';')];
let catalogue = {};

// The page's language for a code such as "pt-BR", "pt_br" or "de-AT", if it has one.
export function matching(code) {
    const [language, country] = String(code).replace('_', '-').toLowerCase().split('-');
    const whole = country ? `${language}_${country.toUpperCase()}` : language;
    return languages.find((known) => known === whole) ?? languages.find((known) => known.split('_')[0] === language);
}

export function chooseLanguage(asked, preferred) {
    if (asked !== null && !matching(asked))
        console.warn(`Quorvel has no language "${asked.slice(0, 40)}" for lang in its address, so it follows the browser's languages.`);
    for (const code of [asked, ...preferred]) {
        const language = code && matching(code);
        if (language) return language;
    }
    return 'en';
}

// A text's key in a catalogue: the FNV-1a hash of its context, a \x04 and its English, in UTF-8,
// in base 36. The build writes the catalogues with it, and the core looks them up the same way.
export function key(context, source) {
    let hash = 0x811c9dc5;
    for (const byte of new TextEncoder().encode(`${context}\x04${source}`)) hash = Math.imul(hash ^ byte, 0x01000193) >>> 0;
    return hash.toString(36);
}

// A catalogue, stored gzipped; a server that says so has had the browser unpack it already.
async function unpacked(response) {
    const bytes = await response.arrayBuffer();
    try {
        return JSON.parse(await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).text());
    } catch {
        return JSON.parse(new TextDecoder().decode(bytes));
    }
}

// The language's catalogue of translations by key, put together from the keys all languages share
// and the language's words in their order; the language's tag goes on the document at once.
export async function loadLanguage(language) {
    document.documentElement.lang = language.replace('_', '-');
    if (language === 'en') return catalogue;
    const responses = await Promise.all([fetch('lang/keys.json.gz'), fetch(`lang/${language}.json.gz`)]);
    if (responses.every((response) => response.ok)) {
        const [keys, words] = await Promise.all(responses.map(unpacked));
        catalogue = Object.fromEntries(keys.map((at, k) => [at, words[k]]).filter(([, word]) => word));
    }
    return catalogue;
}

// One of the page's own words in the language in use, with its places filled: %1, %2, ...
export function pageWord(source, ...values) {
    return (catalogue[key('Page', source)] ?? source).replace(/%([1-9])/g, (place, k) => values[k - 1] ?? place);
}
