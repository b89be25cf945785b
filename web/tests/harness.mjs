// What the page's tests and benchmark share: headless Chromium as this machine runs it, a tab
// that fails the test on any console error, and the desktop driver.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { after, before } from 'node:test';
import assert from 'node:assert/strict';
import axe from 'axe-core';
import { launchChromium, within } from '../tools/chromium.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

export const pageFile = path.resolve(process.env.TR_PAGE_FILE ?? path.join(root, 'build/web/total-reflection.html'));
export const pageUrl = pathToFileURL(pageFile).href;
export const driverFile = process.env.TR_DRIVER ?? path.join(root, 'build/dev/tools/total-reflection-driver');
// The languages the window speaks beside English, as the build lists them (TR_LANGUAGES), or else
// as the translations' folder holds them.
export const languages = process.env.TR_LANGUAGES?.split(',')
  ?? readdirSync(path.join(root, 'translations')).map((name) => name.match(/^total-reflection_(\w+)\.ts$/)?.[1])
    .filter(Boolean);

export const launch = launchChromium;

// How long a test file's hooks may take: a browser that fails in one fails it within a minute,
// and is closed.
export const hookTimeout = 60000;

// A tab on the page, ready once the window has been built and has the focus. `problems`
// collects console errors, uncaught exceptions and failed requests; `allowed`, if given, says
// which requests may go out, the others being stopped and counted as problems.
// The viewport is the window's own size unless another is asked for: the window is then drawn at
// one pixel per pixel, as the desktop's.
export const windowSize = { width: 763, height: 575 };

// `downloads`, if given, is the folder the page's files are saved into; `prepare`, if given, is
// done to the tab before the page is opened in it; `ready` is the state waited for once it is
// (the window built, with the focus on Start). A tab that fails to open is closed.
export async function openPage(browser, { url = pageUrl, language = 'en-US', allowed, viewport = windowSize,
  downloads, prepare, ready = windowReady } = {}) {
  const context = await browser.createBrowserContext(downloads && {
    downloadBehavior: { policy: 'allow', downloadPath: downloads } });
  try {
    return { ...await openIn(context, { url, language, allowed, viewport, prepare, ready }),
      close: () => within(context.close(), 10000, 'closing the tab').catch(() => {}) };
  } catch (error) {
    await context.close().catch(() => {});
    throw error;
  }
}

// The window has been built and has the focus.
export const windowReady = (tab) => tab.waitForFunction(() => document.activeElement?.id === 'cmdStart', { timeout: 30000 });

async function openIn(context, { url, language, allowed, viewport, prepare, ready }) {
  const tab = await context.newPage();
  const problems = [];
  if (allowed) {
    await tab.setRequestInterception(true);
    tab.on('request', (request) => {
      if (allowed(request.url()))
        return request.continue();
      problems.push(`request elsewhere: ${request.url().slice(0, 100)}`);
      return request.abort();
    });
    tab.on('response', (response) => {
      if (response.status() >= 400)
        problems.push(`answered ${response.status()}: ${response.url()}`);
    });
  }
  tab.on('console', (entry) => {
    if (entry.type() === 'error')
      problems.push(`console: ${entry.text()}`);
  });
  tab.on('pageerror', (error) => problems.push(`exception: ${error.message}`));
  tab.on('requestfailed', (request) => problems.push(`request failed: ${request.url().slice(0, 100)}`));
  await tab.evaluateOnNewDocument((lang) => {
    Object.defineProperty(navigator, 'language', { get: () => lang });
    Object.defineProperty(navigator, 'languages', { get: () => [lang] });
  }, language);
  await tab.setViewport(viewport);
  await prepare?.(tab);
  await tab.goto(url);
  await ready(tab);
  return { tab, problems };
}

// Resolves when the run that has begun has ended.
export function runEnded(tab, timeout = 120000) {
  return tab.waitForFunction(() => !document.getElementById('desk').hasAttribute('aria-busy'), { timeout, polling: 20 });
}

