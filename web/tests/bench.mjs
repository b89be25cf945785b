// How fast the page is in headless Chromium: from navigation to the window's first paint, the
// median of ten runs at the fastest pace (from the click on Start to the run's end, with the
// longest frame of each), and the bytes the page loads.
//
//   node web/tests/bench.mjs [PAGE_FILE_OR_URL]
// default: TR_PAGE_FILE, or build/web/total-reflection.html

import { pathToFileURL } from 'node:url';
import { launch, openPage, pageUrl } from './harness.mjs';

const argument = process.argv[2];
const url = !argument ? pageUrl : /^[a-z]+:/.test(argument) ? argument : pathToFileURL(argument).href;
const runs = 10;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const chromium = await launch();
try {
  const { tab, problems, close } = await openPage(chromium.browser, { url });
  // The paint entries may come a moment after the page says it is ready: waited for.
  const loaded = await tab.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list, observer) => {
      observer.disconnect();
      const entries = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
      resolve({
        firstPaint: Math.min(...list.getEntries().map((entry) => entry.startTime)),
        bytes: entries.reduce((sum, entry) => sum + (entry.transferSize || entry.decodedBodySize || 0), 0),
      });
    }).observe({ type: 'paint', buffered: true });
  }));

  const timings = [];
  for (let k = 0; k < runs; ++k) {
    // A run is timed in the page, from the click to the end of its last frame.
    timings.push(await tab.evaluate(() => new Promise((resolve) => {
      const desk = document.getElementById('desk');
      let longest = 0;
      let last;
      const start = performance.now();
      const watch = (now) => {
        longest = Math.max(longest, now - (last ?? start));
        last = now;
        if (desk.hasAttribute('aria-busy'))
          requestAnimationFrame(watch);
        else
          resolve({ run: performance.now() - start, longest });
      };
      document.getElementById('cmdStart').click();
      requestAnimationFrame(watch);
    })));
  }
  await close();
  if (problems.length)
    console.error(problems.join('\n'));

  console.log(`page          ${url}`);
  console.log(`first paint   ${loaded.firstPaint?.toFixed(1)} ms after navigation`);
  console.log(`run, median   ${median(timings.map((t) => t.run)).toFixed(1)} ms of ${runs} at the fastest pace`);
  console.log(`longest frame ${Math.max(...timings.map((t) => t.longest)).toFixed(1)} ms`);
  console.log(`loaded        ${loaded.bytes} bytes`);
} finally {
  await chromium.close();
}
