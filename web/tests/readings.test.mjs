// What a run measured, handed out by the page: said in words to a screen reader, as the browser's
// accessibility tree gives them, and copied or saved as numbers from the drawing's menu, by
// mouse, keyboard and a held finger.

import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { desktopReadings, differingReadings, drawingWhole, drawingWidthOn, holdFor, pageUrl, pagesForTests, runEnded,
  touch } from './harness.mjs';

const withPage = pagesForTests();

// What a screen reader is given: the live region's words, the drawing's description and whether
// the prompt beneath the drawing is heard, from the accessibility tree; and the scroll bar's
// value in words, which Chromium's tree leaves out.
async function heard(tab) {
  const { nodes } = await (await tab.createCDPSession()).send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const property = (node, name) => node.properties?.find((p) => p.name === name)?.value.value;
  const words = (node) => node.role?.value === 'StaticText' ? node.name.value
    : (node.childIds ?? []).map((id) => words(byId.get(id))).join('');
  const shown = nodes.filter((node) => !node.ignored);
  const live = shown.find((node) => property(node, 'live') === 'polite' && node.role?.value === 'status');
  const drawing = shown.find((node) => node.role?.value === 'image' && node.description);
  return {
    said: live ? words(live) : '',
    described: drawing?.description.value ?? '',
    prompt: shown.some((node) => node.role?.value === 'StaticText' && /^(Please press|Stiskněte)/.test(node.name?.value)),
    pace: await tab.$eval('[role=scrollbar]', (bar) => bar.getAttribute('aria-valuetext')),
  };
}

const statementRows = [
  { name: 'the start-up run', query: '', act: async (tab) => {
    await tab.click('#cmdStart');
    await runEnded(tab);
  }, words: ['less than the critical angle', 'Detector V', 'Detector H', 'Detector S'], pace: 'fastest' },
  { name: 'a Czech run beyond the critical angle', query: '?lang=cs', act: async (tab) => {
    await tab.click('#opVětší');
    await tab.click('#cmdStart');
    await runEnded(tab);
  }, words: ['úplný odraz', 'Detektor V', 'Detektor H', 'Detektor S'], pace: 'nejrychlejší' },
  { name: 'a run stopped by Exit', query: '', act: async (tab) => {
    await tab.focus('#HScroll1');
    await tab.keyboard.press('End');
    await tab.click('#cmdStart');
    await tab.evaluate(() => new Promise((shown) => requestAnimationFrame(() => requestAnimationFrame(shown))));
    await tab.click('#cmdKonec');
  }, words: ['The run was stopped after', 'Detector V'], pace: null },
];

for (const row of statementRows) {
  test(`the result in words, heard: ${row.name}`, () => withPage(async (tab) => {
    const before = await heard(tab);
    assert.equal(before.said, '');
    assert.equal(before.prompt, true);
    await row.act(tab);
    const after = await heard(tab);
    for (const words of row.words)
      assert.match(after.said, new RegExp(words, 'i'), after.said);
    if (row.pace === null)
      return;
    assert.equal(after.described, after.said);
    assert.equal(after.prompt, false);
    assert.equal(after.pace, row.pace);
  }, { url: pageUrl + row.query }));
}

// A point on the drawing away from the captions on it, which a finger's touch would be drawn to.
const onTheDrawing = (tab) => tab.$eval('.drawing', (drawing) => {
  const box = drawing.getBoundingClientRect();
  return [box.left + box.width * 0.15, box.top + box.height * 0.8];
});
const menuHidden = (tab) => tab.$eval('#menu', (menu) => menu.hidden);
const focused = (tab) => tab.evaluate(() => document.activeElement.textContent);
const offered = (tab) => tab.$$eval('#menu [role=menuitem]', (items) => items.map((item) => item.textContent));

// Walks the open menu down to an item, as a user would with the arrows.
async function choose(tab, words) {
  for (const _ of await offered(tab)) {
    if (await focused(tab) === words)
      return tab.keyboard.press('Enter');
    await tab.keyboard.press('ArrowDown');
  }
  assert.fail(`no "${words}" in the menu`);
}

