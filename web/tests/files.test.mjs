// Both forms of the page work as handed out: the single file from file:// with no network at
// all, and the folder from a static web server, each with its three fonts really in use.
//
//   TR_PAGE_DIR: the folder form (index.html beside its scripts and fonts)

import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { launch, openPage, pageUrl, runEnded } from './harness.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const folder = path.resolve(process.env.TR_PAGE_DIR ?? path.join(root, 'build/web/site'));

let chromium;
let server;
before(async () => {
  chromium = await launch();
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.woff2': 'font/woff2' };
  server = http.createServer(async (request, response) => {
    const file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/\/$/, '/index.html'));
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
});
after(async () => {
  server?.close();
  await chromium?.close();
});

const forms = [
  ['the single file from file://', () => pageUrl, (url) => url.startsWith('data:') || url === pageUrl],
  ['the folder from a web server', () => `http://127.0.0.1:${server.address().port}/`,
    (url) => url.startsWith('data:') || url.startsWith(`http://127.0.0.1:${server.address().port}/`)],
];

for (const [name, address, allowed] of forms) {
  test(`${name}: loads nothing else, uses its own fonts, and runs`, async () => {
    const { tab, problems, close } = await openPage(chromium.browser, { url: address(), allowed });
    try {
      const fonts = await tab.evaluate(async () => {
        await document.fonts.ready;
        return [...document.fonts].map((face) => [face.family.replace(/"/g, ''), face.status]);
      });
      assert.deepEqual(fonts.sort(), [['Arial', 'loaded'], ['MS Sans Serif', 'loaded'], ['Times New Roman', 'loaded']]);
      await tab.click('#cmdStart');
      await runEnded(tab);
      assert.deepEqual(problems, []);
    } finally {
      await close();
    }
  });
}
