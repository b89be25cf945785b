// Makes the page one self-contained file that opens with a double click, from file:// and with
// no network: every style sheet and script the page names is written into it, and every file a
// style sheet names (the fonts) becomes a data: URL.
//
//   node web/tools/inline.mjs INDEX_HTML OUTPUT_HTML [FOLDER...]
// A file the page names is looked for beside INDEX_HTML, then in each FOLDER in turn (the
// module's build folder, the folder the fonts were made in).

import { existsSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { escapeFor } from './html.mjs';

const [index, output, ...folders] = process.argv.slice(2);
if (!index || !output) {
  console.error('usage: node inline.mjs INDEX_HTML OUTPUT_HTML [FOLDER...]');
  process.exit(2);
}

const mediaTypes = { '.woff2': 'font/woff2', '.woff': 'font/woff', '.png': 'image/png', '.svg': 'image/svg+xml' };

function find(name, near) {
  for (const folder of [near, ...folders]) {
    const file = path.resolve(folder, name);
    if (existsSync(file))
      return file;
  }
  throw new Error(`${name}, named by the page, is in none of ${[near, ...folders].join(', ')}`);
}

const isExternal = (url) => /^(data:|#)/.test(url);

function inlineCss(file) {
  const css = readFileSync(file, 'utf8').replace(/url\(\s*(["']?)([^"')]+)\1\s*\)/g, (whole, quote, url) => {
    if (isExternal(url))
      return whole;
    const named = find(url, path.dirname(file));
    const type = mediaTypes[path.extname(named)];
    if (!type)
      throw new Error(`no media type known for ${named}`);
    return `url("data:${type};base64,${readFileSync(named).toString('base64')}")`;
  });
  return escapeFor('style', css);
}

const near = path.dirname(path.resolve(index));
// The single file is no app to install and keeps no files: its manifest goes.
const page = readFileSync(index, 'utf8').replace(/<link rel="manifest" href="[^"]+">\n?/g, '');
const styleSheet = /<link rel="stylesheet" href="([^"]+)">/g;
const script = /<script (?:defer )?src="([^"]+)"><\/script>/g;
const icon = /(<link rel="icon" type="([^"]+)" href=")([^"]+)(">)/g;

// Nothing else may be left for the page to fetch.
const left = [...page.replace(styleSheet, '').replace(script, '').replace(icon, '')
  .matchAll(/\s(?:src|href)="([^"]*)"/g)]
  .map((match) => match[1])
  .filter((url) => !isExternal(url));
if (left.length) {
  console.error(`inline.mjs: the page also names ${left.join(', ')}`);
  process.exit(1);
}

const html = page
  .replace(icon, (whole, start, type, href, end) =>
    `${start}data:${type};base64,${readFileSync(find(href, near)).toString('base64')}${end}`)
  .replace(styleSheet, (whole, href) => `<style>\n${inlineCss(find(href, near))}</style>`)
  .replace(script, (whole, src) => `<script>\n${escapeFor('script', readFileSync(find(src, near), 'utf8'))}\n</script>`);

// Written beside and renamed into place, so that an interrupted build leaves no half a page.
const partial = `${output}.partial`;
writeFileSync(partial, html);
renameSync(partial, output);
