// Headless Chromium as this machine runs it, for the build (the window's first look) and for the
// page's tests and benchmark: a profile of its own, removed again on closing.
import { mkdtemp, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import puppeteer from 'puppeteer-core';

// What `promise` comes to, or a failure once `ms` have passed.
export const within = (promise, ms, what = 'it') => Promise.race([promise,
  sleep(ms, null, { ref: false }).then(() => { throw new Error(`${what} took more than ${ms} ms`); })]);

// A browser closed, or its process ended where it does not close within ten seconds.
export const closeBrowser = (browser) =>
  within(browser.close(), 10000).catch(() => browser.process()?.kill('SIGKILL'));

export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

export const chromiumArgs = [
  '--no-sandbox', // as root
  '--headless',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--lang=en-US',
];

// A browser that does not start within `timeout` ms fails, its process ended; so does any one
// call to it that takes longer than 45 s.
export async function launchChromium({ timeout = 30000 } = {}) {
  const profile = await mkdtemp(path.join(os.tmpdir(), 'total-reflection-chromium-'));
  try {
    const browser = await puppeteer.launch({ executablePath: chromiumPath, headless: true, userDataDir: profile,
      args: chromiumArgs, timeout, protocolTimeout: 45000 });
    return {
      browser,
      async close() {
        await closeBrowser(browser);
        await rm(profile, { recursive: true, force: true });
      },
    };
  } catch (error) {
    await rm(profile, { recursive: true, force: true });
    throw error;
  }
}
