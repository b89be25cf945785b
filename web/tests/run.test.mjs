// A run in the page: input during it waits for its end, Exit does not, no frame is held up,
// and the six substance and angle runs leave their pictures for the desktop's to be compared with.
//
//   TR_CANVAS_DIR: where the canvases are written, as RGBA bytes row by row (<substance>-<angle>.rgba)

import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { canvasBytes, desktopState, drawingScript, holdFor, languages, pagesForTests, runEnded, touch, windowSize } from './harness.mjs';

const canvasFolder = process.env.TR_CANVAS_DIR ?? path.join(os.tmpdir(), 'total-reflection-canvas');

const withPage = pagesForTests();

const value = (tab, id) => tab.$eval(`#${id}`, (element) => element.type === 'radio' ? element.checked : element.value);
const busy = (tab) => tab.evaluate(() => document.getElementById('desk').hasAttribute('aria-busy'));

// A run slow enough to act during it, a second or so for each page the scroll bar is moved on:
// Start pressed with the focus in the angle's box, the caret at its end. The frames the browser
// shows from then on are counted.
async function beginSlowRun(tab, pages = 1) {
  await tab.focus('#HScroll1');
  await tab.keyboard.press('Home');
  for (let page = 0; page < pages; ++page)
    await tab.keyboard.press('PageUp');
  await tab.evaluate(() => {
    const angle = document.getElementById('nAlfa');
    angle.focus();
    angle.setSelectionRange(angle.value.length, angle.value.length);
    document.getElementById('cmdStart').click();
    window.framesShown = 0;
    const count = () => {
      ++window.framesShown;
      requestAnimationFrame(count);
    };
    requestAnimationFrame(count);
  });
  assert.equal(await busy(tab), true);
}

const middleOf = (tab, selector) => tab.$eval(selector, (element) => {
  const box = element.getBoundingClientRect();
  return [box.left + box.width / 2, box.top + box.height / 2];
});

// A run's first frame is drawn in the click's own turn: the background's first lines are on the
// canvas when the click returns.
test('a run draws its first frame in the click\'s own turn', () => withPage(async (tab) => {
  const drawn = await tab.evaluate(`(() => {
    document.getElementById('cmdStart').click();
    ${drawingScript}
    return [...whole.getImageData(2, 2, 1, 1).data];
  })()`);
  assert.deepEqual(drawn, [0xC0, 0xC0, 0xC0, 0xFF]);
  await runEnded(tab);
}));

// What the user does during a run, and what the desktop driver does for the same after it.
const duringRun = [
  ['two clicks, a key and Tab', async (tab) => {
    await tab.click('#opSklo');
    await tab.click('#opVětší');
    await tab.keyboard.type('7');
    await tab.keyboard.press('Tab');
    // Tab moves the focus at once; the rest waits.
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'opMenší');
  }, ['click opSklo', 'click opVětší', 'type nAlfa 607'], 'opVětší'],
  ['a tap on an option', async (tab) => tab.touchscreen.tap(...await middleOf(tab, '#opSklo')),
    ['click opSklo'], 'opSklo'],
  ['a paste into the angle', async (tab) => {
    await tab.evaluate(() => navigator.clipboard.writeText('7'));
    await tab.keyboard.down('Control');
    await tab.keyboard.press('v', { commands: ['Paste'] });
    await tab.keyboard.up('Control');
  }, ['type nAlfa 357'], 'nAlfa'],
  // Keys that edit the angle come back at the caret, each on its own side of it: "35" with the
  // caret moved between its digits, Backspace, 4 and Delete leave "4".
  ['Backspace and Delete in the angle', async (tab) => {
    for (const key of ['ArrowLeft', 'Backspace', '4', 'Delete'])
      await tab.keyboard.press(key);
  }, ['type nAlfa 4'], 'nAlfa'],
  // A click on the track moves the bar a page towards it, on an arrow a step: the same as outside
  // a run.
  ["a click on the scroll bar's track", async (tab) => {
    const [, y] = await middleOf(tab, '#HScroll1');
    const right = await tab.$eval('#HScroll1 .forward', (arrow) => arrow.getBoundingClientRect().left);
    await tab.mouse.click(right - 3, y);
  }, ['scroll 6554'], 'HScroll1'],
  ["a click on the scroll bar's arrow", async (tab) => tab.click('#HScroll1 .forward'), ['scroll 3278'], 'HScroll1'],
];

for (const [name, act, after, focused] of duringRun) {
  test(`during a run, ${name} waits for its end, then acts as outside a run`, () => withPage(async (tab) => {
    await beginSlowRun(tab);
    const before = await tab.evaluate(() => [...document.querySelectorAll('#frmKavrona input')]
      .map((input) => input.type === 'radio' ? input.checked : input.value));
    await act(tab);
    assert.equal(await busy(tab), true, 'the run ended before the input was made');
    assert.deepEqual(await tab.evaluate(() => [...document.querySelectorAll('#frmKavrona input')]
      .map((input) => input.type === 'radio' ? input.checked : input.value)), before);
    await runEnded(tab);
    const expected = desktopState(['scroll 3277', ...after]);
    const [cells, values] = [Object.keys(expected.cells), Object.values(expected.cells)];
    // What was set aside is handed back once the run has ended, in a task of its own.
    const handedBack = (cells, values, focused) => document.activeElement.id === focused &&
      cells.every((cell, k) => document.getElementById(cell).value === values[k]);
    await tab.waitForFunction(handedBack, { timeout: 10000 }, cells, values, focused).catch(() => {});
    const shown = await tab.evaluate((cells) => cells.map((cell) => document.getElementById(cell).value), cells);
    assert.deepEqual(shown, values);
    assert.equal(await tab.evaluate(() => document.activeElement.id), focused);
    // The browser went on showing frames all through the run.
    assert.ok(await tab.evaluate(() => window.framesShown) > 10, 'the run held up the browser');
  }));
}

