// The page's window against the desktop's: the state after the same actions, every control's
// place, and the keyboard.
//
//   TR_PAGE_FILE=build/web/total-reflection.html TR_DRIVER=build/dev/tools/total-reflection-driver \
//     node --test web/tests/

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { accessibilityFaults, desktopState, drawingScript, launch, pagesForTests, pageUrl, runEnded, touch, windowSize }
  from './harness.mjs';

const withPage = pagesForTests();

// What the page shows of the state the desktop driver prints. Places in CSS pixels from the
// window's corner.
function pageState(tab, cells) {
  return tab.evaluate((cells) => {
    const element = (id) => document.getElementById(id);
    const origin = element('frmKavrona').getBoundingClientRect();
    const box = (id) => {
      const r = element(id).getBoundingClientRect();
      return [r.left - origin.left, r.top - origin.top, r.width, r.height];
    };
    const shown = (id) => !element(id).closest('[hidden]');
    return {
      cells: Object.fromEntries(cells.map((name) => [name, element(name).value])),
      shown: { nVoda: shown('nVoda'), nSklo: shown('nSklo') },
      line1: [...box('Line1'), shown('Line1')],
      detectorH: box('nDetektorH').slice(0, 2),
      selected: [...document.querySelectorAll('input[type=radio]:checked')].map((radio) => radio.id).sort(),
    };
  }, cells);
}

function assertSameState(actual, expected) {
  assert.deepEqual(actual.cells, expected.cells);
  assert.deepEqual(actual.shown, expected.shown);
  assert.deepEqual(actual.selected, [...expected.selected].sort());
  // The desktop's pixels of a horizontal line one pixel wide.
  const [x1, y, x2, , shown] = expected.line1;
  const column = (twips) => Math.floor(twips / 15);
  assert.deepEqual(actual.line1, [column(x1) + 1, column(y), column(x2) - column(x1), 1, shown === 1]);
  actual.detectorH.forEach((pixels, k) => assert.ok(Math.abs(pixels - expected.detectorH[k] / 15) <= 1,
    `nDetektorH at ${actual.detectorH}, the desktop's at ${expected.detectorH} twips`));
}

// Does what the driver's action does, the way a user does it.
async function perform(tab, action) {
  const [verb, name, ...rest] = action.split(' ');
  if (verb === 'click') {
    await tab.click(`#${name}`);
    if (name === 'cmdStart')
      await runEnded(tab);
  } else if (verb === 'type') {
    await tab.focus(`#${name}`);
    await tab.keyboard.down('Control');
    await tab.keyboard.press('a');
    await tab.keyboard.up('Control');
    await tab.keyboard.type(rest.join(' '));
  } else if (verb === 'scroll') {
    // Page Up moves a tenth of the range towards the end, an arrow one step.
    const position = Number(name);
    await tab.focus('#HScroll1');
    await tab.keyboard.press('Home');
    if (position === 32767) {
      await tab.keyboard.press('End');
      return;
    }
    for (let k = 0; k < Math.floor(position / 3277); ++k)
      await tab.keyboard.press('PageUp');
    for (let k = 0; k < position % 3277; ++k)
      await tab.keyboard.press('ArrowRight');
  }
}

