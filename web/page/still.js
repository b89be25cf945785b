'use strict';
// The window's first look, shown as soon as the page is, while the module is still on its way: a
// copy of the window as it starts, made when the page was built, in the page's language and fitted
// to the viewport as the window itself is. It takes no input; the window takes its place, on the
// same pixels, once the module runs. A page with no copy (the single file) shows none. The copy is
// the English one's pieces, with those its language changes (still.mjs).
(() => {
  const still = document.getElementById('still');
  if (!still)
    return;
  const { pieces, ...languages } = JSON.parse(still.textContent);
  const changed = languages[totalReflectionLanguage.language] ?? {};
  const copy = document.createElement('template');
  copy.innerHTML = pieces.map((piece, k) => changed[k] ?? piece).join('');
  const box = copy.content.firstElementChild;
  box.inert = true;
  const numbers = (text) => text.split(' ').map(Number);
  // The captions' lines once the fonts they are measured in are in, and the box is on the page.
  const placeCaptions = () => {
    if (box.isConnected && document.fonts.status === 'loaded')
      fit.placeCaptions([...box.querySelectorAll('[data-caption]')]);
  };
  const place = () => {
    fit.place(box);
    for (const control of box.querySelectorAll('[data-box]'))
      fit.placeControl(control, numbers(control.dataset.box), numbers(control.dataset.within));
    placeCaptions();
  };
  const fit = totalReflectionFit(() => {
    fit.measure();
    place();
  });
  place();
  document.getElementById('desk').append(box);
  placeCaptions();
  document.fonts.ready.then(placeCaptions);
})();
