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
    // A control's box on whole device pixels: its place and size in pixels of the window, and the
    // place of the frame it stands in, if it stands in one.
    placeControl(element, [x, y, controlWidth, controlHeight], [fx, fy] = [0, 0]) {
      const edges = [fx + x, fy + y, fx + x + controlWidth, fy + y + controlHeight].map(fit.device);
      const [left, top] = [edges[0] - fit.device(fx), edges[1] - fit.device(fy)];
      Object.assign(element.style, { left: `${fit.css(left)}px`, top: `${fit.css(top)}px`,
        width: `calc(${fit.css(edges[2] - edges[0])}px + var(--spill, 0px) + var(--room, 0px))`,
        height: `${fit.css(edges[3] - edges[1])}px` });
    },
    // The window's box where it is drawn, and the scale its contents are drawn at.
    place(box) {
      Object.assign(box.style, { left: `${fit.left}px`, top: `${fit.top}px`, width: `${fit.css(fit.device(width))}px`,
        height: `${fit.css(fit.device(height))}px` });
      box.style.setProperty('--scale', fit.scale);
    },
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
