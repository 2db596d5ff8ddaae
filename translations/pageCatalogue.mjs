// Writes the words of a Qt Linguist file that the page shows as a JSON catalogue: node
// pageCatalogue.mjs quorvel_de.ts de.json Context... Each translation is keyed as the page looks it
// up (language.js); the English texts themselves would double the download. A message not
// yet translated is left out, and the page shows it in English.

import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname } from 'node:path';
import { key } from '../web/language.js';

const [tsFile, jsonFile, ...contexts] = process.argv.slice(2);

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const decoded = (text) => text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) =>
    name.startsWith('#x') ? String.fromCodePoint(parseInt(name.slice(2), 16))
        : name.startsWith('#') ? String.fromCodePoint(parseInt(name.slice(1), 10))
            : entities[name] ?? whole);

const catalogue = {};
for (const [, context] of readFileSync(tsFile, 'utf8').matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = decoded(context.match(/<name>([\s\S]*?)<\/name>/)[1]);
    if (!contexts.includes(name)) continue;
    for (const [, message] of context.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
        const source = message.match(/<source>([\s\S]*?)<\/source>/);
        const translation = message.match(/<translation( type="[a-z]+")?>([\s\S]*?)<\/translation>/);
        if (!source || !translation || translation[1] || !translation[2]) continue;
        const at = key(name, decoded(source[1]));
        if (at in catalogue) throw new Error(`${tsFile}: two messages share the key ${at}`);
        catalogue[at] = decoded(translation[2]);
    }
}
mkdirSync(dirname(jsonFile), { recursive: true });
writeFileSync(jsonFile, JSON.stringify(catalogue));
