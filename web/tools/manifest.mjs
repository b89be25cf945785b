// Makes the page's web app manifest, so that the page can be installed as an app: its name, in
// every language the window speaks, and its colour are the window's own, read from the page's
// module and its table of translations; its icons are the program's. Writes the page's own words,
// the module's, into the page in English where it marks them (@closed@ for the words named
// "closed"): the page shows them before its module arrives, and if it never does.
//
//   node manifest.mjs OUT.webmanifest MODULE.js TRANSLATIONS.js CALLS.js PAGE_HTML OUT_PAGE_HTML
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

const [out, modulePath, translationsPath, callsPath, pageIn, pageOut] = process.argv.slice(2);
if (!out || !modulePath || !translationsPath || !callsPath || !pageIn || !pageOut) {
  console.error('usage: node manifest.mjs OUT.webmanifest MODULE.js TRANSLATIONS.js CALLS.js PAGE_HTML OUT_PAGE_HTML');
  process.exit(2);
}
const script = (file, name) => new Function(`${readFileSync(file, 'utf8')}; return ${name};`)();
const table = script(translationsPath, 'totalReflectionTranslations');
const module = await createRequire(import.meta.url)(path.resolve(modulePath))();
const api = script(callsPath, 'totalReflectionModule')(module, (error) => {
  throw error;
});

// The window's design in a language, as the page would have it.
function designIn(language) {
  module.translate = (context, text) => table[language]?.[`${context}\u0004${text}`] ?? null;
  return api.design();
}

const english = designIn('en').window;
const translations = Object.fromEntries(Object.keys(table).map((language) => {
  const { title } = designIn(language).window;
  return [language, { name: title, short_name: title }];
}));
const icons = [192, 512].map((size) => ({
  src: `icons/total-reflection-${size}.png`, sizes: `${size}x${size}`, type: 'image/png', purpose: 'any',
}));
writeFileSync(out, `${JSON.stringify({
  name: english.title,
  short_name: english.title,
  lang: 'en',
  start_url: '.',
  scope: '.',
  display: 'standalone',
  background_color: english.background,
  theme_color: english.background,
  icons,
  translations,
}, null, 2)}\n`);

// The module's own words, in English.
module.translate = () => null;
const { texts } = api.page();
const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
writeFileSync(pageOut, readFileSync(pageIn, 'utf8').replace(/@(\w+)@/g, (mark, name) => {
  if (!Object.hasOwn(texts, name))
    throw new Error(`${pageIn}: ${mark} names none of the page's words`);
  return escaped(texts[name]);
}));
