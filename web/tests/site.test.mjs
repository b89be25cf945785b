// The folder a teacher copies to a web space, served as a plain web space serves it (python's
// http.server: a Last-Modified date and no cache headers, the files a month old): a new build put
// in the place of an old one runs on the second load and with no network after that, a build that
// arrived in part never runs beside the old one, and where no build can be kept the page still
// works. The kept build's name changes whenever one byte of any file does.
//
//   TR_WEB_BUILD: the WebAssembly build (page-files/, streamed/, still.html)

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { hookTimeout, launch, openPage, windowReady } from './harness.mjs';
import { servePython } from './served.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const webBuild = path.resolve(process.env.TR_WEB_BUILD ?? path.join(root, 'build/web'));
const scratch = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-site-'));
const timeout = 60000;

// A build's inputs, copied, each marked with the build's letter where the page and the module can
// be asked for it, then changed by `change` and made into a folder as the build makes it.
let builds = 0;
function makeSite(letter, change = () => {}) {
  const inputs = path.join(scratch, `inputs-${++builds}`);
  cpSync(path.join(webBuild, 'page-files'), path.join(inputs, 'page-files'), { recursive: true });
  cpSync(path.join(webBuild, 'streamed'), path.join(inputs, 'streamed'), { recursive: true });
  cpSync(path.join(webBuild, 'still.html'), path.join(inputs, 'still.html'));
  cpSync(path.join(root, 'web/page/sw.js'), path.join(inputs, 'sw.js'));
  const mark = (file, name) => writeFileSync(path.join(inputs, file),
    `${readFileSync(path.join(inputs, file), 'utf8')}\nwindow.${name} = '${letter}';\n`);
  mark('page-files/page.js', 'pageBuild');
  mark('streamed/total-reflection-page.js', 'moduleBuild');
  change(inputs);
  const site = path.join(scratch, `site-${builds}`);
  execFileSync('node', [path.join(root, 'web/tools/site.mjs'), site, ...['page-files', 'streamed', 'sw.js', 'still.html']
    .map((name) => path.join(inputs, name))]);
  return { site, kept: readFileSync(path.join(site, 'sw.js'), 'utf8').match(/const kept = `\$\{ours\}(\w+)`/)?.[1] };
}

const flipByte = (file) => (inputs) => {
  const bytes = readFileSync(path.join(inputs, file));
  bytes[bytes.length >> 1] ^= 1;
  writeFileSync(path.join(inputs, file), bytes);
};

test('the kept build\'s name changes with one byte of any file, and only then', { timeout }, () => {
  const { kept } = makeSite('A');
  assert.match(kept, /^[0-9a-f]{16}$/);
  assert.equal(makeSite('A').kept, kept);
  for (const file of ['page-files/page.css', 'page-files/icons/total-reflection-192.png', 'streamed/total-reflection-page.wasm',
    'sw.js', 'still.html'])
    assert.notEqual(makeSite('A', flipByte(file)).kept, kept, file);
});

let chromium;
before(async () => {
  chromium = await launch();
}, { timeout: hookTimeout });
after(async () => {
  await chromium?.close();
  rmSync(scratch, { recursive: true, force: true });
}, { timeout: hookTimeout });

// Which build's page and which build's module run in the tab.
const running = (tab) => tab.evaluate(() => [window.pageBuild, window.moduleBuild]);

async function reload(tab) {
  await tab.reload();
  await windowReady(tab);
}

// The browser looks for a new build, as it does on every load, and the install it begins ends:
// how it ended, and the builds then kept. The page's own look as it loaded may have ended first,
// its worker then the one looked at; where that worker kept no build, it has let the registration
// go, and the browser refuses a second look. A worker that kept no build has ended once no worker
// answers for the page: the next load is the network's.
async function lookForUpdate(tab) {
  const [state, kept] = await tab.evaluate(async () => {
    const registration = await navigator.serviceWorker.register('sw.js');
    const registered = registration.installing;
    const updated = await registration.update().then(() => true, () => false);
    const worker = registration.installing ?? registration.waiting ?? registered
      ?? (updated ? registration.active : null);
    await new Promise((resolve) => {
      const ended = () => (!worker || ['redundant', 'activated'].includes(worker.state)) && resolve();
      worker?.addEventListener('statechange', ended);
      ended();
    });
    return [worker?.state ?? 'redundant', (await caches.keys()).map((name) => name.split('-').pop())];
  });
  if (!kept.length)
    await tab.waitForFunction(async () => !await navigator.serviceWorker.getRegistration(), { timeout: 30000 });
  return [state, kept];
}

