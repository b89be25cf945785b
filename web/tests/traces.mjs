// Runs the 18 runs of substance, angle and Detector H's distance through the desktop's headless
// driver and through the WebAssembly trace runner, and compares their drawing operations: exactly,
// or within 0.01 twip or 1e-5 relative for each number.
//
//   node web/tests/traces.mjs [DRIVER] [TRACE_JS]
// defaults: build/dev/tools/total-reflection-driver and build/web/total-reflection-trace.js

import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import path from 'node:path';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const driver = process.argv[2] ?? path.join(root, 'build/dev/tools/total-reflection-driver');
const traceJs = process.argv[3] ?? path.join(root, 'build/web/total-reflection-trace.js');

// Each option's word, and the buttons that choose it in the window after start-up.
const substances = [['Voda', []], ['Sklo', ['opSklo']]];
const angles = [['35', []], ['Mezní', ['opMezní']], ['60', ['opVětší']]];
const distances = [['100', ['opMaláDistance']], ['750', []], ['1500', ['opVelkáDistance']]];

const run = (file, args) =>
  execFileSync(file, args, { encoding: 'utf8', maxBuffer: 1 << 28, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] });

// The driver also prints what the window draws at start-up, and its state after the run.
function runLines(text) {
  const lines = text.split('\n');
  const first = lines.indexOf('ScaleMode 1');
  const state = lines.findIndex((line) => line.startsWith('Cell '));
  return lines.slice(first, state < 0 ? undefined : state).filter((line) => line !== '');
}

function close(a, b) {
  const x = Number(a);
  const y = Number(b);
  return Number.isFinite(x) && Number.isFinite(y) && (Math.abs(x - y) <= 0.01 || Math.abs(x - y) <= 1e-5 * Math.abs(x));
}

let failed = false;
for (const [substance, clickSubstance] of substances) {
  for (const [angle, clickAngle] of angles) {
    for (const [distance, clickDistance] of distances) {
      const clicks = [...clickSubstance, ...clickAngle, ...clickDistance, 'cmdStart'].flatMap((name) => ['click', name]);
      const desktop = runLines(run(driver, clicks));
      const web = runLines(run(process.execPath, [traceJs, substance, angle, distance]));
      let differing = 0;
      let beyond = 0;
      const length = Math.max(desktop.length, web.length);
      for (let k = 0; k < length; ++k) {
        if (desktop[k] === web[k])
          continue;
        ++differing;
        const a = (desktop[k] ?? '').split(' ');
        const b = (web[k] ?? '').split(' ');
        const near = a.length === b.length && a.every((word, i) => word === b[i] || close(word, b[i]));
        if (!near) {
          if (beyond === 0)
            console.log(`  first difference at line ${k + 1}:\n    desktop ${desktop[k]}\n    web     ${web[k]}`);
          ++beyond;
        }
      }
      const verdict = differing === 0 ? 'identical' : beyond === 0 ? `${differing} lines within tolerance` : `${beyond} lines differ`;
      console.log(`${substance} ${angle} ${distance}: ${desktop.length} lines, ${verdict}`);
      failed ||= beyond > 0;
    }
  }
}
process.exit(failed ? 1 : 0);
