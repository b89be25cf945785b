// Makes the page's web fonts: the three faces the window's design names, cut down to the
// characters the page can show and compressed as WOFF2, and fonts.css declaring them under the
// design's family names, so that the page looks the same whatever fonts a computer has.
//
// The characters follow the translations: every character of the .ts files, with every letter of
// the Unicode blocks their letters come from, so that a language's whole alphabet is there (its
// capitals and the letters a translation happens not to use). Latin letters, and what anyone types
// and number formats write, stand in one file a face; the letters of another script (Cyrillic) in
// a file of their own, which a browser fetches only for a page that shows them.
//
//   node web/tools/fonts.mjs OUTPUT_FOLDER TRANSLATION.ts...
// writes OUTPUT_FOLDER/fonts.css and OUTPUT_FOLDER/fonts/*.woff2. Needs Debian's
// python3-fonttools and python3-brotli, fonts-liberation and fonts-dejavu-core.

import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const [output, ...translations] = process.argv.slice(2);
if (!output || translations.length === 0) {
  console.error('usage: node fonts.mjs OUTPUT_FOLDER TRANSLATION.ts...');
  process.exit(2);
}

// The desktop resolves the design's families to these same files.
const liberation = '/usr/share/fonts/truetype/liberation';
const dejavu = '/usr/share/fonts/truetype/dejavu';
const faces = [
  { family: 'Times New Roman', weight: 'bold', source: `${liberation}/LiberationSerif-Bold.ttf` },
  { family: 'Arial', weight: 'normal', source: `${liberation}/LiberationSans-Regular.ttf` },
  { family: 'MS Sans Serif', weight: 'bold', source: `${dejavu}/DejaVuSans-Bold.ttf` },
];

// What anyone types (Basic Latin and Latin-1), and what number formats write beside digits: the
// thin and narrow no-break spaces between digit groups and the minus sign.
const typed = 'U+0020-007E,U+00A0-00FF,U+2009,U+202F,U+2212';

// The text of every source and translation.
const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
  .replace(/&apos;/g, "'").replace(/&#x([0-9a-f]+);/gi, (_, hex) => String.fromCodePoint(parseInt(hex, 16)))
  .replace(/&amp;/g, '&');
const shown = new Set();
for (const file of translations) {
  for (const [, text] of readFileSync(file, 'utf8').matchAll(/<(?:source|translation)[^>]*>([\s\S]*?)<\//g))
    for (const character of unescape(text))
      if (character >= ' ')
        shown.add(character);
}

// Debian's own Python, which has fontTools, even where another python3 comes first on the PATH.
const python = process.env.PYTHON ?? (existsSync('/usr/bin/python3') ? '/usr/bin/python3' : 'python3');

// The code points to keep, by script (fontTools' Unicode data): those shown, and every letter of
// the blocks their letters belong to that is of the same script (Greek's block holds Coptic too).
const byScript = JSON.parse(execFileSync(python, ['-c', `
import json, sys, unicodedata
from fontTools import unicodedata as ucd
shown = json.load(sys.stdin)
letter = lambda c: unicodedata.category(c).startswith('L')
blocks = {(ucd.block(c), ucd.script(c)) for c in shown if letter(c)}
kept = {ord(c) for c in shown} | {p for p in range(0x10000)
                                  if letter(chr(p)) and (ucd.block(chr(p)), ucd.script(chr(p))) in blocks}
scripts = {}
for p in sorted(kept):
    scripts.setdefault(ucd.script(chr(p)), []).append(p)
print(json.dumps(scripts))
`], { input: JSON.stringify([...shown]) }));

// Written in ranges, as CSS and fontTools take them: U+0400-045F.
function ranges(points) {
  const hex = (point) => point.toString(16).toUpperCase().padStart(4, '0');
  const parts = [];
  for (let k = 0; k < points.length;) {
    let end = k;
    while (end + 1 < points.length && points[end + 1] === points[end] + 1)
      ++end;
    parts.push(end === k ? `U+${hex(points[k])}` : `U+${hex(points[k])}-${hex(points[end])}`);
    k = end + 1;
  }
  return parts.join(',');
}

// Latin, and the characters common to all scripts, in the face's first file; each other script in
// a file of its own, named after it, which covers its range alone.
const own = ['Latn', 'Zyyy', 'Zinh'];
const files = [{ suffix: '', unicodes: [typed, ...own.filter((s) => byScript[s]).map((s) => ranges(byScript[s]))].join(',') }];
for (const [script, points] of Object.entries(byScript).sort())
  if (!own.includes(script))
    files.push({ suffix: `-${script}`, unicodes: ranges(points), range: ranges(points) });

mkdirSync(path.join(output, 'fonts'), { recursive: true });
const rules = [];
for (const face of faces) {
  for (const { suffix, unicodes, range } of files) {
    const file = `${path.basename(face.source, '.ttf')}${suffix}.woff2`;
    execFileSync(python, [
      '-m', 'fontTools.subset', face.source,
      `--unicodes=${unicodes}`,
      '--flavor=woff2',
      // FontForge's time stamps, which no renderer reads.
      '--drop-tables+=FFTM',
      // The copyright and licence notices stay in the font.
      '--name-IDs=0,1,2,3,4,5,6,13,14',
      `--output-file=${path.join(output, 'fonts', file)}`,
    ], { stdio: ['ignore', 'inherit', 'inherit'] });
    rules.push(`@font-face {
  font-family: "${face.family}";
  src: url("fonts/${file}") format("woff2");
  font-weight: ${face.weight};
  font-style: normal;
  font-display: swap;${range ? `\n  unicode-range: ${range.replace(/,/g, ', ')};` : ''}
}
`);
  }
}
writeFileSync(path.join(output, 'fonts.css'), rules.join('\n'));
