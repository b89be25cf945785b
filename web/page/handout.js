'use strict';
// What a run measured, handed out from the drawing's menu: the readings copied as a table in the
// page's language, so that a paste into a spreadsheet in it gives numbers, or saved as CSV; and
// the picture saved, which the browser's own menu would have offered. Files are named after the
// window's settings, such as water-35-750.csv.
function totalReflectionHandout({ api, texts, label, drawing, refuse }) {
  const make = (tag, properties) => Object.assign(document.createElement(tag), properties);

  async function copyReadings() {
    const table = api.readingsTable();
    try {
      await navigator.clipboard.writeText(table);
    } catch {
      if (!copyByCommand(table))
        refuse(texts.notCopied);
    }
  }

  // Where the asynchronous clipboard is not to be had: a browser without it, or a page from disk.
  function copyByCommand(text) {
    const box = make('textarea', { value: text, readOnly: true, className: 'copied' });
    document.body.append(box);
    box.select();
    const copied = document.execCommand('copy');
    box.remove();
    return copied;
  }

  function download(blob, extension) {
    if (!blob)
      return;
    const link = make('a', { href: URL.createObjectURL(blob), download: `${api.fileName()}.${extension}` });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  return totalReflectionMenu({ label, items: [
    { text: texts.copyReadings, act: copyReadings },
    { text: texts.saveReadings, act: () => download(new Blob([api.readingsCsv()], { type: 'text/csv' }), 'csv') },
    { text: texts.savePicture, act: () => drawing.toBlob((picture) => download(picture, 'png')) },
  ] });
}
