import { launch, openPage, runEnded } from './harness.mjs';
const chromium = await launch();
const { tab, close } = await openPage(chromium.browser, { viewport: { width: 763, height: 575, deviceScaleFactor: 2 } });
await tab.click('#cmdStart'); await runEnded(tab);
await tab.evaluate(() => new Promise((shown) => requestAnimationFrame(() => requestAnimationFrame(shown))));
const clip = { x: 220, y: 106.5, width: 146.5, height: 133.5 };
await tab.screenshot({ path: '/tmp/shot/r2crop.png', clip });
await close(); await chromium.close();
