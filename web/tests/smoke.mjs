// Proof that the browser pipeline gives the desktop's picture: headless Chromium opens the page
// from file://, the WebAssembly build draws the start-up run onto a <canvas>, and the canvas read
// back must hash to what the native build of the same probe prints.
//
//   node web/tests/smoke.mjs [PAGE] [NATIVE_PIXELS]
// defaults: build/web/smoke.html and build/native-probe/total-reflection-pixels

import { execFileSync } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const page = path.resolve(process.argv[2] ?? path.join(root, 'build/web/smoke.html'));
const nativePixels = process.argv[3] ?? path.join(root, 'build/native-probe/total-reflection-pixels');

const expected = execFileSync(nativePixels, { encoding: 'utf8' })
  .split('\n')
  .find((line) => line.startsWith('Voda 35 750 '))
  ?.split(' ')[3];
if (!expected)
  throw new Error(`${nativePixels} printed no hash for the start-up run`);

// FNV-1a, 64 bits, over the bytes as the native buffer holds them: B, G, R, A.
function pixelHash(rgba) {
  let hash = 0xcbf29ce484222325n;
  const step = (byte) => {
    hash = BigInt.asUintN(64, (hash ^ BigInt(byte)) * 0x100000001b3n);
  };
  for (let k = 0; k < rgba.length; k += 4) {
    step(rgba[k + 2]);
    step(rgba[k + 1]);
    step(rgba[k]);
    step(rgba[k + 3]);
  }
  return hash.toString(16).padStart(16, '0');
}

const profile = await mkdtemp(path.join(os.tmpdir(), 'total-reflection-chromium-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: [
    '--no-sandbox', // as root
    '--headless',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
  ],
});
let actual;
try {
  const tab = await browser.newPage();
  tab.on('pageerror', (error) => console.error(`page: ${error.message}`));
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForFunction(() => document.title !== 'Total reflection: one run on a canvas', { timeout: 30000 });
  const title = await tab.title();
  if (title !== 'drawn')
    throw new Error(`the page says: ${title}`);
  const base64 = await tab.evaluate(() => {
    const canvas = document.getElementById('picture');
    const bytes = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let k = 0; k < bytes.length; k += 0x8000)
      text += String.fromCharCode(...bytes.subarray(k, k + 0x8000));
    return btoa(text);
  });
  actual = pixelHash(Buffer.from(base64, 'base64'));
} finally {
  await browser.close();
  await rm(profile, { recursive: true, force: true });
}

console.log(`native ${expected}\ncanvas ${actual}`);
if (actual !== expected) {
  console.error('the canvas differs from the native picture');
  process.exit(1);
}
console.log('the canvas is the native picture, pixel for pixel');
