'use strict';
// How large the window is drawn: the window library's fit (window/Geometry.h), asked of the
// module with the viewport's size and the device's pixel ratio: as large as the viewport lets it
// be, its proportions kept, centred; its edges, its controls' and its lines' on whole device
// pixels, and its drawing at as many device pixels per pixel of the window as it is shown with, so
// that nothing is enlarged. `changed` is told when the viewport's size or the device's pixel ratio
// changes: a resized or rotated window, a zoom, another monitor.
function totalReflectionFit(api, changed) {
  const fit = {
    measure() {
      const room = document.documentElement;
      const dpr = window.devicePixelRatio || 1;
      Object.assign(fit, { dpr }, api.fit(room.clientWidth, room.clientHeight, dpr));
    },
    // Pixels of the window as device pixels, and as the browser's pixels that land on them.
    device: (pixels) => Math.round(pixels * fit.ratio),
    css: (devicePixels) => devicePixels / fit.dpr,
  };
  const watchRatio = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
    .addEventListener('change', () => {
      watchRatio();
      changed();
    }, { once: true });
  watchRatio();
  window.addEventListener('resize', changed);
  fit.measure();
  return fit;
}