// The window's state as the desktop driver prints it, for the same actions.
export function desktopState(actions) {
  const args = actions.flatMap(splitAction);
  const text = execFileSync(driverFile, args, {
    encoding: 'utf8',
    maxBuffer: 1 << 28,
    env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' },
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  return parseState(text);
}

// "type nIndex 1.5" -> ["type", "nIndex", "1.5"]; the text is the rest of the line.
function splitAction(action) {
  const [verb, name, ...rest] = action.split(' ');
  return verb === 'type' ? [verb, name, rest.join(' ')] : [verb, name, ...rest];
}

function parseState(text) {
  const state = { cells: {}, shown: {}, selected: [], refused: [] };
  for (const line of text.split('\n')) {
    const [word, name, ...rest] = line.split(' ');
    if (word === 'Cell')
      state.cells[name] = rest.join(' ');
    else if (word === 'Shown')
      state.shown[name] = rest[0] === '1';
    else if (word === 'Line1')
      state.line1 = [name, ...rest].map(Number);
    else if (word === 'Place' && name === 'nDetektorH')
      state.detectorH = rest.map(Number);
    else if (word === 'Selected')
      state.selected.push(name);
    else if (word === 'Refused')
      state.refused.push(name);
  }
  return state;
}

// The readings the desktop driver writes for a run after the actions given, as CSV.
export function desktopReadings(args) {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-readings-'));
  try {
    const file = path.join(folder, 'readings.csv');
    execFileSync(driverFile, [...args, '--readings', file], {
      env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' },
      stdio: 'ignore',
    });
    return readFileSync(file, 'utf8');
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// Two tables of readings with the same rows and columns and the same numbers to 1e-5 of each,
// their numbers written with the decimal separator given: the line of the first that differs.
export function differingReadings(table, reference, { column = ',', decimal = '.' } = {}) {
  const [lines, references] = [table, reference].map((text) => text.trim().split('\n'));
  assert.equal(lines.length, references.length);
  assert.equal(lines[0], references[0].replaceAll(',', column));
  return lines.findIndex((line, i) => {
    const words = line.split(column);
    const others = references[i].split(',');
    return words.length !== others.length || !words.every((word, k) => {
      const [value, other] = [Number(word.replace(decimal, '.')), Number(others[k])];
      return word === others[k] || Math.abs(value - other) <= 1e-5 * Math.abs(other) + 1e-9;
    });
  });
}

// What axe-core finds wrong in the page as it stands, one line for each rule it breaks, with the
// elements that break it. Every rule but `target-size`: the window's controls keep the sizes of
// their design.
export async function accessibilityFaults(tab) {
  await tab.evaluate(axe.source);
  return tab.evaluate(async () => {
    const { violations } = await axe.run(document, { rules: { 'target-size': { enabled: false } } });
    return violations.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target.join(' ')).join(', ')}`);
  });
}

// Fingers on the screen, through the browser's own touch input: `type` is touchStart, touchMove,
// touchEnd or touchCancel, and `points` where each finger is, as [x, y].
const touchSessions = new WeakMap();
export async function touch(tab, type, points = []) {
  if (!touchSessions.has(tab))
    touchSessions.set(tab, tab.createCDPSession());
  const session = await touchSessions.get(tab);
  await session.send('Input.dispatchTouchEvent', { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
}

// A finger kept on the screen, or still, for so long: a hold is a user's input that lasts.
export const holdFor = (ms) => new Promise((resume) => setTimeout(resume, ms));

// The drawing as the screen shows it, for a script in the page: its newest tiles drawn into one
// canvas, `whole`.
export const drawingScript = `
  const drawing = document.querySelector('.drawing');
  const whole = Object.assign(document.createElement('canvas'),
    { width: Number(drawing.dataset.width), height: Number(drawing.dataset.height) }).getContext('2d');
  for (const tile of drawing.lastElementChild.children)
    whole.drawImage(tile, Number(tile.dataset.left), Number(tile.dataset.top));`;

// The drawing's RGBA bytes, as base64, for a script in the page.
export const drawingBytesScript = `${drawingScript}
  const bytes = whole.getImageData(0, 0, whole.canvas.width, whole.canvas.height).data;
  let text = '';
  for (let k = 0; k < bytes.length; k += 0x8000)
    text += String.fromCharCode(...bytes.subarray(k, k + 0x8000));
  return btoa(text);`;

// The drawing's RGBA bytes.
export async function canvasBytes(tab) {
  return Buffer.from(await tab.evaluate(`(() => {${drawingBytesScript}})()`), 'base64');
}

// The drawing's width in device pixels on a screen of so many pixels, at so many device pixels per
// pixel: the window as large as the screen lets it be.
export const drawingWidthOn = (width, height, ratio) =>
  Math.round(windowSize.width * Math.min(width / windowSize.width, height / windowSize.height) * ratio);

// The drawing has its pixels at the resolution it is shown at: no share of it waits to be drawn
// afresh or shown.
export const drawingWhole = (tab, width) => tab.waitForFunction((width) => {
  const drawing = document.querySelector('.drawing');
  return Number(drawing.dataset.width) === width && !drawing.hasAttribute('aria-busy');
}, { timeout: 30000 }, width);

// One browser for a test file, and a fresh page for each test, whose console must stay free of
// errors: returns the function a test runs its body on the page with.
export function pagesForTests() {
  let chromium;
  before(async () => {
    chromium = await launch();
  }, { timeout: hookTimeout });
  after(() => chromium?.close(), { timeout: hookTimeout });
  return async function withPage(body, options) {
    const page = await openPage(chromium.browser, options);
    try {
      await body(page.tab);
      assert.deepEqual(page.problems, []);
    } finally {
      await page.close();
    }
  };
}
