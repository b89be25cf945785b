// How fast the page is in headless Chromium, at one, two and three device pixels per pixel of
// the window: from navigation to the window's first paint, the median of ten runs at the fastest
// pace (from the click on Start to the run's end), the most work any frame of them did (the
// click's own turn included; the first run, in which the browser still warms up, apart), how soon
// a key pressed during a slow run acts (Tab, which moves the focus at once), and the bytes the
// page loads. Then a refit after a run, from the window's own size to a 1280 x 800 screen at two
// device pixels per pixel, 1920 x 1080 at three and 3000 x 2000 at four: its longest frame's work,
// the longest task the browser reports, and how long until the new picture is whole; and a run
// there after it, its longest task. Then the folder's first load as Lighthouse simulates it on its
// mobile and desktop profiles, from python's own web server: the performance score, when the first
// and the largest content were painted, and the time the main thread was blocked.
//
//   node web/tests/bench.mjs [PAGE_FILE_OR_URL]
// default: TR_PAGE_FILE, or build/web/total-reflection.html; the folder: TR_PAGE_DIR, or
// build/web/site

import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { drawingWhole, launch, openPage, pageUrl, runEnded, windowSize } from './harness.mjs';
import { firstLoad, profiles } from './lighthouse.mjs';
import { servePython } from './served.mjs';

const argument = process.argv[2];
const url = !argument ? pageUrl : /^[a-z]+:/.test(argument) ? argument : pathToFileURL(argument).href;
const runs = 10;
const folder = path.resolve(process.env.TR_PAGE_DIR
  ?? path.join(path.dirname(fileURLToPath(import.meta.url)), '../../build/web/site'));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const chromium = await launch();
try {
  console.log(`page          ${url}`);
  for (const ratio of [1, 2, 3]) {
    const { tab, problems, close } = await openPage(chromium.browser, {
      url, viewport: { ...windowSize, deviceScaleFactor: ratio } });
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
    // Every frame's work, timed around the page's own frame callbacks and the click.
    await tab.evaluate(() => {
      window.work = [];
      const frame = window.requestAnimationFrame.bind(window);
      window.requestAnimationFrame = (callback) => frame((now) => {
        const start = performance.now();
        callback(now);
        window.work.push(performance.now() - start);
      });
    });
    const timings = [];
    let firstRunsWork;
    for (let k = 0; k < runs; ++k) {
      if (k === 1)
        firstRunsWork = await tab.evaluate(() => Math.max(...window.work.splice(0)));
      timings.push(await tab.evaluate(() => new Promise((resolve) => {
        const desk = document.getElementById('desk');
        const start = performance.now();
        document.getElementById('cmdStart').click();
        window.work.push(performance.now() - start);
        const watch = () => desk.hasAttribute('aria-busy') ? requestAnimationFrame(watch) : resolve(performance.now() - start);
        watch();
      })));
    }
    const longestWork = await tab.evaluate(() => Math.max(...window.work.filter((work) => work > 0.5)));
    // A slow run, and Tab pressed during it: from the key to the focus on the next stop.
    await tab.evaluate(() => {
      window.latencies = [];
      document.addEventListener('keydown', (event) => { window.pressed = event.timeStamp; }, true);
      document.addEventListener('focusin', (event) => window.latencies.push(event.timeStamp - window.pressed));
      document.getElementById('HScroll1').focus();
    });
    await tab.keyboard.press('End');
    await tab.evaluate(() => document.getElementById('cmdStart').click());
    for (let k = 0; k < 20; ++k) {
      await tab.keyboard.press('Tab');
      await new Promise((wait) => setTimeout(wait, 37));
    }
    const latencies = await tab.evaluate(() => window.latencies);
    await close();
    if (problems.length)
      console.error(problems.join('\n'));
    console.log(`ratio ${ratio}`);
    console.log(`  first paint   ${loaded.firstPaint?.toFixed(1)} ms after navigation`);
    console.log(`  run, median   ${median(timings).toFixed(1)} ms of ${runs} at the fastest pace`);
    console.log(`  longest work  ${longestWork.toFixed(1)} ms in one frame (${firstRunsWork.toFixed(1)} ms in the first run)`);
    console.log(`  Tab in a run  ${median(latencies).toFixed(1)} ms median, ${Math.max(...latencies).toFixed(1)} ms at most`);
    console.log(`  loaded        ${loaded.bytes} bytes`);
  }
  for (const [width, height, ratio] of [[1280, 800, 2], [1920, 1080, 3], [3000, 2000, 4]]) {
    const { tab, problems, close } = await openPage(chromium.browser, { url });
    await tab.click('#cmdStart');
    await runEnded(tab);
    await tab.evaluate(() => {
      window.work = [];
      window.tasks = [];
      new PerformanceObserver((list) => window.tasks.push(...list.getEntries().map((entry) => entry.duration)))
        .observe({ type: 'longtask' });
      const frame = window.requestAnimationFrame.bind(window);
      window.requestAnimationFrame = (callback) => frame((now) => {
        const start = performance.now();
        callback(now);
        window.work.push(performance.now() - start);
      });
      window.refitFrom = performance.now();
    });
    await tab.setViewport({ width, height, deviceScaleFactor: ratio });
    const wide = Math.round(windowSize.width * Math.min(width / windowSize.width, height / windowSize.height) * ratio);
    await drawingWhole(tab, wide);
    const refit = await tab.evaluate(() => ({ whole: performance.now() - window.refitFrom,
      frame: Math.max(0, ...window.work), task: Math.max(0, ...window.tasks), frames: window.work.length }));
    await tab.evaluate(() => window.tasks.splice(0));
    await tab.click('#cmdStart');
    await runEnded(tab);
    const runTask = await tab.evaluate(() => Math.max(0, ...window.tasks));
    await close();
    if (problems.length)
      console.error(problems.join('\n'));
    console.log(`refit to ${width} x ${height} x ${ratio}`);
    console.log(`  longest frame ${refit.frame.toFixed(1)} ms of ${refit.frames}; longest task ${refit.task.toFixed(1)} ms`);
    console.log(`  whole after   ${refit.whole.toFixed(1)} ms`);
    console.log(`  run there     longest task ${runTask.toFixed(1)} ms`);
  }
} finally {
  await chromium.close();
}

const served = await servePython(folder);
try {
  console.log(`folder        ${folder}`);
  for (const profile of Object.keys(profiles)) {
    const { score, firstPaint, largestPaint, blocking } = await firstLoad(served.url, profile);
    console.log(`lighthouse ${profile}`);
    console.log(`  score         ${score.toFixed(2)}`);
    console.log(`  first paint   ${firstPaint.toFixed(0)} ms of content, the largest at ${largestPaint.toFixed(0)} ms`);
    console.log(`  blocked       ${blocking.toFixed(0)} ms`);
  }
} finally {
  served.stop();
}
