'use strict';
// The window in a browser. The window's design, its handlers, its state and its rules all live
// in the WebAssembly module: this page builds its elements from the design the module describes,
// hands what the user does to the module, mirrors the state it reports back, and paints the
// drawing's pixels.
(function () {
  const desk = document.getElementById('desk');
  const message = document.getElementById('message');
  const messageText = document.getElementById('message-text');
  const closedNote = document.getElementById('closed');
  const stoppedNote = document.getElementById('stopped');
  const statement = document.getElementById('statement');

  let module;
  let api;
  let design;
  let page;
  let state;
  // name -> { designed, element: the element named after the control, outer: the positioned box }
  const controls = new Map();
  const lines = new Map();
  let windowBox;
  let drawing;
  let fit;
  let running = false;
  let closed = false;
  // The window is fitted to the viewport anew once the run under way has ended.
  let refit = false;
  let setAside;
  let menu;

  // ---- The window, built from the design ----

  const make = (tag, properties = {}) => Object.assign(document.createElement(tag), properties);
  const cssAlign = { left: 'left', centre: 'center', right: 'right' };

  // A control's box, on whole device pixels of the window as it is fitted: its place in the
  // state, within its frame if it stands in one.
  function place(name) {
    const { designed, outer } = controls.get(name);
    const t = design.twipsPerPixel;
    const [x, y] = state.places[name].map((twips) => twips / t);
    const [fx, fy] = designed.container ? state.places[designed.container].map((twips) => twips / t) : [0, 0];
    fit.placeControl(outer, [x, y, designed.width / t, designed.height / t], [fx, fy]);
  }

  function createElement(designed) {
    switch (designed.kind) {
      case 'TextBox': {
        const box = make('input', { type: 'text', value: designed.text, spellcheck: false, autocomplete: 'off',
          maxLength: design.textBoxLength });
        box.classList.toggle('bordered', designed.bordered);
        box.addEventListener('input', () => act(() => api.type(designed.name, box.value)));
        return [box, box];
      }
      case 'ScrollBar': {
        const bar = totalReflectionScrollBar(design, { press: pressScrollBar, drag: (to) => act(() => api.scroll(to)),
          words: api.paceText });
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
        radio.addEventListener('click', () => click(designed.name));
        return [radio, outer];
      }
      case 'Command': {
        const button = make('button', { type: 'button', textContent: designed.text });
        button.addEventListener('click', () => click(designed.name));
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

  function build() {
    const properties = design.window;
    document.title = properties.caption;
    message.setAttribute('aria-label', properties.caption);
    windowBox = make('div', { id: properties.name, className: 'window' });
    windowBox.setAttribute('role', 'group');
    windowBox.setAttribute('aria-label', properties.caption);
    Object.assign(windowBox.style, { backgroundColor: properties.background,
      fontFamily: `"${properties.defaultFont.family}"`, fontSize: `calc(${properties.defaultFont.points}pt * var(--scale))` });

    drawing = make('canvas');
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
    // In place of the window's first look, if the page showed it.
    desk.replaceChildren(windowBox);
    buildMenu();
  }

  // ---- What a run measured, handed out ----

  // The drawing's menu, everywhere in the window but where a text box, a button or the scroll bar
  // has a press of its own.
  function buildMenu() {
    menu = totalReflectionHandout({ api, texts: page.texts, label: design.drawingName, drawing, refuse });
    menu.attach(windowBox, (target) => !target.closest('input[type=text], button, [role=scrollbar]'));
  }

  // The run's result in words: the drawing's description, and said once by a screen reader.
  function announce() {
    statement.textContent = api.statement();
  }

  // The window fitted to the viewport: its box, its controls and lines, and its drawing, drawn
  // afresh at the new resolution. During a run the window keeps its size until the run's end.
  function layout() {
    if (running) {
      refit = true;
      return;
    }
    refit = false;
    fit.measure();
    if (fit.ratio !== design.ratio) {
      api.resize(fit.ratio);
      design.ratio = fit.ratio;
    }
    fit.place(windowBox);
    // Setting a canvas's size clears it, even to the size it has.
    const [canvasWidth, canvasHeight] = [api.canvasWidth(), api.canvasHeight()];
    if (drawing.width !== canvasWidth || drawing.height !== canvasHeight)
      Object.assign(drawing, { width: canvasWidth, height: canvasHeight });
    Object.assign(drawing.style, { width: `${fit.css(drawing.width)}px`, height: `${fit.css(drawing.height)}px` });
    mirror();
    paint();
    makeRoom();
  }

  // ---- The window's state, mirrored ----

  function mirror() {
    state = api.state();
    for (const [name, text] of Object.entries(state.texts)) {
      const box = controls.get(name).element;
      if (box.value !== text)
        box.value = text;
    }
    for (const [name, shown] of Object.entries(state.shown))
      controls.get(name).outer.hidden = !shown;
    for (const { designed, element } of controls.values()) {
      if (designed.kind === 'Option')
        element.checked = state.selected.includes(designed.name);
      if (designed.kind === 'ScrollBar')
        element.show(state.scroll);
    }
    for (const name of Object.keys(state.places))
      place(name);
    for (const [name, { shown, ...box }] of Object.entries(state.lines)) {
      const element = lines.get(name);
      for (const [side, value] of Object.entries(box))
        element.style[side] = `${fit.css(value)}px`;
      element.hidden = !shown;
    }
  }

  // What the drawing has changed since it was last painted, straight from the module's memory.
  function paint() {
    const [left, top, right, bottom] = api.changed();
    if (right <= left || bottom <= top)
      return;
    const bytes = new Uint8ClampedArray(module.HEAPU8.buffer, api.pixels(), drawing.width * drawing.height * 4);
    drawing.getContext('2d').putImageData(new ImageData(bytes, drawing.width), 0, 0, left, top, right - left, bottom - top);
  }

  // ---- What the user does ----

  // Every change the user makes goes to the module, and the window shows what it left.
  function act(change) {
    const result = change();
    mirror();
    return result;
  }

  function pressScrollBar(part) {
    act(() => api.scrollPress(part));
  }

  function click(name) {
    if (closed)
      return;
    const result = act(() => api.click(name));
    paint();
    if (result === page.clickResults.runBegun)
      beginRun();
    else if (result === page.clickResults.refused)
      refuse(api.refusal());
    else if (result === page.clickResults.unloaded)
      close();
  }

  function refuse(text) {
    // Plain text: the message quotes what the user typed.
    messageText.textContent = text;
    message.showModal();
    document.getElementById('message-ok').focus();
  }

  document.getElementById('reload').addEventListener('click', () => location.reload());
  message.addEventListener('close', () => {
    controls.get(design.startButton).element.focus();
    handBack();
  });

  const handBack = () => setAside.handBack(() => !running && !closed && !message.open);

  function close() {
    closed = true;
    if (running && stoppedNote.hidden)
      announce();
    running = false;
    menu?.close();
    setAside?.drop();
    desk.removeAttribute('aria-busy');
    desk.hidden = true;
    closedNote.hidden = false;
  }

  // The module trapped: nothing it holds can be trusted, so the window goes, and the page says
  // why and offers to start afresh.
  function stopped(error) {
    if (!stoppedNote.hidden)
      return;
    close();
    closedNote.hidden = true;
    if (message.open)
      message.close();
    if (page)
      document.getElementById('stopped-text').textContent = page.texts.stopped;
    document.getElementById('stopped-error').textContent = String(error?.message ?? error);
    stoppedNote.hidden = false;
    document.getElementById('reload').focus();
  }

  // ---- A run, a frame at a time ----

  // The first frame's work is done at once, in the click's own turn: a run at the fastest pace
  // then ends in the frame that shows it.
  function beginRun() {
    running = true;
    desk.setAttribute('aria-busy', 'true');
    // The drawing now covers the prompt beneath it.
    controls.get(design.beneathDrawing).outer.setAttribute('aria-hidden', 'true');
    frame();
  }

  function frame() {
    if (!running)
      return;
    const more = api.advance();
    paint();
    if (more)
      return requestAnimationFrame(frame);
    running = false;
    desk.removeAttribute('aria-busy');
    announce();
    if (refit)
      layout();
    handBack();
  }

  // ---- The keyboard ----

  const arrows = { ArrowUp: [0, -1], ArrowDown: [0, 1], ArrowLeft: [-1, 0], ArrowRight: [1, 0] };
  // What a key does to the focus: Tab and Shift+Tab move it, Enter and Space press a button.
  const keyRole = (event) => event.key === 'Tab' ? (event.shiftKey ? 'backtab' : 'tab')
    : event.key === 'Enter' || event.key === ' ' ? 'press' : 'other';

  // The keys the window gives a meaning to, the same when they arrive and when handed back after a
  // run: Tab along the window's tab order, the arrows within an option group, and the scroll bar's
  // keys. Returns whether the key was one of them.
  function windowKey(element, event) {
    if (menu.asks(event) && !element.matches('input[type=text]')) {
      const box = drawing.getBoundingClientRect();
      menu.open(box.left + box.width / 3, box.top + box.height / 3);
      return true;
    }
    if (event.key === 'Tab') {
      controls.get(api.nextStop(element.id, !event.shiftKey)).element.focus();
      return true;
    }
    if (event.ctrlKey || event.altKey || event.metaKey)
      return false;
    if (element.type === 'radio' && event.key in arrows) {
      const to = api.optionToward(element.id, ...arrows[event.key]);
      if (to && element.checked)
        click(to);
      controls.get(to || element.id).element.focus();
      return true;
    }
    return element.getAttribute('role') === 'scrollbar' && act(() => api.scrollKey(event.key)) === 1;
  }

  document.addEventListener('keydown', (event) => {
    if (closed || !(event.target instanceof HTMLElement))
      return;
    // A key held down presses a button once, the message's OK too: a held Enter that opened
    // the message must not go on to close it.
    if (event.repeat && event.target.tagName === 'BUTTON' && keyRole(event) === 'press')
      return event.preventDefault();
    // With nothing focused, as after a click on the drawing, a key is the window's all the same.
    if ((desk.contains(event.target) || event.target === document.body) && windowKey(event.target, event))
      event.preventDefault();
  });

  // A caption that may grow and lacks room grows into the free space beside it, as the module
  // says: measured in the window's own fonts, once they are in.
  function makeRoom() {
    if (language === 'en' || document.fonts.status !== 'loaded')
      return;
    for (const { designed, element, outer } of controls.values()) {
      if (!designed.mayGrow)
        continue;
      outer.style.removeProperty('--room');
      outer.style.removeProperty('margin-left');
      const words = document.createRange();
      words.selectNodeContents(outer.querySelector('label') ?? element);
      const lacking = designed.kind === 'Option'
        ? Math.ceil(words.getBoundingClientRect().right - outer.getBoundingClientRect().left - outer.clientWidth)
        : element.scrollWidth - element.clientWidth;
      if (lacking <= 0)
        continue;
      outer.style.setProperty('--room', `${lacking}px`);
      outer.style.marginLeft = `${-api.grownLeft(designed.name, lacking)}px`;
    }
  }

  // ---- Start-up ----

  const { language, decimalSeparator, translate } = totalReflectionLanguage;
  createTotalReflection().then((loaded) => {
    module = loaded;
    module.translate = translate;
    api = totalReflectionModule(module, stopped);
    setAside = totalReflectionSetAside({ desk, api, running: () => running, click, windowKey, keyRole });
    design = api.design();
    page = api.page();
    document.documentElement.lang = language;
    closedNote.textContent = page.texts.closed;
    document.getElementById('message-ok').textContent = page.texts.ok;
    document.getElementById('reload').textContent = page.texts.reload;
    build();
    api.start(decimalSeparator);
    state = api.state();
    fit = totalReflectionFit(design.window.width, design.window.height, layout);
    layout();
    document.fonts.ready.then(makeRoom);
    desk.removeAttribute('aria-busy');
    controls.get(design.startButton).element.focus({ preventScroll: true });
    // Served with its manifest, the page keeps its files for when there is no network; where it
    // cannot, it works while there is one.
    if ('serviceWorker' in navigator && document.querySelector('link[rel=manifest]'))
      navigator.serviceWorker.register('sw.js').catch(() => {});
  }).catch((error) => {
    stopped(error);
    throw error;
  });
})();
