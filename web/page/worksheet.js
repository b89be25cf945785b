'use strict';
// The worksheet made of the last run, printed by the browser, to paper or to a PDF. Its content
// is the module's, in the page's language (window/handout/Worksheet.h); this only lays it out for
// print, with the run's picture drawn afresh at the sheet's resolution rather than enlarged. The
// sheet stands in the page while the browser prints it, and leaves after. Every word is set as
// text, never read as markup.
// `drawn` draws the drawing afresh at a number of device pixels per pixel of the window, as a
// PNG (handout.js); `windowBox` is the window, whose copy with that drawing is the sheet's picture.
function totalReflectionWorksheet({ api, drawn, windowBox }) {
  // The picture four fifths as wide as an A4 page's text, 174 mm between its margins.
  const printedWidthMm = 139;
  const pxPerMm = 96 / 25.4;
  const make = (tag, text, className) => {
    const element = document.createElement(tag);
    if (text !== undefined)
      element.textContent = text;
    if (className)
      element.className = className;
    return element;
  };

  // The window as it stands, its controls and captions as the browser prints text, and its
  // drawing the picture drawn at the sheet's resolution; a copy no one reads or clicks, whose
  // options are no longer in the window's groups, so that the window's own stay as they are.
  function windowCopy(drawing, caption) {
    const copy = windowBox.cloneNode(true);
    copy.querySelectorAll('input[type=radio]').forEach((radio) => radio.removeAttribute('name'));
    for (const element of [copy, ...copy.querySelectorAll('*')]) {
      for (const attribute of ['id', 'role', 'tabindex', 'aria-label', 'aria-describedby', 'aria-labelledby'])
        element.removeAttribute(attribute);
    }
    copy.querySelector('.tiles')?.replaceChildren(Object.assign(make('img'), { src: drawing, alt: '' }));
    copy.inert = true;
    const { width, height } = windowBox.getBoundingClientRect();
    const scale = printedWidthMm * pxPerMm / width;
    Object.assign(copy.style, { left: '0', top: '0', transformOrigin: '0 0', transform: `scale(${scale})` });
    const frame = make('div', undefined, 'picture');
    frame.setAttribute('role', 'img');
    frame.setAttribute('aria-label', caption);
    Object.assign(frame.style, { width: `${printedWidthMm}mm`, height: `${height * scale}px` });
    frame.append(copy);
    return frame;
  }

  function table(header, rows) {
    const t = make('table');
    const head = t.createTHead().insertRow();
    header.forEach((text) => head.append(make('th', text)));
    const body = t.createTBody();
    rows.forEach((row) => {
      const line = body.insertRow();
      row.forEach((text) => line.insertCell().textContent = text);
    });
    return t;
  }

  function numbered(texts, room) {
    const list = make('ol');
    texts.forEach((text) => {
      const item = make('li', text);
      if (room)
        item.append(make('div', undefined, 'room'));
      list.append(item);
    });
    return list;
  }

  let sheet = null;
  const remove = () => {
    if (sheet)
      URL.revokeObjectURL(sheet.querySelector('.tiles img')?.src ?? '');
    sheet?.remove();
    sheet = null;
  };
  addEventListener('afterprint', remove);

  // Lays the sheet out and asks the browser to print it; whether there was a run to make it of.
  async function print() {
    const w = api.worksheet();
    if (!w)
      return false;
    remove();
    const { blob } = await drawn(w.pictureRatio);
    const drawing = blob ? URL.createObjectURL(blob) : '';
    const picture = windowCopy(drawing, w.pictureCaption);
    sheet = make('section');
    sheet.id = 'worksheet';
    sheet.append(make('h1', w.title), make('p', w.nameLine), picture, make('p', w.pictureCaption, 'caption'),
      make('h2', w.settingsTitle));
    const settings = make('ul');
    w.settings.forEach((line) => settings.append(make('li', line)));
    sheet.append(settings, make('h2', w.measuredTitle), table(w.header, w.rows), make('p', w.positionsNote, 'note'),
      make('h2', w.questionsTitle, 'new-page'), numbered(w.questions, true), make('h1', w.keyTitle, 'new-page'),
      numbered(w.answers, false), make('h2', w.resultTitle), make('p', w.result));
    document.body.append(sheet);
    await picture.querySelector('img')?.decode().catch(() => {});
    window.print();
    return true;
  }

  return { print };
}
