'use strict';
// What a run made, handed out from the drawing's menu, whose actions, words and order are the
// window's menu table (window/rules/Menu.h): the picture copied or saved, at the screen's resolution or
// at twice it, drawn afresh; the readings copied as a table in the page's language, so that a
// paste into a spreadsheet in it gives numbers, or saved as a file. Files are named after the
// window's settings, such as water-35-750.csv. An action the browser does not allow (a picture on
// a clipboard that takes only text) is left out.
// A picture larger than the browser can make is made as large as it can, and a save that makes
// nothing says so: no save fails in silence.
// `heap` is the module's memory, `ratio` the drawing's device pixels per pixel of the window, and
// `size` the drawing's width and height in pixels of the window.
function totalReflectionHandout({ api, page, label, into, windowBox, heap, ratio, size, refuse }) {
  const make = (tag, properties) => Object.assign(document.createElement(tag), properties);
  const { texts } = page;

  // Where the asynchronous clipboard is not to be had: a browser without it, or a page from disk.
  // The text is copied from a box of its own, which takes the focus for a moment; it then goes back.
  function copyByCommand(text) {
    const focused = document.activeElement;
    const box = make('textarea', { value: text, readOnly: true, className: 'copied' });
    document.body.append(box);
    box.select();
    const copied = document.execCommand('copy');
    box.remove();
    focused?.focus?.({ preventScroll: true });
    return copied;
  }

  // The largest canvas the browsers hold: no side beyond 32,767 pixels, and 16,384 squared in all.
  // A browser that holds less makes no picture of it, and it is drawn again with half as many
  // pixels. The scale at most `scale` whose picture stays within, each side rounded up.
  const largestSide = 32767;
  const largestArea = 1 << 28;
  const within = (scale) => {
    const [width, height] = size.map((side) => side * ratio());
    return Math.min(scale, (largestSide - 1) / Math.max(width, height),
      Math.sqrt(largestArea / ((width + 1) * (height + 1))));
  };

  // The drawing at so many times the screen's resolution, drawn afresh, as a PNG: the blob, its
  // width and height; no blob where the browser could make none, even at the screen's resolution.
  async function picture(scale) {
    for (let times = within(scale); ; times = Math.max(1, times / Math.SQRT2)) {
      const { pixels, width, height } = api.picture(ratio() * times);
      const canvas = make('canvas', { width, height });
      const bytes = new Uint8ClampedArray(heap().buffer, pixels, width * height * 4);
      canvas.getContext('2d')?.putImageData(new ImageData(bytes, width), 0, 0);
      const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png')).catch(() => null);
      Object.assign(canvas, { width: 0, height: 0 });
      if (blob?.size || times <= 1)
        return { blob: blob?.size ? blob : undefined, width, height, smaller: times < scale };
    }
  }

  function download(blob, name) {
    const link = make('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  const copy = {
    picture: async () => {
      try {
        const png = picture(1).then(({ blob }) => blob ?? null);
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
      } catch {
        refuse(texts.pictureNotCopied);
      }
    },
    readings: async () => {
      const table = api.readingsTable();
      try {
        await navigator.clipboard.writeText(table);
      } catch {
        if (!copyByCommand(table))
          refuse(texts.notCopied);
      }
    },
    // The page's own address, its language kept, with the last run's settings for its query.
    link: async () => {
      const address = new URL(location.href);
      const language = address.searchParams.get('lang');
      address.search = (language ? `lang=${encodeURIComponent(language)}&` : '') + api.runLink();
      address.hash = '';
      try {
        await navigator.clipboard.writeText(address.href);
      } catch {
        if (!copyByCommand(address.href))
          refuse(texts.linkNotCopied);
      }
    },
  };
  // What a save writes, and what it then has to say: nothing, or why it is not as asked.
  const notSaved = { picture: texts.pictureNotSaved, readings: texts.readingsNotSaved };
  const contents = {
    picture: async (action) => {
      const { blob, width, height, smaller } = await picture(action.scale);
      return { blob, said: !blob ? notSaved.picture
        : smaller ? texts.pictureSmaller.replace('%1', width).replace('%2', height) : '' };
    },
    readings: async (action) => {
      const { bytes, length } = api.readingsFile(action.format);
      return length > 0 ? { blob: new Blob([heap().slice(bytes, bytes + length)], { type: action.mediaType }) }
        : { said: notSaved.readings };
    },
  };
  const worksheet = totalReflectionWorksheet({ api, windowBox, drawn: (pixelRatio) => picture(pixelRatio / ratio()) });
  const ways = {
    copy: (action) => copy[action.what](),
    print: () => worksheet.print(),
    // The module's name for what the window shows, then the action's own ending ("@2x.png").
    save: async (action) => {
      const { blob, said } = await contents[action.what](action).catch(() => ({ said: notSaved[action.what] }));
      if (blob)
        download(blob, api.fileName() + action.fileName);
      if (said)
        refuse(said);
    },
  };

  // What the browser lets the page copy: text always, a picture only where the clipboard takes one.
  const copyable = {
    picture: () => typeof ClipboardItem === 'function' && typeof navigator.clipboard?.write === 'function' &&
      (ClipboardItem.supports?.('image/png') ?? true),
    readings: () => true,
    link: () => true,
  };
  const allowed = (action) => ways[action.how] !== ways.copy || copyable[action.what]();

  return totalReflectionMenu({ label, into, items: page.menu.filter(allowed).map((action) => ({
    text: action.words, group: action.group, act: () => ways[action.how](action),
    available: () => !action.needsRun || api.measured(),
  })) });
}
