// Both forms of the page work as handed out: the single file from file:// with no network at
// all, and the folder from a static web server, each with its three fonts really in use.
//
//   TR_PAGE_DIR: the folder form (index.html beside its scripts and fonts)

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { hookTimeout, launch, openPage, pageFile, pageUrl, runEnded, windowReady } from './harness.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const folder = path.resolve(process.env.TR_PAGE_DIR ?? path.join(root, 'build/web/site'));

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.woff2': 'font/woff2', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// The folder on a web server of its own on this computer, which can be taken away again.
async function serve() {
  const sockets = new Set();
  const server = http.createServer(async (request, response) => {
    // The page's files are served as they stand on disk: a new build is seen at once.
    response.setHeader('cache-control', 'no-cache');
    const file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/\/$/, '/index.html'));
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  server.on('connection', (socket) => sockets.add(socket));
  server.listen(0, '127.0.0.1');
  await new Promise((resolve) => server.on('listening', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close() {
      server.close();
      sockets.forEach((socket) => socket.destroy());
    },
  };
}

let chromium;
let server;
before(async () => {
  chromium = await launch();
  server = await serve();
}, { timeout: hookTimeout });
after(async () => {
  server?.close();
  await chromium?.close();
}, { timeout: hookTimeout });

const forms = [
  ['the single file from file://', () => pageUrl, (url) => url.startsWith('data:') || url === pageUrl],
  ['the folder from a web server', () => server.url, (url) => url.startsWith('data:') || url.startsWith(server.url)],
];

for (const [name, address, allowed] of forms) {
  test(`${name}: loads nothing else, uses its own fonts, and runs`, async () => {
    const { tab, problems, close } = await openPage(chromium.browser, { url: address(), allowed });
    try {
      // An English page has no use for another script's letters, whose fonts stay unloaded.
      const fonts = await tab.evaluate(async () => {
        await document.fonts.ready;
        return [...document.fonts].filter((face) => face.status !== 'unloaded')
          .map((face) => [face.family.replace(/"/g, ''), face.status]);
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

// Served from a web server, the page keeps its files: after the first visit it opens with no
// network at all, and it can be installed as an app, with the program's icon and name.
test('the folder from a web server opens again once the server is gone', async () => {
  const gone = await serve();
  const { tab, problems, close } = await openPage(chromium.browser, { url: gone.url });
  try {
    const manifest = await tab.evaluate(async () => {
      await navigator.serviceWorker.ready;
      return (await fetch(document.querySelector('link[rel=manifest]').href)).json();
    });
    assert.deepEqual([manifest.display, manifest.icons.map((icon) => icon.sizes), manifest.translations.cs.name],
      ['standalone', ['192x192', '512x512'], 'Úplný odraz']);
    await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
    gone.close();
    await tab.reload();
    await windowReady(tab);
    await tab.click('#cmdStart');
    await runEnded(tab);
    assert.deepEqual(problems.filter((problem) => !problem.includes('ERR_CONNECTION_REFUSED')), []);
  } finally {
    await close();
  }
});

// The screen's pixels, as PNG, which differ between two screenshots of the same size.
function differingPixels(tab, one, other) {
  return tab.evaluate(async (...pictures) => {
    const pixels = await Promise.all(pictures.map(async (base64) => {
      const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const canvas = new OffscreenCanvas(image.width, image.height);
      canvas.getContext('2d').drawImage(image, 0, 0);
      return canvas.getContext('2d').getImageData(0, 0, image.width, image.height).data;
    }));
    const [one, other] = pixels.map((bytes) => new Uint32Array(bytes.buffer));
    return one.filter((pixel, k) => pixel !== other[k]).length;
  }, one, other);
}

// Served as a folder, the page shows the window's first look before its module has arrived, and
// the window then comes to life on the same pixels: nothing moves. Its lines and its drawing come
// with the module, and its focus once it runs.
const looks = [
  ['a phone held upright', { width: 390, height: 844, deviceScaleFactor: 3 }, 'en'],
  ['a laptop', { width: 1280, height: 800, deviceScaleFactor: 1 }, 'en'],
  ['the window\'s own size', { width: 763, height: 575, deviceScaleFactor: 1 }, 'cs'],
];
for (const [screen, viewport, language] of looks) {
  test(`the folder's first look on ${screen} (${language}) is where the window comes to life`, async () => {
    const context = await chromium.browser.createBrowserContext();
    try {
      const tab = await context.newPage();
      await tab.setViewport(viewport);
      let release;
      const held = new Promise((resolve) => {
        release = resolve;
      });
      await tab.setRequestInterception(true);
      tab.on('request', (request) => (request.url().endsWith('/page.js') ? held : Promise.resolve())
        .then(() => request.continue()));
      await tab.goto(`${server.url}?lang=${language}`, { waitUntil: 'domcontentloaded' });
      await tab.waitForFunction(() => document.querySelector('#desk > [inert]') && document.fonts.status === 'loaded');
      const firstLook = await tab.screenshot({ encoding: 'base64' });
      release();
      await windowReady(tab);
      await tab.evaluate(() => {
        document.activeElement.blur();
        document.querySelectorAll('.line, canvas').forEach((drawn) => { drawn.style.visibility = 'hidden'; });
      });
      assert.equal(await differingPixels(tab, firstLook, await tab.screenshot({ encoding: 'base64' })), 0);
    } finally {
      await context.close();
    }
  });
}

// Every letter of each language's alphabet beyond English's, small and capital, in each of the
// page's three faces, in both forms: the folder's font files and the fonts written into the single
// file. Ukrainian's letters are Cyrillic, which stand in fonts of their own.
const alphabets = {
  cs: 'áčďéěíňóřšťúůýž', de: 'äöüß', es: 'áéíñóúü', fr: 'àâæçéèêëîïôœùûüÿ', pl: 'ąćęłńóśźż',
  sk: 'áäčďéíĺľňóôŕšťúýž', uk: 'абвгґдеєжзиіїйклмнопрстуфхцчшщьюя',
};
// The characters each family's faces hold, read by fontTools from the style sheet's fonts.
function charactersByFamily(css, bytesOf) {
  const faces = {};
  for (const [, rule] of css.matchAll(/@font-face\s*{([^}]*)}/g)) {
    const family = rule.match(/font-family:\s*"([^"]+)"/)[1];
    const url = rule.match(/url\("?([^")]+)"?\)/)[1];
    (faces[family] ??= []).push(bytesOf(url).toString('base64'));
  }
  const python = existsSync('/usr/bin/python3') ? '/usr/bin/python3' : 'python3';
  const held = JSON.parse(execFileSync(python, ['-c', `
import base64, io, json, sys
from fontTools.ttLib import TTFont
faces = json.load(sys.stdin)
print(json.dumps({family: sorted({p for font in fonts for p in TTFont(io.BytesIO(base64.b64decode(font))).getBestCmap() or {}})
                  for family, fonts in faces.items()}))
`], { input: JSON.stringify(faces) }));
  return Object.fromEntries(Object.entries(held).map(([family, points]) => [family, new Set(points)]));
}
const fontForms = {
  'the folder': () => {
    const build = readdirSync(folder).find((name) => name.startsWith('build-'));
    return charactersByFamily(readFileSync(path.join(folder, build, 'fonts.css'), 'utf8'),
      (url) => readFileSync(path.join(folder, build, url)));
  },
  'the single file': () => charactersByFamily(readFileSync(pageFile, 'utf8'),
    (url) => Buffer.from(url.slice(url.indexOf(',') + 1), 'base64')),
};
for (const [form, read] of Object.entries(fontForms)) {
  test(`${form}'s fonts hold every letter of each language`, () => {
    const families = read();
    assert.deepEqual(Object.keys(families).sort(), ['Arial', 'MS Sans Serif', 'Times New Roman']);
    for (const [language, letters] of Object.entries(alphabets)) {
      for (const [family, held] of Object.entries(families)) {
        const missing = [...letters + letters.toUpperCase()].filter((letter) => !held.has(letter.codePointAt(0)));
        assert.deepEqual(missing, [], `${language} in ${family}`);
      }
    }
  });
}
