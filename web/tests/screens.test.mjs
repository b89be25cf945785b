// The page on the screens a class meets it on: a phone held upright, a projector, laptops and
// monitors of every pixel density. The window fills the viewport and its drawing has the device's
// own resolution, drawn at it, never enlarged.
//
//   TR_CANVAS_DIR: where the drawing at twice the resolution is written, for the desktop's to be
//   compared with (water-35@RATIO.rgba)

import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { canvasBytes, drawingScript, drawingWhole, drawingWidthOn, languages, pagesForTests, pageUrl, runEnded,
  windowSize } from './harness.mjs';

const canvasFolder = process.env.TR_CANVAS_DIR ?? path.join(os.tmpdir(), 'total-reflection-canvas');
const withPage = pagesForTests();

// The window's box and the drawing's, in the browser's pixels, and the drawing's own size.
const boxes = (tab) => tab.evaluate(() => {
  const box = (element) => {
    const r = element.getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  };
  const drawing = document.querySelector('.drawing');
  return { window: box(document.querySelector('.window')), canvas: box(drawing), width: Number(drawing.dataset.width),
    height: Number(drawing.dataset.height), scrolled: [window.scrollX, window.scrollY] };
});

// The colours a stretch of the screen shows, as the browser put them there: the air beside
// Detector H's pattern, where only the run draws.
async function coloursOnScreen(tab) {
  // Once the browser has shown the last frame.
  await tab.evaluate(() => new Promise((shown) => requestAnimationFrame(() => requestAnimationFrame(shown))));
  const { canvas } = await boxes(tab);
  // On whole device pixels, so that the screenshot takes them as they are.
  const ratio = await tab.evaluate(() => devicePixelRatio);
  const at = (pixels) => Math.round(pixels * ratio) / ratio;
  const twips = (x) => x / 15 * canvas.width / windowSize.width;
  const clip = { x: at(canvas.left + twips(3300)), y: at(canvas.top + twips(1600)), width: at(twips(2200)),
    height: at(twips(2000)) };
  const png = await tab.screenshot({ clip, encoding: 'base64' });
  return tab.evaluate(async (png) => {
    const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const bytes = context.getImageData(0, 0, image.width, image.height).data;
    const colours = new Set();
    for (let k = 0; k < bytes.length; k += 4)
      colours.add(((bytes[k] << 16) | (bytes[k + 1] << 8) | bytes[k + 2]).toString(16).padStart(6, '0'));
    return [...colours].sort();
  }, png);
}

test('on a phone held upright the whole window is visible, its drawing at the device\'s resolution, and a tap runs',
  () => withPage(async (tab) => {
    const { window, canvas, width, scrolled } = await boxes(tab);
    assert.ok(window.left >= 0 && window.top >= 0 && window.left + window.width <= 390 && window.top + window.height <= 844,
      JSON.stringify(window));
    assert.deepEqual(scrolled, [0, 0]);
    assert.equal(width, Math.round(canvas.width * 3));
    const start = await tab.$eval('#cmdStart', (button) => {
      const r = button.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    });
    await tab.touchscreen.tap(...start);
    await runEnded(tab);
    // The scroll bar by touch too: its arrow a step.
    const arrow = await tab.$eval('#HScroll1 .forward', (element) => {
      const r = element.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    });
    await tab.touchscreen.tap(...arrow);
    assert.equal(await tab.$eval('#HScroll1', (bar) => bar.getAttribute('aria-valuenow')), '1');
    assert.deepEqual(await coloursOnScreen(tab), ['000000', 'c0c0c0', 'ffffff']);
  }, { viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true } }));

test('on a projector the window fills the height', () => withPage(async (tab) => {
  const { window } = await boxes(tab);
  assert.ok(window.height >= 0.85 * 1080 || window.width >= 0.85 * 1920, JSON.stringify(window));
}, { viewport: { width: 1920, height: 1080 } }));

// At every pixel density the drawing is drawn at the device's own resolution: after a run the
// screen shows the design's colours only, none that an enlarged picture's smoothing would add.
for (const ratio of [1.25, 1.5, 2, 3]) {
  test(`at ${ratio} device pixels per pixel the drawing has the device's resolution and the design's colours`,
    () => withPage(async (tab) => {
      await tab.click('#cmdStart');
      await runEnded(tab);
      const { canvas, width, height } = await boxes(tab);
      assert.deepEqual([width, height], [Math.round(canvas.width * ratio), Math.round(canvas.height * ratio)]);
      assert.deepEqual(await coloursOnScreen(tab), ['000000', 'c0c0c0', 'ffffff']);
      // At the window's own size, for the desktop's drawing at the same resolution to be compared
      // with: the picture that tiles at every ratio (tests/tst_ratios.cpp), in both front ends.
      mkdirSync(canvasFolder, { recursive: true });
      writeFileSync(path.join(canvasFolder, `water-35@${ratio}.rgba`), await canvasBytes(tab));
    }, { viewport: { ...windowSize, deviceScaleFactor: ratio } }));
}

