'use strict';
// The window's elements, built from the design the module describes: the window's box, every
// control at its place (an option within its frame), the seven lines after the control the design
// names, and the drawing (its tiles, tiles.js) between the prompt beneath it and the controls above
// it. What a user does to a control is handed to `on`; the boxes are placed on whole device pixels
// of the window as it is fitted (fit.js).
function totalReflectionBuild({ design, desk, statement, api, translated, on }) {
  const make = (tag, properties = {}) => Object.assign(document.createElement(tag), properties);
  const cssAlign = { left: 'left', centre: 'center', right: 'right' };
  // name -> { designed, element: the element named after the control, outer: the positioned box }
  const controls = new Map();
  const lines = new Map();

  function createElement(designed) {
    switch (designed.kind) {
      case 'TextBox': {
        const box = make('input', { type: 'text', value: designed.text, spellcheck: false, autocomplete: 'off',
          maxLength: design.textBoxLength });
        box.classList.toggle('bordered', designed.bordered);
        box.addEventListener('input', () => on.type(designed.name, box.value));
        return [box, box];
      }
      case 'ScrollBar': {
        const bar = totalReflectionScrollBar(design, on.scrollBar);
        return [bar, bar];
      }
      case 'Frame': {
        const frame = make('fieldset');
        frame.append(make('legend', { textContent: designed.text }), make('div', { className: 'groove' }));
        return [frame, frame];
      }
      case 'Option': {
        // The radio button takes the option's whole box, so that a click anywhere in it counts;
        // its caption is drawn over it and lets clicks through.
        const radio = make('input', { type: 'radio', name: designed.container });
        const outer = make('span');
        outer.append(radio, make('label', { htmlFor: designed.name, textContent: designed.text }));
        radio.addEventListener('click', () => on.click(designed.name));
        return [radio, outer];
      }
      case 'Command': {
        const button = make('button', { type: 'button', textContent: designed.text });
        button.addEventListener('click', () => on.click(designed.name));
        return [button, button];
      }
      default:
        return Array(2).fill(make('div', { textContent: designed.text }));
    }
  }

  function createControl(designed) {
    const [element, outer] = createElement(designed);
    element.id = designed.name;
    outer.classList.add(designed.kind.toLowerCase());
    if (designed.accessibleName)
      element.setAttribute('aria-label', designed.accessibleName);
    if (designed.takesFocus)
      element.tabIndex = 0;
    const font = designed.font.family ? designed.font : design.window.defaultFont;
    Object.assign(outer.style, { fontFamily: `"${font.family}"`, fontSize: `calc(${font.points}pt * var(--scale))`,
      fontWeight: designed.font.bold ? 'bold' : 'normal', textAlign: cssAlign[designed.align] });
    if (designed.back)
      outer.style.backgroundColor = designed.back;
    if (designed.fore)
      outer.style.color = designed.fore;
    outer.hidden = designed.hidden;
    controls.set(designed.name, { designed, element, outer });
    return outer;
  }

  function createLines(into) {
    for (const line of design.lines) {
      const element = make('div', { id: line.name, className: 'line' });
      element.setAttribute('role', 'img');
      element.setAttribute('aria-label', line.accessibleName);
      lines.set(line.name, element);
      into.push(element);
    }
  }

  const properties = design.window;
  document.title = properties.caption;
  document.getElementById('caption').textContent = properties.caption;
  const windowBox = make('div', { id: properties.name, className: 'window' });
  windowBox.setAttribute('role', 'group');
  windowBox.setAttribute('aria-label', properties.caption);
  Object.assign(windowBox.style, { backgroundColor: properties.background,
    fontFamily: `"${properties.defaultFont.family}"`, fontSize: `calc(${properties.defaultFont.points}pt * var(--scale))` });

  const drawing = make('div', { className: 'drawing' });
  const tiles = totalReflectionTiles(drawing);
  drawing.setAttribute('role', 'img');
  drawing.setAttribute('aria-label', design.drawingName);
  drawing.setAttribute('aria-describedby', statement.id);

  const above = [];
  let beneath;
  for (const designed of design.controls) {
    const outer = createControl(designed);
    if (designed.container)
      controls.get(designed.container).outer.append(outer);
    else if (designed.name === design.beneathDrawing)
      beneath = outer;
    else
      above.push(outer);
    if (designed.name === design.linesFollow)
      createLines(above);
  }
  windowBox.append(beneath, drawing, ...above);
  // Beside the window's first look, if the page shows it, and unseen until shown: laid out, so that
  // it can be fitted and its captions measured, while the first look stands.
  windowBox.style.visibility = 'hidden';
  desk.append(windowBox);

  // The window in place of its first look.
  function show() {
    desk.replaceChildren(windowBox);
    windowBox.style.removeProperty('visibility');
  }

  // A control's box, on whole device pixels of the window as it is fitted: its place in the
  // state, within its frame if it stands in one.
  function place(name, state, fit) {
    const { designed, outer } = controls.get(name);
    const place = (control) => state.controls[control].place;
    fit.placeControl(outer, [...place(name), designed.width, designed.height],
      designed.container ? place(designed.container) : [0, 0]);
  }

  // The captions' words in their boxes, measured in the window's own fonts once they are in: a
  // caption that may grow and lacks room grows into the free space beside it, as the module says
  // (the design's own words are left as designed); and each caption's line stands where the
  // module's rule puts it, so that the ink of its letters stays within its box.
  function makeRoom(fit) {
    if (document.fonts.status !== 'loaded')
      return;
    const all = [...controls.values()];
    fit.placeCaptions(all.filter(({ designed }) => designed.caption).map(({ element }) => element));
    if (!translated)
      return;
    // Each control's room measured before any is given it, so that the window is laid out once.
    const growing = all.filter(({ designed }) => designed.mayGrow);
    for (const { outer } of growing) {
      outer.style.removeProperty('--room');
      outer.style.removeProperty('margin-left');
    }
    const lacking = growing.map(({ designed, element, outer }) => {
      const words = document.createRange();
      words.selectNodeContents(outer.querySelector('label') ?? element);
      return designed.kind === 'Option'
        ? Math.ceil(words.getBoundingClientRect().right - outer.getBoundingClientRect().left - outer.clientWidth)
        : element.scrollWidth - element.clientWidth;
    });
    growing.forEach(({ designed, outer }, k) => {
      if (lacking[k] <= 0)
        return;
      outer.style.setProperty('--room', `${lacking[k]}px`);
      outer.style.marginLeft = `${-api.grownLeft(designed.name, lacking[k])}px`;
    });
  }

  return { windowBox, drawing, tiles, controls, lines, place, makeRoom, show };
}
