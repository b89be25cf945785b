// Fills in the page's service worker: the files it keeps, every file of the served folder, and a
// name for them that changes with their contents, so that a new build replaces what an old one
// kept.
//
//   node offline.mjs SITE_FOLDER SERVICE_WORKER_TEMPLATE
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const [site, template] = process.argv.slice(2);
if (!site || !template) {
  console.error('usage: node offline.mjs SITE_FOLDER SERVICE_WORKER_TEMPLATE');
  process.exit(2);
}
const worker = path.basename(template);
const files = [];
const walk = (folder) => {
  for (const name of readdirSync(folder).sort()) {
    const file = path.join(folder, name);
    if (statSync(file).isDirectory())
      walk(file);
    else if (name !== worker)
      files.push(path.relative(site, file).split(path.sep).join('/'));
  }
};
walk(site);
const hash = createHash('sha256');
for (const file of files)
  hash.update(file).update(readFileSync(path.join(site, file)));
const kept = `total-reflection-${hash.digest('hex').slice(0, 16)}`;
writeFileSync(path.join(site, worker), readFileSync(template, 'utf8')
  .replace('@KEPT@', kept)
  .replace("'@FILES@'", ['./', ...files].map((file) => `'${file}'`).join(', ')));
