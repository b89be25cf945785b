// Makes the page's web fonts: the three faces the window's design names, cut down to the
// characters the page can show and compressed as WOFF2, and fonts.css declaring them under the
// design's family names, so that the page looks the same whatever fonts a computer has.
//
//   node web/tools/fonts.mjs OUTPUT_FOLDER
// writes OUTPUT_FOLDER/fonts.css and OUTPUT_FOLDER/fonts/*.woff2. Needs Debian's
// python3-fonttools and python3-brotli, fonts-liberation and fonts-dejavu-core.

import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const [output] = process.argv.slice(2);
if (!output) {
  console.error('usage: node fonts.mjs OUTPUT_FOLDER');
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

// Latin-1; the Czech and German letters beyond it; the quotation marks both languages use, the
// dashes, the minus sign and the ellipsis; the spaces number formats put between digit groups.
const unicodes = [
  'U+0020-007E', 'U+00A0-00FF',
  'U+010C-010F', 'U+011A-011B', 'U+0147-0148', 'U+0158-0161', 'U+0164-0165', 'U+016E-016F', 'U+017D-017E', 'U+1E9E',
  'U+2013-2014', 'U+2018-201A', 'U+201C-201E', 'U+2026', 'U+2212', 'U+2009', 'U+202F',
].join(',');

// Debian's own Python, which has fontTools, even where another python3 comes first on the PATH.
const python = process.env.PYTHON ?? (existsSync('/usr/bin/python3') ? '/usr/bin/python3' : 'python3');

mkdirSync(path.join(output, 'fonts'), { recursive: true });
const rules = [];
for (const face of faces) {
  const file = `${path.basename(face.source, '.ttf')}.woff2`;
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
  font-display: swap;
}
`);
}
writeFileSync(path.join(output, 'fonts.css'), rules.join('\n'));
