// A lesson around a run: a link opens the run it names, the run's own link is copied from the
// drawing's menu, its worksheet is printed, and the page works inside a learning platform's
// frame.
//
//   TR_PAGE_DIR: the folder form, served for the frame
//   TR_DRIVER: the desktop driver, whose worksheet the printed one is compared with

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { describe, test } from 'node:test';
import { desktopState, driverFile, pagesForTests, pageUrl, runEnded, windowReady } from './harness.mjs';
import { servePython } from './served.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = path.resolve(process.env.TR_PAGE_DIR ?? path.join(root, 'build/web/site'));

// A tab on the page, which closes whatever the test's end; the test fails on any console error.
const withPageFor = pagesForTests();
const withPage = (options, body) => withPageFor(body, options);

// The cells and the options chosen, as the desktop driver prints them.
const standing = (frame, cells) => frame.evaluate((cells) => ({
  cells: Object.fromEntries(cells.map((name) => [name, document.getElementById(name).value])),
  selected: [...document.querySelectorAll('input[type=radio]:checked')].map((radio) => radio.id).sort(),
}), cells);
const expectedStanding = (actions) => {
  const { cells, selected } = desktopState(actions);
  return { cells, selected: [...selected].sort() };
};
const said = (frame) => frame.$eval('#statement', (p) => p.textContent);
const ranOrRefused = (tab) => tab.waitForFunction(() => document.getElementById('message').open ||
  (!document.getElementById('desk').hasAttribute('aria-busy') && document.getElementById('statement').textContent !== ''),
{ timeout: 60000, polling: 20 });

// The window stands as the driver's clicks and typing leave it; with `run`, the run is said or
// Start's refusal shows, its typed text as text.
describe('a link opens the run it names', () => {
  const links = [
    ['?substance=glass&angle=60&distance=100', ['click opSklo', 'click opVětší', 'click opMaláDistance']],
    ['?lang=en&distance=1500&angle=critical&substance=glass&pace=fastest&run',
      ['click opSklo', 'click opMezní', 'click opVelkáDistance', 'click opRychlá', 'click cmdStart'], 'Glass at 41.839'],
    ['?angle=critical&angle=50&index=1.6&run', ['click opMezní', 'type nAlfa 50', 'type nIndex 1.6', 'click cmdStart'],
      'A medium of refractive index 1.6 at 50 degrees'],
    ['?angle=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&run', ['type nAlfa <img src=x onerror=alert(1)>'], null,
      '<img src=x onerror=alert(1)>'],
    ['?substance=%22%3E%3Cscript%3Ealert(1)%3C/script%3E&distance=javascript:alert(1)&pace=1e9', []],
  ];
  for (const [query, actions, words, refusedText] of links) {
    const ready = query.endsWith('&run') ? ranOrRefused : windowReady;
    test(query, () => withPage({ url: pageUrl + query, ready }, async (tab) => {
      if (refusedText !== undefined) {
        const message = await tab.$eval('#message-text', (p) => [p.textContent, p.childElementCount]);
        assert.ok(message[0].includes(refusedText), message[0]);
        assert.equal(message[1], 0);
        assert.equal(await tab.evaluate(() => document.querySelector('img[src=x]')), null);
        await tab.keyboard.press('Enter');
      } else if (words) {
        assert.ok((await said(tab)).startsWith(words), await said(tab));
      }
      const expected = expectedStanding(actions.filter((a) => a !== 'click cmdStart'));
      assert.deepEqual(await standing(tab, Object.keys(expected.cells)), expected);
    }));
  }
});

// The menu's link is the last run's, not the options' chosen since, and opens that run again:
// the same words said of it.
test('"Copy link to this run" copies a link that opens the same run', () => withPage({ url: `${pageUrl}?lang=en` },
  async (tab) => {
    await tab.browserContext().overridePermissions('file://', ['clipboard-read', 'clipboard-write']);
    await tab.click('#opSklo');
    await tab.click('#opMezní');
    await tab.click('#opMaláDistance');
    await tab.click('#cmdStart');
    await runEnded(tab);
    const words = await said(tab);
    await tab.click('#opVoda');
    await tab.keyboard.down('Shift');
    await tab.keyboard.press('F10');
    await tab.keyboard.up('Shift');
    const items = await tab.$$eval('#menu [role=menuitem]', (all) => all.map((item) => item.textContent));
    for (const item of items) {
      if (await tab.evaluate(() => document.activeElement.textContent) === 'Copy link to this run')
        break;
      assert.notEqual(item, items.at(-1), 'no "Copy link to this run" in the menu');
      await tab.keyboard.press('ArrowDown');
    }
    await tab.keyboard.press('Enter');
    await tab.waitForFunction(async () => (await navigator.clipboard.readText()).includes('run'));
    const link = await tab.evaluate(() => navigator.clipboard.readText());
    assert.match(link, /^file:.*\?lang=en&substance=glass&angle=critical&distance=100&pace=fastest&run$/);
    await withPage({ url: link, ready: ranOrRefused }, async (opened) => assert.equal(await said(opened), words));
  }));

