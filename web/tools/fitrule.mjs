// Writes the window's fit, compiled to a few hundred bytes of WebAssembly, into a script the page
// runs before anything else of the window's: it makes the WebAssembly's calls the page's
// totalReflectionFitRule at once, with no fetch, as a module this small may be compiled. Run at
// build time:
//   node fitrule.mjs FIT.wasm OUT.js
import { readFileSync, writeFileSync } from 'node:fs';

const [wasm, out] = process.argv.slice(2);
if (!wasm || !out) {
  console.error('usage: node fitrule.mjs FIT.wasm OUT.js');
  process.exit(2);
}
const bytes = readFileSync(wasm);
const { exports } = new WebAssembly.Instance(new WebAssembly.Module(bytes), {});
const calls = Object.keys(exports).filter((name) => name.startsWith('tr_'));
if (calls.length === 0 || bytes.length > 4096) {
  console.error(`${wasm}: ${calls.length} calls in ${bytes.length} bytes; a page compiles at most 4096 at once`);
  process.exit(1);
}
writeFileSync(out, `'use strict';
// The window's fit (window/rules/Geometry.h), compiled to WebAssembly when the page was built.
const totalReflectionFitRule = new WebAssembly.Instance(new WebAssembly.Module(
  Uint8Array.from(atob('${bytes.toString('base64')}'), (c) => c.charCodeAt(0))), {}).exports;
`);
