'use strict';
// The window in a browser. The window's design, its handlers and its state all live in the
// WebAssembly module: this page builds its controls from the design the module describes,
// forwards what the user does to the module, and mirrors the state the module reports back.
(function () {
  const kindClass = { TextBox: 'textbox', ScrollBar: 'scrollbar', Frame: 'frame', Option: 'option', Command: 'command', Label: 'label' };
  const cssAlign = { left: 'left', centre: 'center', right: 'right' };

  const desk = document.getElementById('desk');
  const message = document.getElementById('message');
  const messageText = document.getElementById('message-text');
  const closedNote = document.getElementById('closed');
  const stoppedNote = document.getElementById('stopped');

  let module;
  let api;
  let design;
  // name -> { designed, element: the element named after the control, outer: the positioned box }
  const controls = new Map();
  const lines = new Map();
  let drawing;
  let picture;
  let running = false;
  let closed = false;
  // Clicks and keys that arrived during a run, handled in order once it has ended.
  const setAside = [];

  // Text goes into the module through its heap as UTF-8 with its length, never through its stack:
  // a cell may hold 32767 characters, a NUL among them, and a lone surrogate becomes U+FFFD.
  // What the module hands back is read with its length too.
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  function bind(m) {
    const inHeap = (texts, use) => {
      const bytes = texts.map((text) => encoder.encode(text));
      const places = bytes.map((b) => m._malloc(b.length + 1));
      try {
        bytes.forEach((b, k) => m.HEAPU8.set(b, places[k]));
        return use(...places.flatMap((place, k) => [place, bytes[k].length]));
      } finally {
        places.forEach((place) => m._free(place));
      }
    };
    const read = (place) => decoder.decode(m.HEAPU8.subarray(place, place + m._tr_text_length()));
    const calls = {
      design: () => read(m._tr_design()),
      start: (separator) => inHeap([separator], m._tr_start),
      state: () => read(m._tr_state()),
      click: (name) => inHeap([name], m._tr_click),
      refusal: () => read(m._tr_refusal()),
      type: (name, text) => inHeap([name, text], m._tr_type),
      scroll: (position) => m._tr_scroll(position),
      advance: () => m._tr_advance(),
      stop: () => m._tr_stop(),
      pixels: () => m._tr_pixels(),
      width: () => m._tr_width(),
      height: () => m._tr_height(),
    };
    // A module that has trapped is left in no state to go on from: the page says so at once.
    for (const [name, call] of Object.entries(calls)) {
      calls[name] = (...args) => {
        try {
          return call(...args);
        } catch (error) {
          stopped(error);
          throw error;
        }
      };
    }
    return calls;
  }

  // ---- The window, built from the design ----

  const pixels = (twips) => Math.round(twips / design.twipsPerPixel);

  function make(tag, properties = {}) {
    return Object.assign(document.createElement(tag), properties);
  }

  function setPlace(element, left, top) {
    element.style.left = `${pixels(left)}px`;
    element.style.top = `${pixels(top)}px`;
  }

  function createControl(designed) {
    let element;
    let outer;
    switch (designed.kind) {
      case 'TextBox':
        element = outer = make('input', { type: 'text', value: designed.text, spellcheck: false, autocomplete: 'off',
          maxLength: design.textBoxLength });
        element.classList.toggle('bordered', designed.bordered);
        element.addEventListener('input', () => {
          api.type(designed.name, element.value);
          mirror();
        });
        break;
      case 'ScrollBar':
        element = outer = make('input', { type: 'range', min: 0, max: design.scrollMaximum, step: 1, value: 0 });
        element.addEventListener('input', () => scrollTo(element.valueAsNumber));
        break;
      case 'Frame':
        element = outer = make('fieldset');
        outer.append(make('legend', { textContent: designed.text }), make('div', { className: 'groove' }));
        break;
      case 'Option':
        // The radio button takes the option's whole box, so that a click anywhere in it counts;
        // its caption is drawn over it and lets clicks through.
        outer = make('span');
        element = make('input', { type: 'radio', name: designed.container });
        outer.append(element, make('label', { htmlFor: designed.name, textContent: designed.text }));
        element.addEventListener('click', () => act(designed.name));
        break;
      case 'Command':
        element = outer = make('button', { type: 'button', textContent: designed.text });
        element.addEventListener('click', () => act(designed.name));
        break;
      default:
        element = outer = make('div', { textContent: designed.text });
    }
    element.id = designed.name;
    outer.classList.add(kindClass[designed.kind]);
    if (designed.accessibleName)
      element.setAttribute('aria-label', designed.accessibleName);
    if (designed.kind !== 'Frame' && designed.kind !== 'Label')
      element.tabIndex = designed.tab + 1; // tabindex 0 would put it after all the others
    setPlace(outer, designed.left, designed.top);
    outer.style.width = `calc(${pixels(designed.width)}px + var(--spill, 0px) + var(--room, 0px))`;
    outer.style.height = `${pixels(designed.height)}px`;
    const font = designed.font.family ? designed.font : design.window.defaultFont;
    outer.style.fontFamily = `"${font.family}"`;
    outer.style.fontSize = `${font.points}pt`;
    outer.style.fontWeight = designed.font.bold ? 'bold' : 'normal';
    if (designed.back)
      outer.style.backgroundColor = designed.back;
    if (designed.fore)
      outer.style.color = designed.fore;
    outer.style.textAlign = cssAlign[designed.align];
    outer.hidden = designed.hidden;
    controls.set(designed.name, { designed, element, outer });
    return outer;
  }

  // The pixels a line control sets, as the desktop's: along the line from the pixel after its
  // first end's to its last end's, across it the pen's width around the middle of its own row
  // or column, a pixel counting in when its centre lies within the pen.
  function placeLine(element, width, ends) {
    const t = design.twipsPerPixel;
    const x1 = Math.floor(Math.min(ends.x1, ends.x2) / t);
    const x2 = Math.floor(Math.max(ends.x1, ends.x2) / t);
    const y1 = Math.floor(Math.min(ends.y1, ends.y2) / t);
    const y2 = Math.floor(Math.max(ends.y1, ends.y2) / t);
    const near = (middle) => Math.floor(middle - width / 2) + 1;
    const far = (middle) => Math.floor(middle + width / 2) + 1;
    const box = y1 === y2
      ? { left: x1 + 1, top: near(y1), width: x2 - x1, height: far(y1) - near(y1) }
      : { left: near(x1), top: y1 + 1, width: far(x1) - near(x1), height: y2 - y1 };
    for (const [side, value] of Object.entries(box))
      element.style[side] = `${value}px`;
    element.hidden = !ends.shown;
  }

  function createLines(into) {
    for (const line of design.lines) {
      const element = make('div', { id: line.name, className: 'line' });
      element.setAttribute('role', 'img');
      element.setAttribute('aria-label', line.accessibleName);
      placeLine(element, line.width, { ...line, shown: true });
      lines.set(line.name, { line, element });
      into.append(element);
    }
  }

  function build() {
    const properties = design.window;
    document.title = properties.caption;
    message.setAttribute('aria-label', properties.caption);
    const window = make('div', { id: properties.name, className: 'window' });
    window.setAttribute('role', 'group');
    window.setAttribute('aria-label', properties.caption);
    window.style.width = `${pixels(properties.clientWidth)}px`;
    window.style.height = `${pixels(properties.clientHeight)}px`;
    window.style.backgroundColor = properties.background;
    window.style.fontFamily = `"${properties.defaultFont.family}"`;
    window.style.fontSize = `${properties.defaultFont.points}pt`;

    drawing = make('canvas', { width: api.width(), height: api.height() });
    drawing.setAttribute('role', 'img');
    drawing.setAttribute('aria-label', design.drawingName);
    picture = new ImageData(drawing.width, drawing.height);

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
        createLines({ append: (element) => above.push(element) });
    }
    window.append(...(beneath ? [beneath] : []), drawing, ...above);
    desk.append(window);
  }

  // ---- The window's state, mirrored ----

  function mirror() {
    const state = JSON.parse(api.state());
    for (const [name, text] of Object.entries(state.texts)) {
      const box = controls.get(name).element;
      if (box.value !== text)
        box.value = text;
    }
    for (const [name, shown] of Object.entries(state.shown)) {
      const { outer } = controls.get(name);
      if (outer.hidden === shown)
        outer.hidden = !shown;
    }
    for (const { designed, element } of controls.values()) {
      const selected = designed.kind === 'Option' && state.selected.includes(designed.name);
      if (designed.kind === 'Option' && element.checked !== selected)
        element.checked = selected;
    }
    for (const [name, [left, top]] of Object.entries(state.places))
      setPlace(controls.get(name).outer, left, top);
    for (const [name, ends] of Object.entries(state.lines)) {
      const { line, element } = lines.get(name);
      placeLine(element, line.width, ends);
    }
    const bar = scrollBar();
    if (bar && bar.valueAsNumber !== state.scroll)
      bar.value = state.scroll;
  }

  function paint() {
    const start = api.pixels();
    picture.data.set(module.HEAPU8.subarray(start, start + picture.data.length));
    drawing.getContext('2d').putImageData(picture, 0, 0);
  }

  function scrollBar() {
    for (const { designed, element } of controls.values()) {
      if (designed.kind === 'ScrollBar')
        return element;
    }
    return null;
  }

  // ---- What the user does ----

  function act(name) {
    if (closed)
      return;
    if (running) {
      if (name === design.exitButton)
        exitDuringRun();
      return;
    }
    const result = api.click(name);
    paint();
    mirror();
    if (result === design.clickResults.runBegun)
      beginRun();
    else if (result === design.clickResults.refused)
      refuse(api.refusal());
    else if (result === design.clickResults.unloaded)
      close();
  }

  function scrollTo(position) {
    api.scroll(position);
    mirror();
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
    handleSetAside();
  });

  function close() {
    closed = true;
    setAside.length = 0;
    desk.hidden = true;
    closedNote.hidden = false;
  }

  // The module trapped: nothing it holds can be trusted, so the window goes, and the page says
  // why and offers to start afresh.
  function stopped(error) {
    if (stoppedNote.hidden === false)
      return;
    closed = true;
    running = false;
    setAside.length = 0;
    if (message.open)
      message.close();
    desk.hidden = true;
    if (design)
      document.getElementById('stopped-text').textContent = design.pageTexts.stopped;
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
    frame();
  }

  function frame() {
    if (!running)
      return;
    const more = api.advance();
    paint();
    mirror();
    if (more)
      requestAnimationFrame(frame);
    else
      endRun();
  }

  function endRun() {
    running = false;
    desk.removeAttribute('aria-busy');
    handleSetAside();
  }

  // Exit does not wait: the run ends where it is, and the window unloads.
  function exitDuringRun() {
    api.stop();
    running = false;
    setAside.length = 0;
    paint();
    desk.removeAttribute('aria-busy');
    act(design.exitButton);
  }

  const isExit = (element) => element instanceof Element && element.closest(`#${design.exitButton}`) !== null;
  const pressKey = (key) => key === 'Enter' || key === ' ';

  // During a run, input is set aside at the document before any control sees it, except what
  // presses Exit.
  function holdDuringRun(event) {
    if (!running)
      return;
    if (event instanceof KeyboardEvent ? isExit(document.activeElement) && pressKey(event.key) : isExit(event.target))
      return;
    event.preventDefault();
    event.stopImmediatePropagation();
    if (event.type === 'click' && event.target instanceof Element)
      setAside.push({ target: event.target.closest('[id]'), clientX: event.clientX });
    else if (event.type === 'keydown' && !event.repeat)
      setAside.push({ key: event.key, shiftKey: event.shiftKey, ctrlKey: event.ctrlKey, altKey: event.altKey, metaKey: event.metaKey });
  }
  for (const type of ['keydown', 'keypress', 'keyup', 'mousedown', 'mouseup', 'click', 'dblclick', 'auxclick', 'contextmenu',
    'pointerdown', 'pointerup', 'touchstart', 'touchend', 'beforeinput', 'paste', 'cut', 'dragstart', 'dragover', 'drop'])
    document.addEventListener(type, holdDuringRun, { capture: true, passive: false });

  // A click set aside may begin a run of its own; the rest then waits for that run's end, and
  // for a refusal's message to be closed.
  function handleSetAside() {
    while (setAside.length && !running && !closed && !message.open) {
      const input = setAside.shift();
      if ('key' in input)
        replayKey(input);
      else
        replayClick(input);
    }
  }

  function replayClick({ target, clientX }) {
    if (!target || !desk.contains(target) || target.closest('[hidden]'))
      return;
    if (target.type === 'range') {
      const box = target.getBoundingClientRect();
      const share = Math.min(Math.max((clientX - box.left) / box.width, 0), 1);
      target.focus();
      target.value = Math.round(share * design.scrollMaximum);
      scrollTo(target.valueAsNumber);
    } else if (target.matches('input, button')) {
      target.focus();
      if (target.type === 'radio' || target.tagName === 'BUTTON')
        target.click();
    }
  }

  const arrows = { ArrowUp: [0, -1], ArrowDown: [0, 1], ArrowLeft: [-1, 0], ArrowRight: [1, 0] };

  // The option an arrow key moves to, as on the desktop: the nearest of the group whose centre
  // lies that way, those level with this one first; none beyond the last.
  function optionToward(from, key) {
    const [x, y] = arrows[key];
    const here = from.getBoundingClientRect();
    let best = null;
    let bestScore = Infinity;
    for (const other of document.getElementsByName(from.name)) {
      if (other === from || other.closest('[hidden]'))
        continue;
      const there = other.getBoundingClientRect();
      const dx = there.left + there.width / 2 - (here.left + here.width / 2);
      const dy = there.top + there.height / 2 - (here.top + here.height / 2);
      if (dx * x + dy * y <= 0)
        continue;
      const level = x === 0 ? there.left < here.right && here.left < there.right
        : there.top < here.bottom && here.top < there.bottom;
      const along = Math.abs(x === 0 ? dy : dx);
      const across = Math.abs(x === 0 ? dx : dy);
      const score = level ? along * 65536 + across : 2 ** 30 + dx * dx + dy * dy;
      if (score < bestScore) {
        best = other;
        bestScore = score;
      }
    }
    return best;
  }

  // The keys of the window that the page acts on itself: the same whether they arrive now or
  // were set aside. Returns whether the key was one of them.
  function controlKey(event, element) {
    if (element.type === 'radio' && event.key in arrows) {
      const next = optionToward(element, event.key);
      if (next && element.checked)
        next.click();
      next?.focus();
      return true;
    }
    if (element.type === 'range') {
      const moves = { PageUp: -design.scrollPage, PageDown: design.scrollPage };
      if (!(event.key in moves))
        return false;
      element.value = Math.min(Math.max(element.valueAsNumber + moves[event.key], 0), design.scrollMaximum);
      scrollTo(element.valueAsNumber);
      return true;
    }
    return false;
  }

  document.addEventListener('keydown', (event) => {
    if (running || closed || !(event.target instanceof HTMLElement))
      return;
    // A key held down presses a button once, the message's OK too: a held Enter that opened
    // the message must not go on to close it.
    if (event.repeat && event.target.tagName === 'BUTTON' && pressKey(event.key)) {
      event.preventDefault();
      return;
    }
    if (!desk.contains(event.target))
      return;
    if (!event.ctrlKey && !event.altKey && !event.metaKey && controlKey(event, event.target))
      event.preventDefault();
  });

  // What a browser would have done with a key set aside: only trusted keys act by themselves,
  // so the page does it.
  function replayKey(input) {
    const element = document.activeElement;
    if (!(element instanceof HTMLElement) || !desk.contains(element))
      return;
    if (input.key === 'Tab') {
      moveFocus(element, input.shiftKey ? -1 : 1);
      return;
    }
    if (input.metaKey || (input.ctrlKey !== input.altKey && !(input.ctrlKey && input.key === 'a')))
      return;
    if (controlKey(input, element))
      return;
    if ((element.tagName === 'BUTTON' && pressKey(input.key)) || (element.type === 'radio' && input.key === ' ')) {
      element.click();
      return;
    }
    if (element.type === 'range') {
      const positions = { ArrowLeft: -1, ArrowDown: -1, ArrowRight: 1, ArrowUp: 1 };
      const position = input.key === 'Home' ? 0 : input.key === 'End' ? design.scrollMaximum
        : element.valueAsNumber + (positions[input.key] ?? 0);
      element.value = Math.min(Math.max(position, 0), design.scrollMaximum);
      scrollTo(element.valueAsNumber);
      return;
    }
    if (element.type === 'text')
      editText(element, input);
  }

  function editText(box, input) {
    const start = box.selectionStart;
    const end = box.selectionEnd;
    const caret = (position) => box.setSelectionRange(position, position);
    if (input.ctrlKey && input.key === 'a') {
      box.select();
      return;
    }
    if (input.key === 'ArrowLeft' || input.key === 'ArrowRight') {
      caret(start === end ? Math.min(Math.max(start + (input.key === 'ArrowLeft' ? -1 : 1), 0), box.value.length)
        : input.key === 'ArrowLeft' ? start : end);
      return;
    }
    if (input.key === 'Home' || input.key === 'End') {
      caret(input.key === 'Home' ? 0 : box.value.length);
      return;
    }
    if (input.key === 'Backspace' || input.key === 'Delete') {
      const from = start !== end ? start : input.key === 'Backspace' ? Math.max(start - 1, 0) : start;
      const to = start !== end ? end : input.key === 'Delete' ? Math.min(end + 1, box.value.length) : end;
      box.setRangeText('', from, to, 'end');
    } else if ([...input.key].length === 1) {
      box.setRangeText(input.key, start, end, 'end');
    } else {
      return;
    }
    box.dispatchEvent(new Event('input'));
  }

  // The window's tab order: by tab number, the hidden controls skipped and an option group a
  // single stop at its selected option.
  function moveFocus(from, step) {
    const stops = [...desk.querySelectorAll('[tabindex]')]
      .filter((element) => element.tabIndex > 0 && !element.closest('[hidden]'))
      .filter((element) => element.type !== 'radio' || element.checked
        || ![...document.getElementsByName(element.name)].some((radio) => radio.checked))
      .sort((a, b) => a.tabIndex - b.tabIndex);
    if (stops.length === 0)
      return;
    const at = stops.indexOf(from);
    const next = at < 0 ? (step > 0 ? 0 : stops.length - 1) : (at + step + stops.length) % stops.length;
    stops[next].focus();
  }

  // ---- The language ----

  // The language asked for with ?lang=, or else the browser's first that the window speaks;
  // English where it speaks none of them. A value that names no language (a typing slip, or a
  // browser that calls its language "C") is passed over. Numbers follow ?lang=, or else the
  // browser's language, and are written with a decimal point where neither says otherwise.
  const asked = new URLSearchParams(location.search).get('lang');
  const spoken = ['en', ...Object.keys(totalReflectionTranslations)];
  const languageOf = (tag) => String(tag).toLowerCase().split(/[-_]/)[0];
  const language = [asked, ...navigator.languages].filter(Boolean).map(languageOf)
    .find((code) => spoken.includes(code)) ?? 'en';

  // The locale's decimal separator when it is one character other than a digit, a sign or a
  // letter; a point otherwise.
  function decimalSeparatorOf(tag) {
    try {
      const [locale] = Intl.getCanonicalLocales(String(tag).replace(/_/g, '-'));
      const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
      const separator = parts.find((part) => part.type === 'decimal')?.value ?? '';
      return [...separator].length === 1 && !/[\p{L}\p{N}+\-]/u.test(separator) ? separator : null;
    } catch {
      return null;
    }
  }
  const decimalSeparator = [asked, navigator.language].filter(Boolean).map(decimalSeparatorOf)
    .find(Boolean) ?? '.';

  function translate(context, text) {
    const table = Object.hasOwn(totalReflectionTranslations, language) ? totalReflectionTranslations[language] : {};
    const key = `${context}\u0004${text}`;
    return Object.hasOwn(table, key) ? table[key] : null;
  }

  // A language may have no word as short as the design's ("Vzduch" for "Air"): a caption on the
  // drawing or an option then grows into the free space beside it, about its alignment, as on
  // the desktop.
  function makeRoom() {
    for (const { designed, element, outer } of controls.values()) {
      const grows = (designed.kind === 'TextBox' && !designed.bordered) || designed.kind === 'Option';
      if (!grows)
        continue;
      let lacking = element.scrollWidth - element.clientWidth;
      if (designed.kind === 'Option') {
        const label = outer.querySelector('label');
        const words = document.createRange();
        words.selectNodeContents(label);
        const right = words.getBoundingClientRect().right - outer.getBoundingClientRect().left;
        lacking = Math.ceil(right - outer.clientWidth);
      }
      if (lacking <= 0)
        continue;
      const left = designed.align === 'right' ? lacking : designed.align === 'centre' ? Math.floor(lacking / 2) : 0;
      outer.style.setProperty('--room', `${lacking}px`);
      outer.style.marginLeft = `${-left}px`;
    }
  }

  // ---- Start-up ----

  createTotalReflection().then((loaded) => {
    module = loaded;
    module.translate = translate;
    api = bind(module);
    design = JSON.parse(api.design());
    document.documentElement.lang = language;
    closedNote.textContent = design.pageTexts.closed;
    document.getElementById('message-ok').textContent = design.pageTexts.ok;
    document.getElementById('reload').textContent = design.pageTexts.reload;
    build();
    // Words are measured in the window's own fonts, once they are in.
    if (language !== 'en')
      document.fonts.ready.then(makeRoom);
    api.start(decimalSeparator);
    paint();
    mirror();
    desk.removeAttribute('aria-busy');
    controls.get(design.startButton).element.focus();
  }).catch((error) => {
    stopped(error);
    throw error;
  });
})();