// The files saved so far, once the browser has written them whole: looked for until they are, or
// for 45 s, as long as a loaded machine may take to encode a large picture.
async function saved(folder, count) {
  // A file the browser is still writing has a name of its own beside it, gone once it is whole.
  const whole = () => {
    const names = readdirSync(folder);
    const writing = names.filter((name) => name.endsWith('download'));
    return names.length - writing.length >= count && !writing.length;
  };
  for (const until = Date.now() + 45000; !whole() && Date.now() < until;)
    await new Promise((resume) => setTimeout(resume, 50));
  return readdirSync(folder).sort();
}

// The desktop's actions in the desktop's order, in the page's language; each asked for another way:
// the right button, Shift+F10 and the menu key.
test('the drawing\'s menu copies the readings in the page\'s language and saves them and the picture', async () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-saved-'));
  try {
    await withPage(async (tab) => {
      await tab.browserContext().overridePermissions('file://', ['clipboard-read', 'clipboard-write']);
      await tab.click('#cmdStart');
      await runEnded(tab);
      const reference = desktopReadings(['click', 'cmdStart']);
      await tab.mouse.click(...await onTheDrawing(tab), { button: 'right' });
      assert.deepEqual(await offered(tab), ['Bild kopieren', 'Bild speichern…',
        'Bild in doppelter Auflösung speichern…', 'Messwerte kopieren', 'Messwerte speichern…',
        'Messwerte als CSV speichern…', 'Arbeitsblatt drucken…', 'Link zu diesem Versuch kopieren']);
      await choose(tab, 'Messwerte kopieren');
      const copied = await tab.evaluate(() => navigator.clipboard.readText());
      const differing = differingReadings(copied, reference, { column: '\t', decimal: ',' });
      assert.equal(differing, -1, `line ${differing + 1} of the copy`);

      // Saved after other options are chosen, the readings are named after the run that made them.
      for (const option of ['opSklo', 'opVětší', 'opVelkáDistance'])
        await tab.click(`#${option}`);
      await tab.keyboard.down('Shift');
      await tab.keyboard.press('F10');
      await tab.keyboard.up('Shift');
      await choose(tab, 'Messwerte als CSV speichern…');
      assert.deepEqual(await saved(folder, 1), ['water-35-750.csv']);
      assert.equal(differingReadings(readFileSync(path.join(folder, 'water-35-750.csv'), 'utf8'), reference), -1);

      await tab.keyboard.press('ContextMenu');
      await choose(tab, 'Bild speichern…');
      assert.equal(await menuHidden(tab), true);
      assert.deepEqual(await saved(folder, 2), ['water-35-750.csv', 'water-35-750.png']);
      await tab.keyboard.press('ContextMenu');
      await choose(tab, 'Bild in doppelter Auflösung speichern…');
      await tab.keyboard.press('ContextMenu');
      await choose(tab, 'Messwerte speichern…');
      assert.deepEqual(await saved(folder, 4),
        ['water-35-750.csv', 'water-35-750.png', 'water-35-750.xlsx', 'water-35-750@2x.png']);
      assert.equal(readFileSync(path.join(folder, 'water-35-750.xlsx')).subarray(0, 2).toString(), 'PK');
      const canvas = await tab.$eval('.drawing', (drawing) => [drawing.dataset.width, drawing.dataset.height].map(Number));
      for (const [file, times] of [['water-35-750.png', 1], ['water-35-750@2x.png', 2]]) {
        const png = readFileSync(path.join(folder, file));
        assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], canvas.map((side) => side * times));
      }
    }, { url: `${pageUrl}?lang=de`, downloads: folder });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

