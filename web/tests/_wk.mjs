import { spawn } from 'node:child_process';
import { pageUrl } from './harness.mjs';
const port = 4444 + Math.floor(Math.random() * 1000);
const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'inherit' });
await new Promise((r) => setTimeout(r, 1000));
const call = async (method, path, body) => {
  const r = await fetch(`http://127.0.0.1:${port}${path}`, { method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body) });
  const j = await r.json();
  if (j.value?.error) throw new Error(`${j.value.error}: ${j.value.message}`);
  return j.value;
};
try {
  const t0 = Date.now();
  const session = await call('POST', '/session', { capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] } } } });
  const id = session.sessionId;
  console.log('session', Date.now() - t0, session.capabilities.browserName, session.capabilities.browserVersion);
  await call('POST', `/session/${id}/url`, { url: pageUrl });
  const run = (script, args = []) => call('POST', `/session/${id}/execute/sync`, { script, args });
  for (let k = 0; k < 100; ++k) { if (await run('return document.activeElement && document.activeElement.id') === 'cmdStart') break; await new Promise((r) => setTimeout(r, 100)); }
  console.log(await run('return [document.activeElement.id, navigator.language, devicePixelRatio, innerWidth, innerHeight]'));
  await run('document.getElementById("cmdStart").click()');
  for (let k = 0; k < 200; ++k) { if (!(await run('return document.getElementById("desk").hasAttribute("aria-busy")'))) break; await new Promise((r) => setTimeout(r, 100)); }
  console.log(await run('const c = document.querySelector("canvas"); return [c.width, c.height]'));
  await call('DELETE', `/session/${id}`);
  console.log('done', Date.now() - t0);
} finally { driver.kill(); }
