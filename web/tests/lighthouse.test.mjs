// The folder's first load on a phone, as Lighthouse's mobile profile simulates it from python's
// own web server: the window's first look comes before its module, so that the first and the
// largest content are painted soon. When they are painted is simulated from what the page loads
// and holds on any machine; the score also counts the main thread's work as this machine timed
// it, which a loaded machine stretches several times over: its bound is loose.
//
//   TR_PAGE_DIR: the folder form

import assert from 'node:assert/strict';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { test } from 'node:test';
import { firstLoad } from './lighthouse.mjs';
import { servePython } from './served.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const folder = path.resolve(process.env.TR_PAGE_DIR ?? path.join(root, 'build/web/site'));

test('a phone paints the first content within 1.8 s and the largest within 2.5 s', { timeout: 90000 }, async () => {
  const served = await servePython(folder);
  try {
    const { score, firstPaint, largestPaint } = await firstLoad(served.url, 'mobile');
    assert.ok(firstPaint <= 1800 && largestPaint <= 2500 && score >= 0.6,
      `score ${score}, first content ${firstPaint} ms, largest ${largestPaint} ms`);
  } finally {
    served.stop();
  }
});
