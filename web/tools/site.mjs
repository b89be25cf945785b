// Makes the folder a teacher copies to a web space: the page, its manifest and icons, and one
// build's files in a folder named after the build, so that a page only ever names files of its
// own build, and an old copy kept by a browser can never be paired with a new one. The build's
// name is a hash of every file's contents, the service worker's included: it changes whenever any
// byte does. The service worker is filled in with it and with each file's own hash, which the
// browser checks every file it keeps against.
//
//   node site.mjs SITE_FOLDER PAGE_FILES MODULE_FOLDER SERVICE_WORKER_TEMPLATE STILL_HTML
// PAGE_FILES: the page's files as written (index.html, its scripts and style sheets, fonts, icons,
// manifest); MODULE_FOLDER: the module's .js and the .wasm it streams in; STILL_HTML: the window's
// first look (still.mjs). SITE_FOLDER is made afresh.
//
// The page is shown before any script of its build has arrived: the scripts it runs before its
// first paint (those it does not defer) are written into it, with the window's first look.
import { createHash } from 'node:crypto';
import { mkdirSync, readdirSync, readFileSync, renameSync, rmSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { escapeFor } from './html.mjs';

const [site, pageFiles, moduleFolder, template, still] = process.argv.slice(2);
if (!site || !pageFiles || !moduleFolder || !template || !still) {
  console.error('usage: node site.mjs SITE_FOLDER PAGE_FILES MODULE_FOLDER SERVICE_WORKER_TEMPLATE STILL_HTML');
  process.exit(2);
}

const page = 'index.html';
const worker = path.basename(template);
// Where the browser and an installed app look for them, whatever the build: the page, the app's
// manifest and icons, and the fonts' licence notice beside them.
const atTop = (name) => [page, 'manifest.webmanifest', 'FONTS'].includes(name) || name.startsWith('icons/');

const walk = (folder, under = folder) => readdirSync(folder).sort().flatMap((name) => {
  const file = path.join(folder, name);
  return statSync(file).isDirectory() ? walk(file, under) : [path.relative(under, file).split(path.sep).join('/')];
});
// name in the page's files -> its contents
const contents = new Map([
  ...walk(pageFiles).map((name) => [name, readFileSync(path.join(pageFiles, name))]),
  ...walk(moduleFolder).map((name) => [name, readFileSync(path.join(moduleFolder, name))]),
]);

const hash = createHash('sha256').update(readFileSync(template)).update(readFileSync(still));
for (const [name, bytes] of [...contents].sort(([a], [b]) => (a < b ? -1 : 1)))
  hash.update(`${name}\0${bytes.length}\0`).update(bytes);
const build = hash.digest('hex').slice(0, 16);
const folder = `build-${build}`;
const servedAs = (name) => (atTop(name) ? name : `${folder}/${name}`);

// The page names its build's files in the build's folder. It asks at once for the fonts its
// style sheets name for every character, which its first look needs; a script's own letters
// (a unicode-range) are fetched by a page that shows them. The scripts it defers and the module's
// WebAssembly wait in a template until that first look is on the screen (later.js).
const fonts = [...contents.keys()].filter((name) => name.endsWith('.css') && !atTop(name)).flatMap((name) =>
  [...contents.get(name).toString('utf8').matchAll(/@font-face\s*{[^}]*?url\(\s*["']?([^"')]+\.woff2)["']?\s*\)[^}]*}/g)]
    .filter(([rule]) => !rule.includes('unicode-range'))
    .map(([, url]) => `<link rel="preload" href="${path.posix.join(path.posix.dirname(name), url)}" as="font" type="font/woff2" crossorigin>\n`));
const modules = [...contents.keys()].filter((name) => name.endsWith('.wasm'))
  .map((name) => `<link rel="preload" href="${name}" as="fetch" type="application/wasm" crossorigin>\n`);
const deferred = /<script defer src="([^"]+)"><\/script>\n/g;
const firstPaint = /<script src="([^"]+)"><\/script>/g;
const written = contents.get(page).toString('utf8');
const later = [...modules, ...[...written.matchAll(deferred)].map(([, src]) => `<script src="${src}"></script>\n`)];
const html = written
  .replace(/<script src=/, (first) => `${readFileSync(still, 'utf8')}${first}`)
  .replace(firstPaint, (whole, src) => {
    const script = contents.get(src).toString('utf8');
    contents.delete(src);
    return `<script>\n${escapeFor('script', script)}\n</script>`;
  })
  .replace(deferred, '')
  .replace('</body>', `<template id="after-first-look">\n${later.join('')}</template>\n</body>`)
  .replace(/<link rel="stylesheet"/, (first) => `${fonts.join('')}${first}`)
  .replace(/(\s(?:src|href)=")([^"]+)"/g, (whole, start, url) => (contents.has(url) ? `${start}${servedAs(url)}"` : whole));
contents.set(page, Buffer.from(html));

// Written beside and moved into place, so that an interrupted build leaves no half a folder.
const partial = `${site}.partial`;
rmSync(partial, { recursive: true, force: true });
const integrity = {};
for (const [name, bytes] of contents) {
  const file = path.join(partial, servedAs(name));
  mkdirSync(path.dirname(file), { recursive: true });
  writeFileSync(file, bytes);
  integrity[name === page ? './' : servedAs(name)] = `sha256-${createHash('sha256').update(bytes).digest('base64')}`;
}
writeFileSync(path.join(partial, worker), readFileSync(template, 'utf8')
  .replace('@BUILD@', build)
  .replace("'@FILES@'", JSON.stringify(integrity, null, 2)));
rmSync(site, { recursive: true, force: true });
renameSync(partial, site);