// The drawing's menu asked for during a run, from the keyboard or by the right button, opens after
// the run, and the keys that came after the asking walk it and choose from it, as with no run: the
// menu key, then the arrows down to "Copy readings" and Enter copy the readings. A finger held
// during a run opens no menu in the middle of it.
const drawingPoint = (tab) => tab.$eval('.drawing', (drawing) => {
  const box = drawing.getBoundingClientRect();
  return [box.left + box.width * 0.15, box.top + box.height * 0.8];
});
const menuDuringRun = [
  ['the menu key, the arrows and Enter', async (tab, items) => {
    const steps = items.indexOf('Copy readings');
    await tab.keyboard.press('Tab');
    await tab.keyboard.press('ContextMenu');
    for (let k = 0; k < steps; ++k)
      await tab.keyboard.press('ArrowDown');
    await tab.keyboard.press('Enter');
  }, async (tab) => {
    await tab.waitForFunction(async () => (await navigator.clipboard.readText()).startsWith('step\t'));
    assert.equal(await busy(tab), false, 'Enter pressed a button behind the menu');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'opMenší');
  }],
  // A key after the right click is the menu's, not the angle's box's, which had the focus.
  ['a right click on the drawing, then a digit', async (tab) => {
    await tab.mouse.click(...await drawingPoint(tab), { button: 'right' });
    await tab.keyboard.type('5');
  }, async (tab) => {
    await tab.waitForFunction(() => document.activeElement.getAttribute('role') === 'menuitem');
    assert.equal(await tab.$eval('#menu', (menu) => menu.hidden), false);
    assert.equal(await value(tab, 'nAlfa'), '35');
  }],
  ['a finger held on the drawing', async (tab) => {
    await touch(tab, 'touchStart', [await drawingPoint(tab)]);
    await holdFor(700);
    await touch(tab, 'touchEnd');
  }, async () => {}],
];
for (const [name, act, after] of menuDuringRun) {
  test(`during a run, ${name} opens no menu; after it, as outside a run`, () => withPage(async (tab) => {
    await tab.browserContext().overridePermissions('file://', ['clipboard-read', 'clipboard-write']);
    const items = await tab.$$eval('#menu [role=menuitem]', (buttons) => buttons.map((item) => item.textContent));
    await beginSlowRun(tab, 3);
    await act(tab, items);
    assert.equal(await tab.$eval('#menu', (menu) => menu.hidden), true);
    assert.equal(await busy(tab), true, 'the run ended before the input was made');
    await runEnded(tab);
    await after(tab);
  }, { viewport: { ...windowSize, hasTouch: true } }));
}

// Exit does not wait, whether clicked or reached by Tab and pressed by Enter.
const exits = [
  ['a click on Exit', async () => {}, (tab) => tab.click('#cmdKonec')],
  ['Tab to Exit and Enter', async (tab) => {
    await tab.focus('#cmdStart');
    for (let stop = 0; stop < 20 && await tab.evaluate(() => document.activeElement.id) !== 'cmdKonec'; ++stop)
      await tab.keyboard.press('Tab');
  }, (tab) => tab.keyboard.press('Enter')],
];
for (const [name, reach, press] of exits) {
  test(`${name} during a run stops it at once and closes the window; what was set aside is dropped`,
    () => withPage(async (tab) => {
      await beginSlowRun(tab);
      await tab.click('#opSklo');
      await reach(tab);
      assert.equal(await tab.$eval('#desk', (desk) => desk.hasAttribute('aria-busy')), true);
      const asked = Date.now();
      await press(tab);
      await tab.waitForSelector('#closed:not([hidden])', { timeout: 1000 });
      assert.ok(Date.now() - asked < 1000);
      assert.equal(await tab.$eval('#desk', (desk) => desk.hidden && !desk.hasAttribute('aria-busy')), true);
      assert.equal(await value(tab, 'opSklo'), false);
    }));
}

test('the six runs of substance and angle, written for the desktop canvas to be compared with', () => withPage(async (tab) => {
  mkdirSync(canvasFolder, { recursive: true });
  writeFileSync(path.join(canvasFolder, 'startup.rgba'), await canvasBytes(tab));
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

// In the browser's language, each the window speaks: the captions, written for the desktop window's
// to be compared with, and the cells' numbers with the language's decimal separator (a comma in
// each of them).
for (const code of languages) {
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
    const decimal = new Intl.NumberFormat(code).formatToParts(1.5).find((part) => part.type === 'decimal').value;
    assert.equal(captions.nIndex, `1${decimal}33`);
    mkdirSync(canvasFolder, { recursive: true });
    writeFileSync(path.join(canvasFolder, `captions-${code}.json`), JSON.stringify(captions));
  }, { language: code }));
}

// At the edge of the index's range every path's phase is large, and the sums take longest: still
// the click returns at once, its first frame kept to the budget.
// The sums of a run at the index's bound once took half a second before the first frame; the first
// frame does a frame's work. The bound leaves room for a loaded machine.
test('Start at the largest index returns within 200 ms', () => withPage(async (tab) => {
  await tab.click('#nIndex', { clickCount: 3 });
  await tab.keyboard.type('1000000');
  const took = await tab.evaluate(() => {
    const start = performance.now();
    document.getElementById('cmdStart').click();
    return performance.now() - start;
  });
  assert.ok(took < 200, `the click took ${took.toFixed(1)} ms`);
  await runEnded(tab);
}));
