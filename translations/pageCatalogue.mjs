// Writes the words of the Qt Linguist files that the page shows as JSON catalogues: node
// pageCatalogue.mjs FOLDER Context,Context... quorvel_cs.ts quorvel_de.ts ... The folder gets
// keys.json, the messages' keys as the page looks them up (language.js), and for each language an
// array of its translations in the same order, "" for one not yet translated, which the page
// shows in English. The English texts themselves as keys would double the download, and keys
// written once rather than in every language save a sixth of it. Each file is stored gzipped, a
// quarter of its size, as the page unpacks it itself (language.js).

import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { basename, join } from 'node:path';
import { key } from '../web/language.js';

const [folder, contextList, ...tsFiles] = process.argv.slice(2);
const contexts = contextList.split(',');

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const decoded = (text) => text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) =>
    name.startsWith('#x') ? String.fromCodePoint(parseInt(name.slice(2), 16))
        : name.startsWith('#') ? String.fromCodePoint(parseInt(name.slice(1), 10))
            : entities[name] ?? whole);

// The keys and translations of the page's messages, in the file's order.
function messagesOf(tsFile) {
    const keys = [];
    const words = [];
    for (const [, context] of readFileSync(tsFile, 'utf8').matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = decoded(context.match(/<name>([\s\S]*?)<\/name>/)[1]);
        if (!contexts.includes(name)) continue;
        for (const [, message] of context.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
            const source = message.match(/<source>([\s\S]*?)<\/source>/);
            const translation = message.match(/<translation( type="[a-z]+")?>([\s\S]*?)<\/translation>/);
            if (!source) continue;
            const at = key(name, decoded(source[1]));
            if (keys.includes(at)) throw new Error(`${tsFile}: two messages share the key ${at}`);
            keys.push(at);
            words.push(translation && !translation[1] ? decoded(translation[2]) : '');
        }
    }
    return { keys, words };
}

mkdirSync(folder, { recursive: true });
const [first, ...others] = tsFiles.map(messagesOf);
for (const [k, other] of others.entries()) {
    if (JSON.stringify(other.keys) !== JSON.stringify(first.keys))
        throw new Error(`${tsFiles[k + 1]} holds other messages than ${tsFiles[0]}: run lupdate on both`);
}
const writeGzipped = (name, value) => writeFileSync(join(folder, `${name}.json.gz`), gzipSync(JSON.stringify(value), { level: 9 }));
writeGzipped('keys', first.keys);
for (const [k, tsFile] of tsFiles.entries()) {
    const language = basename(tsFile, '.ts').replace(/^quorvel_/, '');
    writeGzipped(language, k === 0 ? first.words : others[k - 1].words);
}