// A save that cannot be made as asked says so. At 3000 x 2000 and four device pixels per pixel the
// picture at twice the resolution would need a canvas of 21,232 x 16,000 pixels, more than a
// browser holds (Chromium 16,384 squared): it is saved as large as the browser makes it, and the
// page says how large. Where the browser makes no picture at all, none is saved, and the page says so.
const unlikeAsked = [
  { name: 'a picture larger than the browser makes', screen: [3000, 2000, 4],
    item: 'Save picture at twice the resolution…',
    said: /^This browser cannot make the picture that large\. It was saved at (\d+) × (\d+) pixels/ },
  { name: 'a picture the browser makes nothing of', makesNone: true, item: 'Save picture…',
    said: /^The picture could not be saved/ },
];
for (const { name, screen, makesNone, item, said } of unlikeAsked) {
  test(`a save that cannot be made as asked says so: ${name}`, async () => {
    const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-saved-'));
    try {
      await withPage(async (tab) => {
        if (screen) {
          const [width, height, ratio] = screen;
          await tab.setViewport({ width, height, deviceScaleFactor: ratio });
          await drawingWhole(tab, drawingWidthOn(...screen));
        }
        if (makesNone)
          await tab.evaluate(() => { HTMLCanvasElement.prototype.toBlob = (done) => done(null); });
        await tab.keyboard.press('ContextMenu');
        await choose(tab, item);
        // As long as a loaded machine may take to make a large picture, as for the files saved.
        await tab.waitForFunction(() => document.getElementById('message').open, { timeout: 45000 });
        const words = await tab.$eval('#message-text', (text) => text.textContent);
        assert.match(words, said);
        if (makesNone)
          return assert.deepEqual(await saved(folder, 0), []);
        assert.deepEqual(await saved(folder, 1), ['water-35-750@2x.png']);
        const png = readFileSync(path.join(folder, 'water-35-750@2x.png'));
        const size = [png.readUInt32BE(16), png.readUInt32BE(20)];
        assert.deepEqual(size, words.match(said).slice(1).map(Number));
        const shown = await tab.$eval('.drawing', (drawing) => Number(drawing.dataset.width));
        assert.ok(size[0] > shown && size[0] * size[1] <= 2 ** 28, `${size.join(' x ')} against ${shown} shown`);
      }, { downloads: folder });
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
}

// A phone's finger on the drawing: held still, or with a real finger's wobble, it opens the menu,
// which stays when the finger lifts. Moved, with a second finger (a pinch begins), or while Enter
// begins a run or closes the window, it opens none. The next tap is a plain tap, which the page
// does not try to cancel (the console stays clean).
const phone = { width: 412, height: 915, deviceScaleFactor: 2.625, hasTouch: true, isMobile: true };
const holds = [
  { name: 'held still', opens: true },
  { name: 'held with a wobble', moves: [[3, 2], [-2, 4], [1, -3]], opens: true },
  { name: 'moved', moves: [[30, 0]], opens: false },
  { name: 'held with a second finger', fingers: 2, opens: false },
  { name: 'held while Enter presses Start', pressed: 'cmdStart', opens: false },
  { name: 'held while Enter presses Exit', pressed: 'cmdKonec', opens: false },
];
for (const { name, moves = [], fingers = 1, pressed, opens } of holds) {
  test(`a finger on the drawing ${name} ${opens ? 'opens' : 'does not open'} its menu`, () => withPage(async (tab) => {
    const [x, y] = await onTheDrawing(tab);
    const at = (dx = 0, dy = 0) => Array.from({ length: fingers }, (_, k) => [x + dx + 40 * k, y + dy - 40 * k]);
    if (pressed)
      await tab.focus(`#${pressed}`);
    await touch(tab, 'touchStart', at());
    if (pressed)
      await tab.keyboard.press('Enter');
    for (const [dx, dy] of moves)
      await touch(tab, 'touchMove', at(dx, dy));
    await holdFor(700);
    await touch(tab, 'touchEnd');
    assert.equal(await menuHidden(tab), !opens);
    if (opens)
      assert.equal(await focused(tab), (await offered(tab))[0]);
    await touch(tab, 'touchStart', [[x, y]]);
    await touch(tab, 'touchEnd');
  }, { viewport: phone }));
}

// Where the page has no asynchronous clipboard, the readings go by the older copy command, through
// a box of their own; the focus then comes back to where the menu was asked for, as after any copy.
test('copied without the asynchronous clipboard, the focus comes back', () => withPage(async (tab) => {
  await tab.evaluate(() => {
    Object.defineProperty(navigator, 'clipboard', { value: undefined });
    document.addEventListener('copy', (event) => {
      window.copied = event.target.value;
    });
  });
  await tab.keyboard.press('Enter');
  await runEnded(tab);
  await tab.keyboard.press('ContextMenu');
  await choose(tab, 'Copy readings');
  assert.match(await tab.evaluate(() => window.copied), /^step\t/);
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'cmdStart');
}));
