// The translations are complete and up to date: lupdate, run over the sources as the README says,
// finds every text already there and drops none; no message is unfinished; and every translation
// keeps each %1, %2 ... of its source, so that no number or name is lost.
// node check-translations.mjs <source folder> <lupdate>

import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const [sourceFolder, lupdate] = process.argv.slice(2);
const folder = join(sourceFolder, 'translations');
const files = readdirSync(folder).filter((name) => name.endsWith('.ts'));
const problems = [];
if (files.length < 5) problems.push(`only ${files.length} translations in ${folder}`);

const work = mkdtempSync(join(tmpdir(), 'quorvel-translations-'));
try {
    for (const name of files) copyFileSync(join(folder, name), join(work, name));
    execFileSync(lupdate, ['-silent', '-no-obsolete', '-locations', 'none', 'core', 'desktop', 'web/PageTexts.cpp', '-ts', ...files.map((name) => join(work, name))],
                 { cwd: sourceFolder });
    for (const name of files) {
        const kept = readFileSync(join(folder, name), 'utf8');
        if (readFileSync(join(work, name), 'utf8') !== kept) problems.push(`${name} is not up to date with the sources: run lupdate as the README says`);
        for (const [, message] of kept.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
            const source = message.match(/<source>([\s\S]*?)<\/source>/)[1];
            const translation = message.match(/<translation( type="[a-z]+")?>([\s\S]*?)<\/translation>|<translation[^>]*\/>/);
            if (!translation || translation[1] || !translation[2]) {
                problems.push(`${name}: "${source}" is not translated`);
                continue;
            }
            const places = (text) => [...text.matchAll(/%[1-9]/g)].map(([place]) => place).sort().join();
            if (places(translation[2]) !== places(source)) problems.push(`${name}: "${translation[2]}" has other places than "${source}"`);
        }
    }
} finally {
    rmSync(work, { recursive: true, force: true });
}
for (const problem of problems) console.error(`FAILED: ${problem}`);
if (problems.length === 0) console.log(`${files.length} translations, complete and up to date`);
process.exit(problems.length === 0 ? 0 : 1);