const pdfText = (file) => execFileSync('pdftotext', ['-enc', 'UTF-8', file, '-'], { encoding: 'utf8' });
const flat = (text) => text.replace(/\s+/g, ' ').trim();

// The browser prints the worksheet the desktop saves: its questions and answers, each in both,
// on pages of their own, the answer key apart; in Czech its letters whole.
for (const lang of ['en', 'cs']) {
  test(`"Print worksheet…" prints the desktop's worksheet (${lang})`, () => withPage({
    url: `${pageUrl}?lang=${lang}&substance=glass&angle=60&run`,
    ready: ranOrRefused,
    // The browser's own print dialog stands in for nothing here: the sheet is printed to a PDF.
    prepare: (tab) => tab.evaluateOnNewDocument(() => {
      window.print = () => document.body.setAttribute('data-printed', '');
    }),
  }, async (tab) => {
    const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-worksheet-'));
    try {
      await tab.keyboard.down('Shift');
      await tab.keyboard.press('F10');
      await tab.keyboard.up('Shift');
      await tab.keyboard.press('End');
      await tab.keyboard.press('ArrowUp');
      await tab.keyboard.press('Enter');
      await tab.waitForSelector('body[data-printed] #worksheet img');
      const sheet = await tab.$$eval('#worksheet li', (items) => items.map((item) => item.textContent));
      writeFileSync(path.join(folder, 'page.pdf'), await tab.pdf({ format: 'A4' }));
      execFileSync(driverFile, ['--lang', lang, 'click', 'opSklo', 'click', 'opVětší', 'click', 'cmdStart',
        '--worksheet', path.join(folder, 'desktop.pdf')], { stdio: 'ignore', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
      const printed = pdfText(path.join(folder, 'page.pdf'));
      const desktop = flat(pdfText(path.join(folder, 'desktop.pdf')));
      const pages = printed.split('\f').filter((page) => page.trim());
      assert.ok(pages.length >= 3, `${pages.length} pages`);
      assert.ok(sheet.length >= 8, `${sheet.length} questions and answers`);
      for (const words of sheet) {
        assert.ok(flat(printed).includes(flat(words)), `not printed: ${words}`);
        assert.ok(desktop.includes(flat(words)), `not on the desktop's sheet: ${words}`);
      }
      // The answer key on a page of its own: the last answer stands on a page no question does.
      const keyPage = pages.find((page) => flat(page).includes(flat(sheet.at(-1))));
      assert.ok(!flat(keyPage).includes(flat(sheet[0])));
      if (lang === 'cs')
        assert.match(flat(printed), /[úůěščřžýáíé]/);
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  }));
}

// A learning platform's frame, smaller than the window's design: the page fits into it, its menu
// saves, and nothing is said on the console.
test('inside a frame: fitted, its menu saves, no console error', async () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-frame-'));
  const downloads = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-frame-saved-'));
  const server = await servePython(path.join(folder, 'served'));
  try {
    server.put(site);
    writeFileSync(path.join(folder, 'served', 'lesson.html'), `<!doctype html><html lang="en"><title>A lesson</title><link rel="icon" href="data:,">
<iframe src="index.html?substance=glass&amp;run" title="Total reflection" width="600" height="450"
  style="border: 0" allow="clipboard-write"></iframe>`);
    await withPage({ url: `${server.url}lesson.html`, downloads, ready: async (tab) => {
      const frame = await (await tab.waitForSelector('iframe')).contentFrame();
      await frame.waitForFunction(() => document.getElementById('statement').textContent !== '', { timeout: 60000 });
    } }, async (tab) => {
      const frame = await (await tab.$('iframe')).contentFrame();
      const fitted = await frame.evaluate(() => {
        const box = document.getElementById('frmKavrona').getBoundingClientRect();
        return box.left >= 0 && box.top >= 0 && box.right <= innerWidth + 0.5 && box.bottom <= innerHeight + 0.5;
      });
      assert.equal(fitted, true);
      await frame.focus('#cmdStart');
      await tab.keyboard.down('Shift');
      await tab.keyboard.press('F10');
      await tab.keyboard.up('Shift');
      for (let k = 0; k < 5 && await frame.evaluate(() => document.activeElement.textContent) !== 'Save readings as CSV…'; ++k)
        await tab.keyboard.press('ArrowDown');
      await tab.keyboard.press('Enter');
      // The file once the browser has written it whole, looked for until it is.
      const whole = () => readdirSync(downloads).length && !readdirSync(downloads).some((name) => name.endsWith('download'));
      for (const until = Date.now() + 45000; !whole() && Date.now() < until;)
        await new Promise((resume) => setTimeout(resume, 50));
      assert.deepEqual(readdirSync(downloads), ['glass-35-750.csv']);
    });
  } finally {
    server.stop();
    rmSync(folder, { recursive: true, force: true });
    rmSync(downloads, { recursive: true, force: true });
  }
});