test('a new build runs on the second load and offline after it, and a build that arrived in part never runs',
  { timeout }, async () => {
    const [a, b] = [makeSite('A'), makeSite('B')];
    const served = await servePython(path.join(scratch, 'served'));
    served.put(a.site);
    const { tab, problems, close } = await openPage(chromium.browser, { url: served.url });
    try {
      assert.deepEqual(await lookForUpdate(tab), ['activated', [a.kept]]);
      for (const [broken, change] of [['a file missing', (site) => rmSync(path.join(site, `build-${b.kept}`, 'total-reflection-page.wasm'))],
        ['a file cut short', (site) => writeFileSync(path.join(site, `build-${b.kept}`, 'page.js'), '')]]) {
        const part = path.join(scratch, `part-${broken.replace(/ /g, '-')}`);
        cpSync(b.site, part, { recursive: true });
        change(part);
        served.put(part);
        await reload(tab);
        assert.deepEqual([broken, await lookForUpdate(tab)], [broken, ['redundant', [a.kept]]]);
        await reload(tab);
        assert.deepEqual([broken, await running(tab)], [broken, ['A', 'A']]);
      }
      served.put(b.site);
      await reload(tab);
      assert.deepEqual(await lookForUpdate(tab), ['activated', [b.kept]]);
      await reload(tab);
      assert.deepEqual(await running(tab), ['B', 'B']);
      served.stop();
      await tab.setOfflineMode(true);
      await reload(tab);
      assert.deepEqual(await running(tab), ['B', 'B']);
      // The kept page answers whatever its address asks of it, a language among them.
      await tab.goto(`${served.url}index.html?lang=cs`);
      await windowReady(tab);
      assert.deepEqual([await running(tab), await tab.evaluate(() => document.documentElement.lang)], [['B', 'B'], 'cs']);
      assert.deepEqual(problems, []);
    } finally {
      served.stop();
      await close();
    }
  });

// A first visit, before any worker keeps a build, to a folder that arrived broken: the page is
// loaded again, once, and then says in its own language that the window has stopped, and which
// file, and offers to load it afresh. Its first look, which takes no input, is gone.
const cut = (file) => writeFileSync(file, readFileSync(file).subarray(0, readFileSync(file).length >> 1));
const brokenFolders = [
  ['the page\'s script missing', 'page.js', (file) => rmSync(file)],
  ['the module\'s script cut short', 'total-reflection-page.js', cut],
];
for (const [broken, name, change] of brokenFolders) {
  test(`a first visit to a folder with ${broken} says that the window has stopped`, { timeout }, async () => {
    const { site, kept } = makeSite('A');
    change(path.join(site, `build-${kept}`, name));
    const served = await servePython(path.join(scratch, `served-${name}`));
    served.put(site);
    const context = await chromium.browser.createBrowserContext();
    try {
      const tab = await context.newPage();
      await tab.goto(`${served.url}?lang=cs`);
      await tab.waitForSelector('#stopped:not([hidden])', { timeout: 30000 });
      const said = await tab.evaluate(() => ({
        loads: performance.getEntriesByType('navigation')[0].type,
        words: document.getElementById('stopped-text').textContent,
        button: document.activeElement.id === 'reload' && document.activeElement.textContent,
        firstLook: !document.getElementById('desk').hidden || document.querySelector('[aria-busy]') !== null,
        why: document.getElementById('stopped-error').textContent,
      }));
      assert.match(said.why, new RegExp(`/build-${kept}/${name.replace('.', '\\.')}`));
      assert.deepEqual({ ...said, why: undefined }, { loads: 'reload',
        words: 'Okno se kvůli chybě zastavilo. Znovu je spustíte novým načtením stránky.',
        button: 'Načíst znovu', firstLook: false, why: undefined });
    } finally {
      served.stop();
      await context.close();
    }
  });
}

test('where no build can be kept, the page works while there is a network, and no worker answers for it',
  { timeout }, async () => {
    const [a, b] = [makeSite('A'), makeSite('B')];
    const served = await servePython(path.join(scratch, 'served-small'));
    served.put(a.site);
    let storage;
    const quota = (quotaSize) => storage.send('Storage.overrideQuotaForOrigin', { origin: new URL(served.url).origin, quotaSize });
    const { tab, problems, close } = await openPage(chromium.browser, { url: served.url, prepare: async (tab) => {
      storage = await tab.createCDPSession();
      await quota(16384);
    } });
    try {
      assert.deepEqual(await running(tab), ['A', 'A']);
      assert.deepEqual(await lookForUpdate(tab), ['redundant', []]);
      // Room for one build, but not for a second beside it.
      await quota();
      assert.deepEqual(await lookForUpdate(tab), ['activated', [a.kept]]);
      await quota(Math.round(1.5 * await tab.evaluate(async () => (await navigator.storage.estimate()).usage)));
      served.put(b.site);
      await reload(tab);
      assert.deepEqual(await lookForUpdate(tab), ['redundant', []]);
      await reload(tab);
      assert.deepEqual([await running(tab), await tab.evaluate(() => navigator.serviceWorker.controller)], [['B', 'B'], null]);
      assert.deepEqual(problems, []);
    } finally {
      served.stop();
      await close();
    }
  });
