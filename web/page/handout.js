'use strict';
// What a run made, handed out from the drawing's menu, whose actions, words and order are the
// window's menu table (window/rules/Menu.h): the picture copied or saved, at the screen's resolution or
// at twice it, drawn afresh; the readings copied as a table in the page's language, so that a
// paste into a spreadsheet in it gives numbers, or saved as a file. Files are named after the
// window's settings, such as water-35-750.csv. An action the browser does not allow (a picture on
// a clipboard that takes only text) is left out.
// `heap` is the module's memory, `ratio` the drawing's device pixels per pixel of the window.
function totalReflectionHandout({ api, page, label, into, heap, ratio, refuse }) {
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

  // The drawing at so many times the screen's resolution, as a PNG.
  function picture(scale) {
    return new Promise((resolve) => {
      const { pixels, width, height } = api.picture(ratio() * scale);
      const canvas = make('canvas', { width, height });
      const bytes = new Uint8ClampedArray(heap().buffer, pixels, width * height * 4);
      canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(bytes), width), 0, 0);
      canvas.toBlob(resolve, 'image/png');
    });
  }

  function download(blob, name) {
    if (!blob)
      return;
    const link = make('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  const copy = {
    picture: async () => {
      try {
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': picture(1) })]);
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
  };
  const contents = {
    picture: (action) => picture(action.scale),
    readings: async (action) => {
      const { bytes, length } = api.readingsFile(action.format);
      return new Blob([heap().slice(bytes, bytes + length)], { type: action.mediaType });
    },
  };
  const ways = {
    copy: (action) => copy[action.what](),
    // The module's name for what the window shows, then the action's own ending ("@2x.png").
    save: async (action) => download(await contents[action.what](action), api.fileName() + action.fileName),
  };

  // What the browser lets the page copy: text always, a picture only where the clipboard takes one.
  const copyable = {
    picture: () => typeof ClipboardItem === 'function' && typeof navigator.clipboard?.write === 'function' &&
      (ClipboardItem.supports?.('image/png') ?? true),
    readings: () => true,
  };
  const allowed = (action) => ways[action.how] !== ways.copy || copyable[action.what]();

  return totalReflectionMenu({ label, into, items: page.menu.filter(allowed).map((action) => ({
    text: action.words, group: action.group, act: () => ways[action.how](action),
    available: () => !action.needsRun || api.measured(),
  })) });
}
