'use strict';
// How large the window is drawn: as large as the browser's viewport lets it be, its proportions
// kept, centred; its edges, its controls' and its lines' on whole device pixels, and its drawing
// at as many device pixels per pixel of the window as it is shown with, so that nothing is
// enlarged. `changed` is told when the viewport's size or the device's pixel ratio changes: a
// resized or rotated window, a zoom, another monitor.
function totalReflectionFit(width, height, changed) {
  const fit = {
    measure() {
      const room = document.documentElement;
      const dpr = window.devicePixelRatio || 1;
      const scale = Math.min(room.clientWidth / width, room.clientHeight / height) || 1;
      const ratio = scale * dpr;
      const centred = (space, size) => Math.max(Math.floor((space * dpr - Math.round(size * ratio)) / 2), 0) / dpr;
      Object.assign(fit, { dpr, scale, ratio, left: centred(room.clientWidth, width), top: centred(room.clientHeight, height) });
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