// The drawing as the screen shows it, as a hash: a large picture compared without carrying it
// out of the page.
const shown = (tab) => tab.evaluate(`(() => {${drawingScript}
  const words = new Uint32Array(whole.getImageData(0, 0, whole.canvas.width, whole.canvas.height).data.buffer);
  let hash = 2166136261;
  for (let k = 0; k < words.length; ++k)
    hash = Math.imul(hash ^ words[k], 16777619);
  return hash;
})()`);

// A larger window, another monitor, a zoom or a rotation after a run: the finished picture is
// drawn afresh at the new resolution, the same as a run drawn there. So too in a browser without
// OffscreenCanvas, whose tiles put only the part of their pixels that changed, gathered over the
// frames a tile waits for its turn.
const refits = [
  { name: 'a larger window', viewport: { width: 2 * windowSize.width, height: 2 * windowSize.height } },
  { name: 'a large screen, its tiles in a browser without OffscreenCanvas',
    viewport: { width: 1920, height: 1080, deviceScaleFactor: 2 },
    prepare: (tab) => tab.evaluateOnNewDocument(() => delete window.OffscreenCanvas) },
];
for (const { name, viewport, prepare } of refits) {
  test(`a change of resolution after a run draws the picture afresh at the new one: ${name}`, () => withPage(async (tab) => {
    await tab.click('#cmdStart');
    await runEnded(tab);
    await tab.setViewport(viewport);
    await drawingWhole(tab, drawingWidthOn(viewport.width, viewport.height, viewport.deviceScaleFactor ?? 1));
    const redrawn = await shown(tab);
    await tab.click('#cmdStart');
    await runEnded(tab);
    assert.equal(await shown(tab), redrawn, 'the picture redrawn differs from a run at the new resolution');
  }, { prepare }));
}

