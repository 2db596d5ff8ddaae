// Writes the page's HTML or CSS without its comments and indentation, which the browser never
// needs: node withoutComments.mjs SOURCE OUTPUT.
import { readFileSync, writeFileSync } from 'node:fs';

const [source, output] = process.argv.slice(2);
const text = readFileSync(source, 'utf8')
    .replace(/<!--[\s\S]*?-->|\/\*[\s\S]*?\*\//g, '')
    .replace(/^[ \t]+/gm, '')
    .replace(/\n{2,}/g, '\n');
writeFileSync(output, text);