describe('the state after the same actions as on the desktop', () => {
  const sequences = [
    [],
    ['click opSklo'],
    ['click opSklo', 'click opMezní'],
    ['click opMezní', 'click opSklo', 'click opVoda'],
    ['click opVětší', 'click opVelkáDistance'],
    ['click opMaláDistance', 'click opMaláDistance'],
    // A click on the option already selected runs its handler again.
    ['type nIndex 1.6', 'type nAlfa 12', 'click opMenší'],
    ['type nAlfa <b>12</b>', 'click cmdStart'],
    ['type nIndex 2000000', 'click opVětší', 'click cmdStart'],
    ['scroll 32767'],
    ['scroll 6556', 'click opSklo'],
    ['scroll 32767', 'scroll 0'],
    ['click opSklo', 'click opVelkáDistance', 'click cmdStart'],
  ];
  for (const actions of sequences) {
    test(actions.join(', ') || 'start-up', () => withPage(async (tab) => {
      const expected = desktopState(actions);
      for (const action of actions)
        await perform(tab, action);
      if (expected.refused.length) {
        // The message names what was typed, as plain text, and the focus goes back to Start.
        const typed = actions.findLast((action) => action.startsWith('type')).split(' ').slice(2).join(' ');
        const message = await tab.waitForSelector('dialog[role=alertdialog][open]');
        assert.equal(await message.evaluate((dialog) => document.activeElement?.closest('dialog') === dialog), true);
        assert.equal(await tab.$eval('#message-text', (p) => p.childElementCount), 0);
        assert.match(await tab.$eval('#message-text', (p) => p.textContent), new RegExp(typed.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')));
        await tab.keyboard.press('Enter');
        assert.equal(await tab.evaluate(() => document.getElementById('message').open), false);
        assert.equal(await tab.evaluate(() => document.activeElement.id), 'cmdStart');
      }
      assertSameState(await pageState(tab, Object.keys(expected.cells)), expected);
    }));
  }
});

// The design and the state at start-up, from a module of the page's own, not from the page, and
// the round of Tab's stops from Start back to Start that the window's rule makes.
const startup = () => async () => {
  const api = totalReflectionModule(await createTotalReflection(), (error) => {
    throw error;
  });
  const design = api.design();
  // The first changes the module hands back are the whole state.
  const { controls, lines } = api.start('.').changes;
  const round = [];
  do
    round.push(api.key(round.at(-1) ?? 'cmdStart', 'Tab', false, false, false, false, false).answer.control);
  while (round.at(-1) !== 'cmdStart');
  const each = (table, value) => Object.fromEntries(Object.entries(table).map(([name, item]) => [name, value(item)]));
  const state = { shown: each(controls, (c) => c.shown), places: each(controls, (c) => c.place),
    lines: each(lines, (l) => api.linePixels(...l.from, ...l.to, l.width, 1)) };
  return { design, state, round };
};

test('every control stands where the design puts it, every line on its pixels, the drawing above the prompt and below the rest',
  () => withPage(async (tab) => {
    const misplaced = await tab.evaluate(async (startup) => {
      const { design, state } = await eval(startup)();
      const t = design.twipsPerPixel;
      const origin = document.getElementById(design.window.name).getBoundingClientRect();
      const wrong = [];
      const check = (name, element, want, tolerance) => {
        const r = element.getBoundingClientRect();
        const got = [r.left - origin.left, r.top - origin.top, r.right - origin.left, r.bottom - origin.top];
        if (got.some((value, k) => Math.abs(value - want[k]) > tolerance))
          wrong.push(`${name} at ${got.join(' ')}, not ${want.join(' ')}`);
      };
      check('the window', document.getElementById(design.window.name), [0, 0, design.window.width, design.window.height], 0);
      const drawing = document.querySelector('.drawing');
      check('the drawing', drawing, [0, 0, Number(drawing.dataset.width), Number(drawing.dataset.height)], 0);
      const byName = new Map(design.controls.map((control) => [control.name, control]));
      for (const control of design.controls) {
        const frame = byName.get(control.container);
        if (!state.shown[control.name] || (frame && !state.shown[frame.name]))
          continue;
        const [left, top] = state.places[control.name];
        const [dx, dy] = frame ? state.places[frame.name] : [0, 0];
        const want = [(dx + left) / t, (dy + top) / t, (dx + left + control.width) / t, (dy + top + control.height) / t];
        // Twips fall between pixels: a control stands within a pixel of its place.
        check(control.name, document.getElementById(control.name), want, 1);
        // Whatever stands above the drawing takes the clicks on it; the prompt lies beneath.
        const r = document.getElementById(control.name).getBoundingClientRect();
        const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
        const expected = control.name === design.beneathDrawing ? drawing : document.getElementById(control.name);
        if (control.kind !== 'Frame' && !expected.contains(hit))
          wrong.push(`${hit?.id || hit?.tagName} is above ${control.name}`);
      }
      // A line control sets exactly the pixels the window's rule gives it.
      for (const line of design.lines) {
        const { left, top, width, height } = state.lines[line.name];
        check(line.name, document.getElementById(line.name), [left, top, left + width, top + height], 0);
      }
      return wrong;
    }, `(${startup()})`);
    assert.deepEqual(misplaced, []);
  }));

// A screen reader announces every control and line by its design name.
test('every control and line is announced by the name the design gives it', () => withPage(async (tab) => {
  const named = await tab.evaluate(async (startup) => {
    const { design, state } = await eval(startup)();
    const shown = (c) => state.shown[c.name] && (!c.container || state.shown[c.container]);
    return [...design.controls.filter((c) => shown(c) && c.kind !== 'Label'), ...design.lines]
      .map((c) => [c.name, c.accessibleName]);
  }, `(${startup()})`);
  const tree = await tab.accessibility.snapshot({ interestingOnly: false });
  const announced = new Map();
  const walk = (node) => {
    announced.set(node.name, true);
    node.children?.forEach(walk);
  };
  walk(tree);
  assert.deepEqual(named.filter(([, name]) => !announced.has(name)), []);
}));

// The page as assistive technology reads it, checked by axe-core in the states a user meets it in.
const readStates = [
  ['at start-up', async () => {}],
  ['after a run', async (tab) => {
    await tab.click('#cmdStart');
    await runEnded(tab);
  }],
  ['with the drawing\'s menu open', async (tab) => {
    await tab.keyboard.press('ContextMenu');
    await tab.waitForFunction(() => document.activeElement.getAttribute('role') === 'menuitem');
  }],
  ['with a refusal open', async (tab) => {
    await perform(tab, 'type nIndex x');
    await tab.click('#cmdStart');
    await tab.waitForSelector('dialog[open]');
  }],
  ['on a phone held upright', async () => {}, { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true,
    hasTouch: true }],
];
for (const [name, reach, viewport] of readStates) {
  test(`axe-core finds nothing wrong ${name}`, () => withPage(async (tab) => {
    await reach(tab);
    assert.deepEqual(await accessibilityFaults(tab), []);
  }, viewport && { viewport }));
}

describe('the keyboard', () => {
  // Round the whole tab order, from Start back to Start, forward and back: the stops are the
  // window's, the option groups one stop each and the stop before Start included.
  test('Tab walks the window\'s tab order round and Shift+Tab walks it back', () => withPage(async (tab) => {
    const { round } = await tab.evaluate(async (startup) => eval(startup)(), `(${startup()})`);
    const focused = () => tab.evaluate(() => document.activeElement.id);
    const walk = [];
    for (const _ of round) {
      await tab.keyboard.press('Tab');
      walk.push(await focused());
    }
    assert.deepEqual(walk, round);
    const back = [];
    for (const _ of round) {
      await tab.keyboard.down('Shift');
      await tab.keyboard.press('Tab');
      await tab.keyboard.up('Shift');
      back.push(await focused());
    }
    assert.deepEqual(back, [...round.slice(0, -1).reverse(), 'cmdStart']);
  }));

  test('the arrows choose the nearest option that way, as clicks', () => withPage(async (tab) => {
    await tab.keyboard.press('Tab');
    await tab.keyboard.press('Tab');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'opMenší');
    const path = [];
    for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowUp']) {
      await tab.keyboard.press(key);
      path.push(await tab.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(path, ['opMezní', 'opVětší', 'opVětší', 'opMezní']);
    const expected = desktopState(['click opMezní', 'click opVětší', 'click opMezní']);
    assertSameState(await pageState(tab, Object.keys(expected.cells)), expected);
  }));

  test('Enter on Start runs; a held Enter presses once', () => withPage(async (tab) => {
    await tab.keyboard.press('Enter');
    await runEnded(tab);
    // The run has painted over the prompt beneath the drawing.
    const alpha = await tab.evaluate(`(() => {
      ${drawingScript}
      const r = document.getElementById('labKlepnete').getBoundingClientRect();
      const c = drawing.getBoundingClientRect();
      return whole.getImageData(r.left - c.left + r.width / 2, r.top - c.top + r.height / 2, 1, 1).data[3];
    })()`);
    assert.equal(alpha, 255);
    // Held on Start with a cell Start refuses: one message, which the repeats do not close.
    await perform(tab, 'type nIndex x');
    await tab.focus('#cmdStart');
    await tab.evaluate(() => {
      window.presses = 0;
      document.getElementById('cmdStart').addEventListener('click', () => ++window.presses);
    });
    await tab.keyboard.down('Enter');
    await tab.keyboard.down('Enter');
    await tab.keyboard.down('Enter');
    await tab.keyboard.up('Enter');
    assert.deepEqual(await tab.evaluate(() => [window.presses, document.getElementById('message').open]), [1, true]);
  }));
});

describe('what a careless or hostile user gives the page', () => {
  // A language tag that names no language the window speaks is passed over; a number system the
  // page cannot use leaves the decimal point. Each starts the window (openPage waits for it).
  test('a malformed or unusable language starts the window all the same', () => withPage(async (tab) => {
    const rows = [
      ['', '1.33'], ['x!', '1.33'], ['__proto__', '1.33'], ['constructor', '1.33'], ['cs_CZ', '1,33'],
      ['de-', '1.33'], ['x'.repeat(7000), '1.33'], ['en-u-nu-adlm', '1.33'], ['ar-EG', '1\u066B33'],
    ];
    const shown = [];
    for (const [lang] of rows) {
      await tab.goto(`${tab.url().split('?')[0]}?lang=${encodeURIComponent(lang)}`);
      await tab.waitForFunction(() => document.activeElement?.id === 'cmdStart', { timeout: 30000 });
      shown.push(await tab.$eval('#nIndex', (box) => box.value));
    }
    assert.deepEqual(shown, rows.map(([, index]) => index));
  }));

  test('a browser that calls its language "C" starts the window in English', () => withPage(async (tab) => {
    assert.deepEqual(await tab.evaluate(() => [document.documentElement.lang, document.getElementById('nIndex').value]),
      ['en', '1.33']);
  }, { language: 'C' }));

  // Two million characters pasted: the box keeps one more than the desktop's holds, so that Start
  // refuses it as too long rather than run a number cut short, with a message that fits its
  // dialog, and after OK a sound index runs.
  test('a paste of two million characters is refused, and the window goes on', () => withPage(async (tab) => {
    await tab.click('#nIndex', { clickCount: 3 });
    await tab.keyboard.sendCharacter('9'.repeat(2000000));
    assert.equal(await tab.$eval('#nIndex', (box) => box.value.length), 32768);
    await tab.click('#cmdStart');
    await tab.waitForSelector('dialog[open]');
    const overflow = await tab.$eval('#message', (dialog) => [dialog, ...dialog.querySelectorAll('*')]
      .filter((element) => element.scrollWidth > element.clientWidth).map((element) => element.id || element.tagName));
    assert.deepEqual(overflow, []);
    assert.match(await tab.$eval('#message-text', (p) => p.textContent), /longer than the box holds, 32767/);
    await tab.keyboard.press('Enter');
    await tab.click('#nIndex', { clickCount: 3 });
    await tab.keyboard.type('1.5');
    await tab.click('#cmdStart');
    await runEnded(tab);
    assert.equal(await tab.evaluate(() => document.getElementById('message').open), false);
  }));

  // A drag of the thumb by a finger that the browser takes back, as for a gesture of its own, ends
  // there: a mouse that passes over the thumb afterwards leaves the pace as it is.
  test('a drag of the scroll bar\'s thumb that the browser cancels ends', () => withPage(async (tab) => {
    const thumb = () => tab.$eval('#HScroll1 .thumb', (element) => {
      const box = element.getBoundingClientRect();
      return [box.left + box.width / 2, box.top + box.height / 2];
    });
    const pace = () => tab.$eval('#HScroll1', (bar) => bar.getAttribute('aria-valuenow'));
    const [x, y] = await thumb();
    await touch(tab, 'touchStart', [[x, y]]);
    await touch(tab, 'touchMove', [[x + 40, y]]);
    await touch(tab, 'touchCancel');
    const dragged = await pace();
    assert.notEqual(dragged, '0');
    const [left, top] = await thumb();
    await tab.mouse.move(left, top);
    await tab.mouse.move(left + 30, top);
    assert.equal(await pace(), dragged);
  }, { viewport: { ...windowSize, hasTouch: true } }));

  // The module receives exactly what was typed: a NUL does not end it (the refusal shows it by its
  // code point, as whatever has no ink), and a lone surrogate, which no UTF-8 can hold, becomes
  // U+FFFD.
  test('a NUL and a lone surrogate reach the window as typed', () => withPage(async (tab) => {
    await tab.click('#nIndex', { clickCount: 3 });
    await tab.keyboard.sendCharacter('1\u00002');
    await tab.click('#cmdStart');
    await tab.waitForSelector('dialog[open]');
    assert.match(await tab.$eval('#message-text', (p) => p.textContent), /\u201C1\u27E8U\+0000\u27E92\u201D/);
    await tab.keyboard.press('Enter');
    const kept = await tab.$eval('#nAlfa', (box) => {
      box.value = '3\uD8005';
      box.dispatchEvent(new Event('input'));
      return box.value;
    });
    assert.equal(kept, '3\uFFFD5');
  }));
});

// Should the module ever trap, the page does not go on with dead controls: it says the window
// stopped, with the error, and offers to reload.
test('a module that traps stops the window and offers to reload', async () => {
  const chromium = await launch();
  try {
    const context = await chromium.browser.createBrowserContext();
    const tab = await context.newPage();
    const problems = [];
    tab.on('pageerror', (error) => problems.push(error.message));
    // The module the page creates, kept where the test can reach it.
    await tab.evaluateOnNewDocument(() => {
      let create;
      Object.defineProperty(window, 'createTotalReflection', {
        configurable: true,
        get: () => (...args) => create(...args).then((module) => (window.module = module)),
        set: (value) => { create = value; },
      });
    });
    await tab.goto(pageUrl);
    await tab.waitForFunction(() => document.activeElement?.id === 'cmdStart', { timeout: 30000 });
    await tab.evaluate(() => {
      window.module._tr_call = () => { throw new WebAssembly.RuntimeError('unreachable'); };
    });
    await tab.click('#cmdStart');
    await tab.waitForSelector('#stopped:not([hidden])', { timeout: 5000 });
    assert.deepEqual(await tab.evaluate(() => [document.getElementById('desk').hidden,
      document.getElementById('stopped-error').textContent, document.activeElement.id]), [true, 'unreachable', 'reload']);
    assert.deepEqual(problems, ['unreachable']);
  } finally {
    await chromium.close();
  }
});
