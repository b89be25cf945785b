// A folder served as a plain web space serves it: python's own web server, its files with a
// Last-Modified date and no cache headers.

import { spawn } from 'node:child_process';
import { cpSync, mkdirSync, readdirSync, rmSync, statSync, utimesSync } from 'node:fs';
import path from 'node:path';

// The folder on python's own web server, its files dated a month back, as a copy made from an
// earlier build would be; its contents can be replaced, and the server stopped.
export async function servePython(folder) {
  mkdirSync(folder, { recursive: true });
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '0', '--directory', folder],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const port = await new Promise((resolve, reject) => {
    server.stdout.on('data', (text) => {
      const found = String(text).match(/port (\d+)/);
      if (found)
        resolve(found[1]);
    });
    server.on('exit', () => reject(new Error('python3 -m http.server did not start')));
  });
  // Each copy a day younger than the one before, as copies made on later days are.
  const day = 24 * 3600 * 1000;
  let copied = Date.now() - 30 * day;
  const date = (at) => {
    utimesSync(at, new Date(copied), new Date(copied));
    if (statSync(at).isDirectory())
      readdirSync(at).forEach((name) => date(path.join(at, name)));
  };
  return {
    url: `http://127.0.0.1:${port}/`,
    put(site) {
      for (const name of readdirSync(folder))
        rmSync(path.join(folder, name), { recursive: true, force: true });
      cpSync(site, folder, { recursive: true });
      copied += day;
      date(folder);
    },
    stop: () => server.kill(),
  };
}
