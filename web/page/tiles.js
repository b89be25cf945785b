'use strict';
// The drawing on the screen. A browser may copy every drawn canvas of a page to the screen in
// each frame that changes any of them: one canvas of tens of millions of device pixels, as on a
// large screen at three or four device pixels per pixel, would cost a tenth of a second or more
// in every frame a run draws. A drawing of up to a few million pixels is one canvas, whose changes
// are put as they come; a larger one is shown as tiles, each a canvas that shows a finished
// picture (an ImageBitmap, handed over whole, which the browser copies once), and a frame shows
// at most so many tiles' pixels, the rest waiting for the next: every frame stays short at any
// resolution, and the screen catches up within a few frames. At a new resolution the new tiles
// are laid over the old ones, which the browser shows at the new size until every new tile has its
// pixels.
//
// `drawing` is the element the tiles stand in; a set of tiles lies over its whole box, each tile
// placed in shares of the set's size, so that a set made for one size shows at any other.
function totalReflectionTiles(drawing) {
  const wholeUpTo = 1 << 22;
  const tileSide = 1024;
  const pixelsPerFrame = 1 << 20;
  let tiles;
  let old;
  // Where the last frame stopped: each frame goes on from there, so that no tile waits for long
  // while a run keeps changing the others.
  let next = 0;
  // Where a tile's picture is made before it is handed over, in a browser that can hand one over;
  // in one that cannot, tiles put the part changed as a single canvas does.
  const easel = typeof OffscreenCanvas === 'function' && 'transferToImageBitmap' in OffscreenCanvas.prototype
    ? new OffscreenCanvas(1, 1) : undefined;

  // How a tile shows its part of the drawing's pixels as the module holds them now: the canvas of a
  // drawing shown whole puts the part changed; a tile hands over a picture of its whole part.
  const putChanged = (context, [left, top]) => (pixels, [l, t, r, b]) =>
    context.putImageData(pixels, -left, -top, l, t, r - l, b - t);
  const handOver = (context, [left, top, right, bottom]) => (pixels) => {
    if (easel.width !== right - left || easel.height !== bottom - top)
      Object.assign(easel, { width: right - left, height: bottom - top });
    easel.getContext('2d').putImageData(pixels, -left, -top, left, top, right - left, bottom - top);
    context.transferFromImageBitmap(easel.transferToImageBitmap());
  };

  function makeSet(width, height) {
    const box = document.createElement('div');
    box.className = 'tiles';
    const set = { box, width, height, tiles: [], whole: false };
    const side = width * height <= wholeUpTo ? Math.max(width, height) : tileSide;
    const share = (pixels, whole) => `${(100 * pixels) / whole}%`;
    for (let top = 0; top < height; top += side) {
      for (let left = 0; left < width; left += side) {
        // A tile has a pixel more than its share on the right and at the bottom, beneath the tile
        // before it, so that where a browser blends a tile's edge with what lies beneath, it
        // blends the same colour.
        const edges = [left, top, Math.min(left + side + 1, width), Math.min(top + side + 1, height)];
        const [right, bottom] = edges.slice(2);
        const canvas = Object.assign(document.createElement('canvas'), { width: right - left, height: bottom - top });
        const show = side === tileSide && easel ? handOver(canvas.getContext('bitmaprenderer'), edges)
          : putChanged(canvas.getContext('2d'), edges);
        Object.assign(canvas.style, { left: share(left, width), top: share(top, height),
          width: share(right - left, width), height: share(bottom - top, height) });
        Object.assign(canvas.dataset, { left, top });
        set.tiles.push({ canvas, edges, show, changed: undefined });
        box.prepend(canvas);
      }
    }
    Object.assign(drawing.dataset, { width, height });
    drawing.append(box);
    return set;
  }

  // The part of each tile a change covers, added to what the tile has yet to show.
  function touch([left, top, right, bottom]) {
    for (const tile of tiles.tiles) {
      const [l, t, r, b] = tile.edges;
      const cut = [Math.max(left, l), Math.max(top, t), Math.min(right, r), Math.min(bottom, b)];
      if (cut[2] <= cut[0] || cut[3] <= cut[1])
        continue;
      tile.changed = tile.changed
        ? tile.changed.map((edge, k) => (k < 2 ? Math.min : Math.max)(edge, cut[k]))
        : cut;
    }
  }

  return {
    // The drawing as the module holds it: its size, whether nothing is drawn on it yet, the part
    // changed since it was last shown, and its pixels as an ImageData, asked for only if any are
    // put. Returns whether changes are left for the frames to come.
    show({ width, height, blank, changed, image }) {
      if (tiles?.width !== width || tiles?.height !== height) {
        // A picture at a new resolution: the last one shown whole stays beneath until it is; a
        // blank one has nothing to show beneath.
        const beneath = blank ? undefined : tiles?.whole ? tiles : old;
        for (const set of [old, tiles])
          if (set !== beneath)
            set?.box.remove();
        old = beneath;
        tiles = makeSet(width, height);
        next = 0;
        if (!blank)
          touch([0, 0, width, height]);
      } else {
        touch(changed);
      }
      let budget = pixelsPerFrame;
      let pixels;
      const count = tiles.tiles.length;
      for (let k = 0; k < count; ++k) {
        const tile = tiles.tiles[(next + k) % count];
        if (!tile.changed)
          continue;
        const [l, t, r, b] = tile.edges;
        const area = (r - l) * (b - t);
        if (area > budget && budget < pixelsPerFrame) {
          next = (next + k) % count;
          return true;
        }
        budget -= area;
        pixels ??= image();
        tile.show(pixels, tile.changed);
        tile.changed = undefined;
      }
      tiles.whole = true;
      old?.box.remove();
      old = undefined;
      return false;
    },
  };
}
