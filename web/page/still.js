'use strict';
// The window's first look, shown as soon as the page is, while the module is still on its way: a
// copy of the window as it starts, made when the page was built, in the page's language and fitted
// to the viewport as the window itself is. It takes no input; the window takes its place, on the
// same pixels, once the module runs. A page with no copy (the single file) shows none.
(() => {
  const copy = document.getElementById(`still-${totalReflectionLanguage.language}`);
  if (!copy)
    return;
  const box = copy.content.firstElementChild.cloneNode(true);
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
