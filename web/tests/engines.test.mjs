// The page in the other browser engines a class may meet it in: Firefox, and WebKit, the engine of
// the tablets many schools use. In each the window starts, its start-up and the six runs of
// substance and angle draw the pixels Chromium's do (which the desktop's are compared with), Tab
// walks round the window, and nothing goes to the console as an error.
//
//   TR_CANVAS_DIR: where the Chromium's drawings are (startup.rgba, water-35.rgba, ...)
//   WebKit needs an X server: run under xvfb-run.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { closeBrowser } from '../tools/chromium.mjs';
import { drawingBytesScript, hookTimeout, pageUrl, windowSize } from './harness.mjs';
import { launchWebKit, tabKey } from './webdriver.mjs';

const canvasFolder = process.env.TR_CANVAS_DIR ?? path.join(os.tmpdir(), 'total-reflection-canvas');

// Firefox through the same puppeteer as Chromium, over WebDriver BiDi; scripts as WebDriver
// takes them, so that one test drives both engines.
async function launchFirefox() {
  const browser = await puppeteer.launch({ browser: 'firefox', headless: true,
    executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', timeout: 30000, protocolTimeout: 45000 });
  const page = await browser.newPage().catch(async (error) => {
    await closeBrowser(browser);
    throw error;
  });
  const errors = [];
  page.on('console', (entry) => entry.type() === 'error' && errors.push(entry.text()));
  page.on('pageerror', (error) => errors.push(error.message));
  const tab = {
    goto: (url) => page.goto(url),
    evaluate: (script) => page.evaluate(`(async () => { ${script} })()`),
    press: () => page.keyboard.press('Tab'),
    setViewport: (size) => page.setViewport(size),
    waitFor: (script, timeout = 60000) => page.waitForFunction(`(() => { ${script} })()`, { timeout }),
  };
  return { tab, errors, close: () => closeBrowser(browser) };
}

async function launchWebKitTab() {
  const webkit = await launchWebKit();
  return { tab: webkit.tab, errors: [], close: () => webkit.close() };
}

// Errors the page reports while a test runs, where the engine's driver does not pass them on.
const watchErrors = `
  window.problems = [];
  addEventListener('error', (event) => problems.push(event.message));
  addEventListener('unhandledrejection', (event) => problems.push(String(event.reason)));
  const report = console.error;
  console.error = (...words) => { problems.push(words.join(' ')); report(...words); };`;


const engines = [['Firefox', launchFirefox], ['WebKit', launchWebKitTab]];
const runs = [['water', 'opVoda'], ['glass', 'opSklo']].flatMap(([substance, substanceClick]) =>
  [['35', 'opMenší'], ['critical', 'opMezní'], ['60', 'opVětší']].map(([angle, angleClick]) =>
    [`${substance}-${angle}`, [substanceClick, angleClick, 'opStředníDistance', 'cmdStart']]));

for (const [name, launch] of engines) {
  describe(name, () => {
    let browser;
    // A browser that fails here fails the tests at once, and is closed.
    before(async () => {
      browser = await launch();
      await browser.tab.setViewport(windowSize).catch(async (error) => {
        await browser.close();
        browser = null;
        throw error;
      });
    }, { timeout: hookTimeout });
    after(() => browser?.close(), { timeout: hookTimeout });

    const open = async () => {
      await browser.tab.goto(pageUrl);
      await browser.tab.waitFor("return document.activeElement?.id === 'cmdStart'");
      await browser.tab.evaluate(watchErrors);
    };
    const problems = async () => [...browser.errors, ...await browser.tab.evaluate('return window.problems')];

    test('the start-up and the six runs draw Chromium\'s pixels', async () => {
      await open();
      for (const [picture, clicks] of [['startup', []], ...runs]) {
        await browser.tab.evaluate(`for (const name of ${JSON.stringify(clicks)})
          document.getElementById(name).click();`);
        await browser.tab.waitFor("return !document.getElementById('desk').hasAttribute('aria-busy')");
        const bytes = Buffer.from(await browser.tab.evaluate(drawingBytesScript), 'base64');
        assert.ok(bytes.equals(readFileSync(path.join(canvasFolder, `${picture}.rgba`))), `${name}: ${picture}`);
      }
      assert.deepEqual(await problems(), []);
    });

    test('Tab walks round the window\'s tab order', async () => {
      await open();
      const round = await browser.tab.evaluate(`
        const api = totalReflectionModule(await createTotalReflection(), (error) => {
          throw error;
        });
        api.start('.');
        const round = [];
        do
          round.push(api.key(round.at(-1) ?? 'cmdStart', 'Tab', false, false, false, false, false).answer.control);
        while (round.at(-1) !== 'cmdStart');
        return round;`);
      const walk = [];
      for (const _ of round) {
        await browser.tab.press(tabKey);
        walk.push(await browser.tab.evaluate('return document.activeElement.id'));
      }
      assert.deepEqual(walk, round);
      assert.deepEqual(await problems(), []);
    });
  });
}
