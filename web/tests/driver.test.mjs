// The headless driver in WebAssembly against the desktop's: for start-up, the eighteen runs of
// substance, angle and distance, and handler sequences with typed values, refusals and scroll
// positions, both print the same trace and the same state. Numbers may differ by no more than
// 0.01 twip, or a relative 1e-5, for what the two builds' sines may round differently.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { closeSync, existsSync, lstatSync, openSync, mkdtempSync, readdirSync, readFileSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { differingReadings, languages } from './harness.mjs';

const desktop = process.env.TR_DRIVER;
const webDriver = process.env.TR_WEB_DRIVER;

function trace(command, args) {
    return execFileSync(command, args, { env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' },
                                        maxBuffer: 64 << 20, stdio: ['ignore', 'pipe', 'ignore'] })
        .toString().split('\n');
}

function near(a, b) {
    return Math.abs(a - b) <= Math.max(0.01, 1e-5 * Math.abs(b));
}

// Lines are the same, or the same drawing call with numbers near each other.
function sameLine(web, dsk) {
    if (web === dsk)
        return true;
    const w = web.split(' ');
    const d = dsk.split(' ');
    if (!/^(Line|Circle)$/.test(d[0]) || w.length !== d.length || w[0] !== d[0])
        return false;
    return d.every((word, i) => word === w[i] || (!word.startsWith('0x') && near(Number(w[i]), Number(word))));
}

const runs = [];
for (const substance of ['opVoda', 'opSklo'])
    for (const angle of ['opMenší', 'opMezní', 'opVětší'])
        for (const distance of ['opMaláDistance', 'opStředníDistance', 'opVelkáDistance'])
            runs.push(['click', substance, 'click', angle, 'click', distance, 'click', 'cmdStart']);

const sequences = [
    [],
    ['type', 'nAlfa', '20', 'click', 'opSklo', 'click', 'cmdStart'],
    ['type', 'nIndex', 'abc', 'click', 'cmdStart', 'type', 'nIndex', '1.45', 'click', 'cmdStart'],
    ['type', 'nAlfa', '', 'click', 'cmdStart', 'click', 'opVětší'],
    ['type', 'nAlfa', '1e308', 'click', 'cmdStart'],
    ['type', 'nIndex', '1,5', 'click', 'cmdStart'],
    ['scroll', '5'],
    ['scroll', '32767', 'click', 'opPomalejší'],
    ['scroll', '3', 'click', 'opPomalá', 'click', 'opRychlá'],
    ['click', 'opMezní', 'click', 'opSklo', 'click', 'opVoda'],
    ['click', 'opMenší', 'click', 'opMenší', 'click', 'opVětší', 'click', 'opMenší'],
    ['type', 'nAlfa', '35\nSelected opSklo', 'click', 'opVelkáDistance'],
    ['click', 'cmdKonec', 'click', 'cmdStart'],
];

for (const args of [...runs, ...sequences]) {
    test(args.join(' ') || 'start-up', { skip: !desktop || !webDriver }, () => {
        const dsk = trace(desktop, args);
        const web = trace('node', [webDriver, ...args]);
        assert.equal(web.length, dsk.length);
        const differing = web.findIndex((line, i) => !sameLine(line, dsk[i]));
        assert.equal(differing, -1, `line ${differing + 1}: ${web[differing]} against ${dsk[differing]}`);
    });
}

// A number typed into a cell is read the same by both: blanks around it, a sign, a decimal part or
// an exponent, or a text that is no number. Start then stops at the pace's cell, which holds no
// number, unless the index was refused first.
for (const text of [' 1.5', '1.5 ', '\t1.5', '\u00a01.5', '+1.5', '-1.5', '\u22121.5', '1.50', '.5', '5.', '1,5',
  '1e2', '1E-2', '\u0661.\u0665', '1.5.', '1e400', '1e-400']) {
  test(`the index typed as ${JSON.stringify(text)}`, { skip: !desktop || !webDriver }, () => {
    const args = ['type', 'nIndex', text, 'type', 'nSpomaleni', 'x', 'click', 'cmdStart'];
    assert.deepEqual(trace('node', [webDriver, ...args]), trace(desktop, args));
  });
}

// A malformed command line: the same words, the same usage and the same status from both.
function refusal(command, args) {
  try {
    execFileSync(command, args, { env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' },
                                 stdio: ['ignore', 'ignore', 'pipe'] });
    return { status: 0 };
  } catch (error) {
    const [problem] = error.stderr.toString().split('\n');
    return { status: error.status, problem: problem.slice(problem.indexOf(': ') + 2) };
  }
}

for (const args of [['--readings', ''], ['--readings'], ['click'], ['scroll', '32768'], ['--lang', 'la']]) {
  test(`refused: ${JSON.stringify(args)}`, { skip: !desktop || !webDriver }, () => {
    const [dsk, web] = [refusal(desktop, args), refusal('node', [webDriver, ...args])];
    assert.equal(dsk.status, 2);
    assert.deepEqual(web, dsk);
  });
}

