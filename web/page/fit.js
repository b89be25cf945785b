'use strict';
// How large the window is drawn: the window library's fit (window/rules/Geometry.h), compiled for the
// page into fitrule.js, asked with the viewport's size and the device's pixel ratio: as large as
// the viewport lets it be, its proportions kept, centred; its edges, its controls' and its lines'
// on whole device pixels, and its drawing at as many device pixels per pixel of the window as it is
// shown with, so that nothing is enlarged. The same for the window's first look, before the page's
// module has arrived. `changed` is told when the viewport's size or the device's pixel ratio
// changes: a resized or rotated window, a zoom, another monitor.
function totalReflectionFit(changed) {
  const rule = totalReflectionFitRule;
  const measure = document.createElement('canvas').getContext('2d');
  // The viewport's width and height, and the device's pixels per pixel of it.
  const room = () => [document.documentElement.clientWidth, document.documentElement.clientHeight,
    window.devicePixelRatio || 1];
  const fit = {
    measure() {
      const at = room();
      const dpr = at[2];
      Object.assign(fit, { room: at, dpr, scale: rule.tr_fit_scale(...at), ratio: rule.tr_fit_ratio(...at),
        left: rule.tr_fit_left(...at), top: rule.tr_fit_top(...at) });
    },
    // Pixels of the window as device pixels, and as the browser's pixels that land on them.
    device: (pixels) => rule.tr_device_pixels(pixels, fit.ratio),
    css: (devicePixels) => devicePixels / fit.dpr,
    // A control's box on whole device pixels, by the window's rule: its place and size in twips,
    // and the place in twips of the frame it stands in (0, 0 when it stands in none).
    placeControl(element, box, frame) {
      const at = [...box, ...frame, fit.ratio];
      const [left, top, width, height] = [rule.tr_control_left(...at), rule.tr_control_top(...at),
        rule.tr_control_width(...at), rule.tr_control_height(...at)].map(fit.css);
      Object.assign(element.style, { left: `${left}px`, top: `${top}px`,
        width: `calc(${width}px + var(--spill, 0px) + var(--room, 0px))`, height: `${height}px` });
    },
    // Captions' lines, where the window's rule puts them so that the ink of their letters stays
    // within their boxes: moved from where the browser centres each by padding one side of its box,
    // the browser centring the line, as tall as the box's content, within what is left. Measured in
    // each caption's own font, once the page's fonts are in; all are measured before any is moved,
    // so that the browser lays the window out once, not once per caption.
    placeCaptions(elements) {
      for (const element of elements)
        ['padding-top', 'padding-bottom', 'line-height'].forEach((side) => element.style.removeProperty(side));
      const shifts = elements.map((element) => {
        const style = getComputedStyle(element);
        measure.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        const metrics = measure.measureText(element.value ?? element.textContent);
        const height = Math.round(element.getBoundingClientRect().height * fit.dpr);
        const [ascent, descent] = [metrics.fontBoundingBoxAscent * fit.dpr, metrics.fontBoundingBoxDescent * fit.dpr];
        const centred = (height - ascent - descent) / 2;
        const top = rule.tr_caption_line(height, centred, ascent, metrics.actualBoundingBoxAscent * fit.dpr,
          metrics.actualBoundingBoxDescent * fit.dpr, 1);
        return { height, shift: (top - centred) / fit.dpr };
      });
      elements.forEach((element, k) => {
        const { height, shift } = shifts[k];
        if (shift)
          Object.assign(element.style, { paddingTop: `${Math.max(2 * shift, 0)}px`,
            paddingBottom: `${Math.max(-2 * shift, 0)}px`, lineHeight: `${height / fit.dpr - 2 * Math.abs(shift)}px` });
      });
    },
    // The window's box where it is drawn, and the scale its contents are drawn at.
    place(box) {
      Object.assign(box.style, { left: `${fit.left}px`, top: `${fit.top}px`,
        width: `${fit.css(fit.device(rule.tr_window_width()))}px`,
        height: `${fit.css(fit.device(rule.tr_window_height()))}px` });
      box.style.setProperty('--scale', fit.scale);
      // Browsers round a border's width down to whole device pixels: a hair more keeps the count.
      box.style.setProperty('--line', `${(Math.max(fit.device(1), 1) + 0.01) / fit.dpr}px`);
    },
  };
  // A new size and a new resolution often come together, as when the window moves to another
  // monitor or is zoomed: the window is fitted once for both.
  const whenChanged = () => {
    if (room().some((value, k) => value !== fit.room[k]))
      changed();
  };
  const watchRatio = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
    .addEventListener('change', () => {
      watchRatio();
      whenChanged();
    }, { once: true });
  watchRatio();
  window.addEventListener('resize', whenChanged);
  fit.measure();
  return fit;
}
