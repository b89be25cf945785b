// Makes the window's first look, which the served page shows at once while its module is still on
// its way: the window as the page itself builds it at start-up, in each language it speaks, taken
// from the built page in headless Chromium at one pixel per pixel once its fonts are in. Each copy
// is kept as it is seen: what is hidden goes, and so does all that only a running window needs
// (its roles and names for a screen reader, its tab stops), and so do the lines, which the module
// lays on device pixels by a rule of its own and the window draws once it runs. Each control's
// box is written in twips, as the window's design and state give it, so that the copy takes any
// size the window does, on the same device pixels. still.js shows the copy in the page's language.
//
// The copies differ only in their words and in the room a longer word takes: the English copy is
// kept in pieces, cut before each tag and around each attribute's value, and each other language
// as the pieces in which it differs, so that a language adds a few hundred bytes to the first load.
//
//   node still.mjs PAGE_HTML OUTPUT_HTML
// writes <script type="application/json" id="still">{"pieces": [...], "cs": {"12": "Konec"}, ...}.
import { renameSync, writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './chromium.mjs';

const [pageFile, output] = process.argv.slice(2);
if (!pageFile || !output) {
  console.error('usage: node still.mjs PAGE_HTML OUTPUT_HTML');
  process.exit(2);
}

const timeout = 60000;

// The window's size, and each control's box in twips, within its frame's, from the window's design
// and its state at start-up.
async function designedBoxes(tab) {
  return tab.evaluate(async () => {
    const api = totalReflectionModule(await createTotalReflection(), (error) => {
      throw error;
    });
    const design = api.design();
    // The first changes the module hands back are the whole state.
    const { controls: state } = api.start('.').changes;
    const at = (name) => state[name].place;
    const controls = Object.fromEntries(design.controls.filter(({ name }) => state[name]).map((control) => [control.name, {
      box: [...at(control.name), control.width, control.height],
      within: control.container ? at(control.container) : [0, 0],
      caption: control.caption,
    }]));
    return { width: design.window.width, height: design.window.height, controls };
  });
}

// The window in the tab as it is seen, as HTML.
function stillOf(tab, boxes) {
  return tab.evaluate(({ width, height, controls }) => {
    const live = document.querySelector('#desk > .window');
    const copy = live.cloneNode(true);
    // What was typed and chosen lives in properties, which a copy's HTML does not carry.
    const inputs = [live, copy].map((box) => box.querySelectorAll('input'));
    inputs[0].forEach((input, k) => {
      if (input.type === 'text')
        inputs[1][k].setAttribute('value', input.value);
      else
        inputs[1][k].toggleAttribute('checked', input.checked);
    });
    // Each control's box, which still.js places by the window's own rule.
    for (const [name, { box, within, caption }] of Object.entries(controls)) {
      const element = copy.querySelector(`#${CSS.escape(name)}`);
      const outer = element?.closest('.window > *, .frame > *');
      if (outer)
        Object.assign(outer.dataset, { box: box.join(' '), within: within.join(' ') });
      // A caption's line, which still.js places by the window's own rule at the size it is shown.
      if (element && caption)
        element.dataset.caption = '';
    }
    // What is hidden, and the lines, which the module lays on device pixels by a rule of its own.
    copy.querySelectorAll('[hidden], .line').forEach((left) => left.remove());
    for (const element of [copy, ...copy.querySelectorAll('*')]) {
      for (const { name } of [...element.attributes]) {
        if (/^aria-|^data-part$|^(role|tabindex|autocomplete|spellcheck|maxlength|for)$/.test(name))
          element.removeAttribute(name);
      }
    }
    for (const element of copy.querySelectorAll('[style]')) {
      for (const property of element.dataset.box ? ['left', 'top', 'width', 'height'] : [])
        element.style.removeProperty(property);
      element.style.cssText = element.style.cssText.replace(/(-?[\d.]+)px/g, (length, pixels) =>
        (Number(pixels) ? `calc(${pixels} * var(--px))` : length));
    }
    for (const property of ['left', 'top', 'width', 'height', '--scale'])
      copy.style.removeProperty(property);
    Object.assign(copy.dataset, { width, height });
    return copy.outerHTML;
  }, boxes);
}

const chromium = await launchChromium();
try {
  const tab = await chromium.browser.newPage();
  tab.setDefaultTimeout(timeout);
  const open = async (language) => {
    await tab.goto(`${pathToFileURL(pageFile).href}?lang=${language}`);
    await tab.waitForFunction(() => !document.getElementById('desk').hasAttribute('aria-busy'));
    // A caption grows into the room beside it once the fonts are in.
    await tab.evaluate(() => document.fonts.ready.then(() => new Promise(requestAnimationFrame)));
  };
  await open('en');
  const boxes = await designedBoxes(tab);
  await tab.setViewport({ width: boxes.width, height: boxes.height, deviceScaleFactor: 1 });
  const languages = await tab.evaluate(() => totalReflectionLanguage.spoken);
  const piecesOf = (html) => html.split(/(?=[<"])|(?<=[>"])/);
  const still = {};
  for (const language of languages) {
    await open(language);
    const pieces = piecesOf(await stillOf(tab, boxes));
    if (!still.pieces)
      still.pieces = pieces;
    else if (pieces.length !== still.pieces.length)
      throw new Error(`the first look in ${language} is not the English one's shape`);
    else
      still[language] = Object.fromEntries(pieces.map((piece, k) => [k, piece]).filter(([k, piece]) => piece !== still.pieces[k]));
  }
  const json = JSON.stringify(still).replace(/</g, '\\u003c');
  writeFileSync(`${output}.partial`, `<script type="application/json" id="still">${json}</script>\n`);
  renameSync(`${output}.partial`, output);
} finally {
  await chromium.close();
}