// The run's result in words, in each language, from both: glass at 60 degrees typed under the
// option 35, which draws the case below the critical angle.
for (const language of ['en', ...languages]) {
  test(`the statement in ${language}`, { skip: !desktop || !webDriver }, () => {
    const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-statement-'));
    try {
      const args = ['--lang', language, 'click', 'opSklo', 'type', 'nAlfa', '60', 'click', 'cmdStart', '--statement'];
      const files = ['desktop.txt', 'web.txt'].map((name) => path.join(folder, name));
      trace(desktop, [...args, files[0]]);
      trace('node', [webDriver, ...args, files[1]]);
      const [dsk, web] = files.map((file) => readFileSync(file, 'utf8'));
      assert.match(dsk, /41[.,]8/);
      assert.equal(web, dsk);
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
}

// The WebAssembly driver's workbook, read by a reader that is not ours: every reading a number
// equal to its CSV's, and the statement on its second sheet.
test('the workbook of the start-up run', { skip: !webDriver }, () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-workbook-'));
  try {
    const [book, csv, statement] = ['run.xlsx', 'run.csv', 'run.txt'].map((name) => path.join(folder, name));
    trace('node', [webDriver, '--lang', 'de', 'click', 'cmdStart', '--readings', book, '--statement', statement]);
    trace('node', [webDriver, 'click', 'cmdStart', '--readings', csv]);
    const python = existsSync('/usr/bin/python3') ? '/usr/bin/python3' : 'python3';
    execFileSync(python, [fileURLToPath(new URL('../../tests/check-workbook.py', import.meta.url)), book, csv,
      statement], { stdio: 'pipe' });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

// The readings of the start-up run, and of none: the WebAssembly driver's file holds the desktop
// driver's numbers (which the desktop's tests hold to the straightforward sweep).
for (const args of [['click', 'cmdStart'], []]) {
    test(`readings: ${args.join(' ') || 'no run'}`, { skip: !desktop || !webDriver }, () => {
        const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-readings-'));
        try {
            const files = ['desktop.csv', 'web.csv'].map((name) => path.join(folder, name));
            trace(desktop, [...args, '--readings', files[0]]);
            trace('node', [webDriver, ...args, '--readings', files[1]]);
            const [dsk, web] = files.map((file) => readFileSync(file, 'utf8'));
            assert.equal(web.split('\n')[0], 'step,y_V,reading_V,x_H,reading_H,x_S,reading_S');
            const differing = differingReadings(web, dsk);
            assert.equal(differing, -1, `line ${differing + 1}`);
        } finally {
            rmSync(folder, { recursive: true, force: true });
        }
    });
}

// A file named as output is written as what it is, by both drivers: a FIFO and a device node stay
// what they are and take the readings; a private file stays private; a file nobody may write is
// refused with a message and keeps its contents; a link stays a link, its target written; any
// name the system allows is written; and a workbook's extension is read in capitals too.
const root = process.getuid?.() === 0;
const outputs = [
  { name: 'a FIFO', file: 'fifo.csv', make: (file) => execFileSync('mkfifo', [file]), fifo: true,
    holds: (data, stat) => stat.isFIFO() && data.startsWith('step,') },
  { name: 'a device node', file: 'null', root: true, make: (file) => execFileSync('mknod', [file, 'c', '1', '3']),
    holds: (data, stat) => stat.isCharacterDevice() },
  { name: 'a private file', file: 'private.csv', make: (file) => writeFileSync(file, 'old', { mode: 0o600 }),
    holds: (data, stat) => (stat.mode & 0o777) === 0o600 && data.startsWith('step,') },
  { name: 'a read-only file', file: 'kept.csv', make: (file) => writeFileSync(file, 'old', { mode: 0o444 }),
    refused: /kept\.csv: Permission denied/, holds: (data) => data === 'old' },
  { name: 'a symbolic link', file: 'link.csv', make: (file) => {
    writeFileSync(path.join(path.dirname(file), 'target.csv'), 'old');
    symlinkSync('target.csv', file);
  }, holds: (data, stat) => stat.isSymbolicLink() && data.startsWith('step,') },
  { name: 'a link to a file not yet there', file: 'ahead.csv', make: (file) => symlinkSync('new.csv', file),
    holds: (data, stat) => stat.isSymbolicLink() && data.startsWith('step,') },
  { name: 'a name of 250 characters', file: `${'r'.repeat(246)}.csv`, holds: (data) => data.startsWith('step,') },
  { name: 'a workbook in capitals', file: 'UP.XLSX', holds: (data) => data.startsWith('PK') },
];
for (const output of outputs) {
  for (const [driver, command, first] of [['desktop', desktop, []], ['WebAssembly', 'node', [webDriver]]]) {
    test(`${output.name} as output, from the ${driver} driver`,
      { skip: !desktop || !webDriver || (output.root && !root) }, async () => {
        const folder = mkdtempSync(path.join(os.tmpdir(), 'total-reflection-output-'));
        try {
          const file = path.join(folder, output.file);
          output.make?.(file);
          const child = spawn(command, [...first, '--readings', file],
            { env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'ignore', 'pipe'] });
          let said = '';
          child.stderr.on('data', (chunk) => { said += chunk; });
          const ended = new Promise((resolve) => child.on('close', resolve));
          // A FIFO is read as the driver writes it: its writer waits for a reader. Once the driver
          // has ended, a writer of the test's own ends a read that no driver began.
          const reading = output.fifo ? readFile(file, 'utf8') : undefined;
          const status = await ended;
          if (output.fifo)
            closeSync(openSync(file, 'r+'));
          const data = await reading;
          assert.equal(status, output.refused ? 1 : 0, said);
          if (output.refused)
            assert.match(said, output.refused);
          assert.ok(output.holds(data ?? readFileSync(file, 'latin1'), lstatSync(file)), said);
          assert.deepEqual(readdirSync(folder).filter((name) => name.startsWith('.partial')), []);
        } finally {
          rmSync(folder, { recursive: true, force: true });
        }
      });
  }
}
