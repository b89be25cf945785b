// Just enough of W3C WebDriver to drive WebKitGTK's MiniBrowser through WebKitWebDriver, the
// engine of the tablets many schools use: open a page, run a script in it, press keys.

import { spawn } from 'node:child_process';
import { setTimeout as sleep } from 'node:timers/promises';
import { within } from '../tools/chromium.mjs';

const miniBrowser = process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// The key WebDriver names Tab.
export const tabKey = '\uE004';

export async function launchWebKit() {
  const port = 40000 + Math.floor(Math.random() * 20000);
  // In a process group of its own, so that the browser it starts ends with it.
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore', detached: true });
  const end = () => {
    try {
      process.kill(-driver.pid, 'SIGKILL');
    } catch {
      // Already ended.
    }
  };
  // A call that is not answered within 45 s fails.
  const call = async (method, path, body, timeout = 45000) => {
    const response = await fetch(`http://127.0.0.1:${port}${path}`, { signal: AbortSignal.timeout(timeout),
      method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body) });
    const { value } = await response.json();
    if (value?.error)
      throw new Error(`WebDriver ${path}: ${value.error}: ${value.message}`);
    return value;
  };
  // The driver takes a moment to listen; a browser that has not started within 30 s has failed.
  const deadline = Date.now() + 30000;
  let session;
  while (!session) {
    try {
      session = await call('POST', '/session', { capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } } },
      Math.max(deadline - Date.now(), 1));
    } catch (error) {
      if (Date.now() >= deadline) {
        end();
        throw error;
      }
      await sleep(100);
    }
  }
  const at = `/session/${session.sessionId}`;
  const tab = {
    goto: (url) => call('POST', `${at}/url`, { url }),
    evaluate: (script, ...args) => call('POST', `${at}/execute/sync`, { script, args }),
    // Resolves with what the script passes to its last argument.
    evaluateAsync: (script, ...args) => call('POST', `${at}/execute/async`, { script, args }),
    async press(key) {
      await call('POST', `${at}/actions`, { actions: [{ type: 'key', id: 'keyboard',
        actions: [{ type: 'keyDown', value: key }, { type: 'keyUp', value: key }] }] });
    },
    // The window's size, for its page to have the viewport asked for.
    async setViewport({ width, height }) {
      await call('POST', `${at}/window/rect`, { width, height });
      const [innerWidth, innerHeight] = await tab.evaluate('return [innerWidth, innerHeight]');
      await call('POST', `${at}/window/rect`, { width: 2 * width - innerWidth, height: 2 * height - innerHeight });
    },
    async waitFor(script, timeout = 60000) {
      for (const start = Date.now(); !(await tab.evaluate(script)); await sleep(50)) {
        if (Date.now() - start > timeout)
          throw new Error(`waited ${timeout} ms for ${script}`);
      }
    },
  };
  return {
    tab,
    version: session.capabilities.browserVersion,
    async close() {
      await within(call('DELETE', at), 10000).catch(() => {});
      end();
    },
  };
}
