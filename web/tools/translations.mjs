// The window's translations, from the .ts files the desktop compiles, as the page's table: for
// each language, "context\u0004English" to the translated text; and beside it, in languages.js,
// the languages alone, which the page needs before its first paint, while the table waits until
// the module is made. Run at build time:
//   node translations.mjs OUT.js total-reflection_cs.ts total-reflection_de.ts ...
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const [out, ...files] = process.argv.slice(2);
const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
    .replace(/&apos;/g, "'").replace(/&#x([0-9a-f]+);/gi, (_, hex) => String.fromCodePoint(parseInt(hex, 16)))
    .replace(/&amp;/g, '&');
const table = {};
for (const file of files) {
    const language = path.basename(file, '.ts').split('_').pop();
    const words = {};
    for (const [, context] of readFileSync(file, 'utf8').matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = unescape(context.match(/<name>([\s\S]*?)<\/name>/)[1]);
        for (const [, message] of context.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
            const source = message.match(/<source>([\s\S]*?)<\/source>/);
            const translation = message.match(/<translation>([\s\S]*?)<\/translation>/);
            if (source && translation)
                words[`${name}\u0004${unescape(source[1])}`] = unescape(translation[1]);
        }
    }
    table[language] = words;
}
writeFileSync(out, `'use strict';\n// Made from the window's .ts files when the page was built.\n` +
    `var totalReflectionTranslations = ${JSON.stringify(table)};\n`);
writeFileSync(path.join(path.dirname(out), 'languages.js'), `'use strict';\n// The languages the window speaks beside ` +
    `English, from its .ts files when the page was built.\nvar totalReflectionLanguages = ${JSON.stringify(Object.keys(table))};\n`);
