// A run in the page: input during it waits for its end, Exit does not, no frame is held up,
// and the six substance and angle runs leave their pictures for the desktop's to be compared with.
//
//   TR_CANVAS_DIR: where the canvases are written, as RGBA bytes row by row (<substance>-<angle>.rgba)

import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { canvasBytes, desktopState, pagesForTests, runEnded } from './harness.mjs';

const canvasFolder = process.env.TR_CANVAS_DIR ?? path.join(os.tmpdir(), 'total-reflection-canvas');

const withPage = pagesForTests();

const value = (tab, id) => tab.$eval(`#${id}`, (element) => element.type === 'radio' ? element.checked : element.value);
const busy = (tab) => tab.evaluate(() => document.getElementById('desk').hasAttribute('aria-busy'));

// The slowest pace, set with the scroll bar, makes a run last long enough to act during it.
async function beginSlowRun(tab) {
  await tab.focus('#HScroll1');
  await tab.keyboard.press('End');
  await tab.click('#cmdStart');
  assert.equal(await busy(tab), true);
  // The frames the browser shows from here on.
  await tab.evaluate(() => {
    window.framesShown = 0;
    const count = () => {
      ++window.framesShown;
      requestAnimationFrame(count);
    };
    requestAnimationFrame(count);
  });
}

test('clicks and keys during a run are handled in order after it, and the run goes on frame by frame', () => withPage(async (tab) => {
  await beginSlowRun(tab);
  await tab.click('#opSklo');
  await tab.click('#opVětší');
  await tab.keyboard.press('Tab');
  await tab.keyboard.type('7');
  // Still running, and nothing has happened yet.
  assert.equal(await busy(tab), true);
  assert.deepEqual([await value(tab, 'opSklo'), await value(tab, 'nIndex'), await value(tab, 'nAlfa')], [false, '1.33', '35']);
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'cmdStart');

  await runEnded(tab);
  // Then all of it, in order: two clicks, Tab from the option clicked last to the next stop,
  // and the 7 typed there.
  const expected = desktopState(['scroll 32767', 'click opSklo', 'click opVětší', 'type nIndex 1.57']);
  assert.deepEqual(
    await tab.evaluate((cells) => cells.map((name) => document.getElementById(name).value), Object.keys(expected.cells)),
    Object.values(expected.cells));
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'nIndex');
  // The browser went on showing frames all through the run: the slowest run has 467 steps of
  // some 20 ms each. How long the longest frame took is for bench.mjs, on an idle computer.
  assert.ok(await tab.evaluate(() => window.framesShown) > 100, 'the run held up the browser');
}));

test('Exit during a run stops it at once and closes the window; what was set aside is dropped', () => withPage(async (tab) => {
  await beginSlowRun(tab);
  await tab.click('#opSklo');
  const clicked = Date.now();
  await tab.click('#cmdKonec');
  await tab.waitForSelector('#closed:not([hidden])', { timeout: 1000 });
  assert.ok(Date.now() - clicked < 1000);
  assert.equal(await tab.$eval('#desk', (desk) => desk.hidden && !desk.hasAttribute('aria-busy')), true);
  assert.equal(await value(tab, 'opSklo'), false);
}));

test('the six runs of substance and angle, written for the desktop canvas to be compared with', () => withPage(async (tab) => {
  mkdirSync(canvasFolder, { recursive: true });
  const pictures = new Set();
  for (const [substance, substanceClick] of [['water', 'opVoda'], ['glass', 'opSklo']]) {
    for (const [angle, angleClick] of [['35', 'opMenší'], ['critical', 'opMezní'], ['60', 'opVětší']]) {
      const actions = [`click ${substanceClick}`, `click ${angleClick}`, 'click opStředníDistance'];
      for (const action of actions)
        await tab.click(`#${action.split(' ')[1]}`);
      await tab.click('#cmdStart');
      await runEnded(tab);
      const bytes = await canvasBytes(tab);
      writeFileSync(path.join(canvasFolder, `${substance}-${angle}.rgba`), bytes);
      pictures.add(bytes.toString('base64'));
      const expected = desktopState(actions);
      assert.deepEqual(
        await tab.evaluate((cells) => cells.map((name) => document.getElementById(name).value), Object.keys(expected.cells)),
        Object.values(expected.cells), `${substance}-${angle}`);
    }
  }
  // Each run drew a picture of its own, on the whole canvas.
  assert.equal(pictures.size, 6);
}));

// In the browser's language, Czech or German: the captions, written for the desktop window's to be
// compared with, and the cells' numbers with a decimal comma.
for (const [language, code] of [['cs-CZ', 'cs'], ['de-DE', 'de']]) {
  test(`the window in ${code}`, () => withPage(async (tab) => {
    const captions = await tab.evaluate(() => {
      const shown = {};
      for (const element of document.querySelectorAll('#frmKavrona [id]')) {
        if (element.offsetParent === null || element.tagName === 'CANVAS' || element.type === 'range')
          continue;
        const words = element.tagName === 'INPUT' && element.type === 'radio'
          ? element.parentElement.querySelector('label').textContent
          : element.tagName === 'FIELDSET' ? element.querySelector('legend').textContent
          : element.tagName === 'INPUT' ? element.value : element.textContent;
        if (words)
          shown[element.id] = words;
      }
      return shown;
    });
    assert.equal(captions.nIndex, '1,33');
    mkdirSync(canvasFolder, { recursive: true });
    writeFileSync(path.join(canvasFolder, `captions-${code}.json`), JSON.stringify(captions));
  }, { language }));
}

// At the edge of the index's range every path's phase is large, and the sums take longest: still
// the click returns at once, its first frame kept to the budget.
test('Start at the largest index returns within 50 ms', () => withPage(async (tab) => {
  await tab.click('#nIndex', { clickCount: 3 });
  await tab.keyboard.type('1000000');
  const took = await tab.evaluate(() => {
    const start = performance.now();
    document.getElementById('cmdStart').click();
    return performance.now() - start;
  });
  assert.ok(took < 50, `the click took ${took.toFixed(1)} ms`);
  await runEnded(tab);
}));