// On a large screen at four device pixels per pixel the drawing has some 85 million pixels; the
// browser copies a changed canvas whole to the screen in each frame, which took a second a frame as
// one canvas. A refit there and a run are cut into slices: the picture is drawn afresh over frames,
// a key acting between them while the old picture still stands, and no frame hands the screen more
// pixels than its largest tile holds; the picture drawn afresh, shown in tiles, is the one the run
// draws there. How long the slices take, the benchmark says.
test('at 3000 x 2000 and four device pixels per pixel a refit and a run are cut into slices', () => withPage(async (tab) => {
  const wide = drawingWidthOn(3000, 2000, 4);
  await tab.click('#cmdStart');
  await runEnded(tab);
  // Each frame from now on: the most pixels one frame handed to the screen, and how many frames
  // found the picture being drawn afresh, the old one standing at the old size; and where the
  // focus went, and whether it was then.
  await tab.evaluate((old) => {
    const drawing = document.querySelector('.drawing');
    const slices = { most: 0, afresh: 0, keyWhileAfresh: [] };
    window.slices = slices;
    let put = 0;
    const counted = (kind, name, pixels) => {
      const call = kind.prototype[name];
      kind.prototype[name] = function (...words) {
        put += pixels(...words);
        return call.apply(this, words);
      };
    };
    counted(CanvasRenderingContext2D, 'putImageData', (image, x, y, l, t, w = image.width, h = image.height) => w * h);
    counted(ImageBitmapRenderingContext, 'transferFromImageBitmap', (bitmap) => bitmap.width * bitmap.height);
    const afresh = () => drawing.hasAttribute('aria-busy') && Number(drawing.dataset.width) === old;
    const frame = () => {
      slices.afresh += afresh();
      slices.most = Math.max(slices.most, put);
      put = 0;
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
    addEventListener('focusin', (event) => slices.keyWhileAfresh.push([event.target.id, afresh()]));
  }, windowSize.width);
  await tab.setViewport({ width: 3000, height: 2000, deviceScaleFactor: 4 });
  // A picture drawn afresh in one task would stand for a frame or two; this one is well under way.
  await tab.waitForFunction(() => window.slices.afresh >= 3, { polling: 'raf', timeout: 30000 });
  await tab.keyboard.press('Tab');
  await drawingWhole(tab, wide);
  const tile = await tab.$$eval('.drawing .tiles:last-child canvas', (tiles) =>
    Math.max(...tiles.map((canvas) => canvas.width * canvas.height)));
  const refit = await tab.evaluate(() => ({ ...window.slices, most: [window.slices.most, window.slices.most = 0][0] }));
  const redrawn = await shown(tab);
  await tab.click('#cmdStart');
  await runEnded(tab);
  await drawingWhole(tab, wide);
  const run = await tab.evaluate(() => window.slices.most);
  assert.deepEqual([refit.keyWhileAfresh.length, refit.keyWhileAfresh[0]?.[1]], [1, true], 'a key during the refit');
  assert.ok(refit.most <= tile && run <= tile, `${refit.most} and ${run} pixels in a frame, tiles of ${tile}`);
  assert.equal(redrawn, await shown(tab), 'the picture redrawn differs from a run at the new resolution');
}));

// No letter of a caption reaches the last row of its box, in every language, at one, 1.25 and two
// device pixels per pixel: descenders and accents stand within the box, however short it is.
test('the captions\' letters stand within their boxes', async () => {
  for (const language of ['en-US', ...languages]) {
    for (const ratio of [1, 1.25, 2]) {
      await withPage(async (tab) => {
        // The captions alone: a control standing over a caption's box is not its letters.
        await tab.evaluate(async () => {
          await document.fonts.ready;
          for (const other of document.querySelectorAll('.window > :not(.textbox, .label), .textbox.bordered'))
            other.style.visibility = 'hidden';
        });
        const png = await tab.screenshot({ encoding: 'base64' });
        const cut = await tab.evaluate(async (png) => {
          const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
          const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
          context.drawImage(image, 0, 0);
          const dpr = devicePixelRatio;
          const cut = [];
          for (const box of document.querySelectorAll('.textbox:not(.bordered), .label')) {
            if (box.closest('[hidden]'))
              continue;
            const r = box.getBoundingClientRect();
            const [left, top, right, bottom] = [r.left, r.top, r.right, r.bottom].map((edge) => Math.round(edge * dpr));
            const background = getComputedStyle(box).backgroundColor.match(/\d+/g).map(Number);
            const bytes = context.getImageData(left, top, right - left, bottom - top).data;
            // Ink is the letters' black, blended: darker in every channel. A box's edge that the browser
            // blends with the window beneath it is not.
            const inked = (k) => background.every((value, c) => bytes[k + c] <= value - 24);
            let ink = 0;
            let lastRow = 0;
            for (let k = 0; k < bytes.length; k += 4) {
              ink += inked(k);
              lastRow += inked(k) && k >= bytes.length - (right - left) * 4;
            }
            if (!ink || lastRow)
              cut.push(`${box.id} "${box.value ?? box.textContent}": ${lastRow} of ${ink} pixels of ink on its last row`);
          }
          return cut;
        }, png);
        assert.deepEqual(cut, [], `${language} at ${ratio}`);
      }, { language, viewport: { ...windowSize, deviceScaleFactor: ratio } });
    }
  }
});

// A number box shows its whole text, as the desktop's does: glass's critical angle, the widest the
// window writes, on a phone held upright and at the ratios of laptops and monitors. A field's text
// is cut where its content ends, inside its padding and border.
test('the number boxes show their whole text on every screen', async () => {
  const screens = [{ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true },
    ...[1, 1.25, 1.7391, 2].map((ratio) => ({ ...windowSize, deviceScaleFactor: ratio }))];
  for (const viewport of screens) {
    await withPage(async (tab) => {
      const cut = await tab.evaluate(async () => {
        await document.fonts.ready;
        const measure = document.createElement('canvas').getContext('2d');
        return [...document.querySelectorAll('.textbox.bordered')].flatMap((box) => {
          const style = getComputedStyle(box);
          measure.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
          const text = measure.measureText(box.value).width;
          const room = ['border-left-width', 'padding-left', 'padding-right', 'border-right-width']
            .reduce((width, side) => width - parseFloat(style.getPropertyValue(side)), box.getBoundingClientRect().width);
          return text > room ? [`${box.id} "${box.value}" is ${text} wide in ${room}`] : [];
        });
      });
      assert.deepEqual(cut, [], JSON.stringify(viewport));
    }, { url: `${pageUrl}?substance=glass&angle=critical`, viewport });
  }
});
