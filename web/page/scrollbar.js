'use strict';
// The page's scroll bar, drawn as the desktop's: an arrow at each end, and a thumb on a track.
// A press on an arrow or on the track, and a key, is handed to the window, which moves the bar as
// its rule says (a step, a page towards the press); the thumb is dragged. The bar shows the
// position the window reports, and tells a screen reader the pace it stands for in words.
// `parts` names the bar's parts as the window's rule knows them.
function totalReflectionScrollBar(design, { parts, press, drag, words }) {
  const make = (className, part) => Object.assign(document.createElement('div'), { className }, part && { dataset: {} });
  const bar = make('scroll');
  const back = make('arrow back');
  const track = make('track');
  const thumb = make('thumb');
  const forward = make('arrow forward');
  back.dataset.part = parts.backArrow;
  forward.dataset.part = parts.forwardArrow;
  thumb.dataset.part = parts.thumb;
  track.append(thumb);
  bar.append(back, track, forward);
  bar.setAttribute('role', 'scrollbar');
  bar.setAttribute('aria-orientation', 'horizontal');
  bar.setAttribute('aria-valuemin', '0');
  bar.setAttribute('aria-valuemax', String(design.scrollMaximum));
  // The thumb's share of the track: the page against the whole range and the page.
  bar.style.setProperty('--thumb', `${(100 * design.scrollPage) / (design.scrollMaximum + design.scrollPage)}%`);

  // Which part of the bar a press falls on.
  bar.partAt = (event) => {
    const part = event.target.closest?.('[data-part]')?.dataset.part;
    if (part !== undefined)
      return Number(part);
    return event.clientX < thumb.getBoundingClientRect().left ? parts.trackBefore : parts.trackAfter;
  };
  bar.show = (position) => {
    bar.style.setProperty('--at', String(position / design.scrollMaximum));
    bar.setAttribute('aria-valuenow', String(position));
    bar.setAttribute('aria-valuetext', words(position));
  };

  // A press takes the focus, as on the desktop, and moves the bar; on the thumb it begins a drag.
  bar.pressOn = (part) => {
    bar.focus();
    if (part !== parts.thumb)
      press(part);
  };

  let grip = null;
  bar.addEventListener('pointerdown', (event) => {
    if (event.button !== 0)
      return;
    const part = bar.partAt(event);
    event.preventDefault();
    bar.pressOn(part);
    if (part !== parts.thumb)
      return;
    grip = event.clientX - thumb.getBoundingClientRect().left;
    thumb.setPointerCapture(event.pointerId);
  });
  thumb.addEventListener('pointermove', (event) => {
    if (grip === null)
      return;
    const room = track.getBoundingClientRect();
    const share = (event.clientX - grip - room.left) / (room.width - thumb.getBoundingClientRect().width);
    drag(Math.round(Math.min(Math.max(share, 0), 1) * design.scrollMaximum));
  });
  // The drag ends where the pointer lifts, or where the browser takes the pointer back for a
  // gesture of its own.
  for (const type of ['pointerup', 'pointercancel']) {
    thumb.addEventListener(type, () => {
      grip = null;
    });
  }
  return bar;
}
