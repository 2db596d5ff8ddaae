// Writes the page's HTML or CSS without its comments and the blanks the browser never needs: node
// withoutComments.mjs SOURCE OUTPUT.
import { readFileSync, writeFileSync } from 'node:fs';

const [source, output] = process.argv.slice(2);
let text = readFileSync(source, 'utf8')
    .replace(/<!--[\s\S]*?-->|\/\*[\s\S]*?\*\//g, '')
    .replace(/^[ \t]+/gm, '')
    .replace(/\n{2,}/g, '\n');
// In CSS no blank matters beside a brace, a semicolon, a comma or a child combinator; in HTML
// the line breaks between inline elements are spaces on the screen, so they stay.
if (source.endsWith('.css'))
    text = text.replace(/\s+/g, ' ').replace(/ ?([{};,>]) ?/g, '$1').replace(/;}/g, '}');
writeFileSync(output, text);
