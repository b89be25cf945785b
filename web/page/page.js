'use strict';
// The window in a browser. The window's design, its handlers, its state and its rules all live
// in the WebAssembly module: this page builds its elements from the design the module describes
// (build.js), hands what the user does to the module, shows what each action changed of the
// window's state, which the module hands back, and paints the drawing's pixels.
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
  let built;
  let fit;
  let running = false;
  let closed = false;
  let setAside;
  let menu;
  let scrollBar;

  // The run's result in words: the drawing's description, and said once by a screen reader.
  function announce() {
    statement.textContent = api.statement();
  }

  // The window fitted to the viewport: its box, its controls and lines, and its drawing, drawn
  // afresh at the new resolution a share per frame, the old picture shown at the new size until the
  // new one is whole. During a run the window keeps its size until the run's end.
  function layout() {
    if (!api.refitNow())
      return;
    fit.measure();
    if (fit.ratio !== design.ratio) {
      api.resize(fit.ratio);
      design.ratio = fit.ratio;
      redraw();
    }
    const { windowBox, drawing } = built;
    fit.place(windowBox);
    Object.assign(drawing.style, { width: windowBox.style.width, height: windowBox.style.height });
    for (const name of Object.keys(state.controls))
      built.place(name, state, fit);
    for (const name of Object.keys(state.lines))
      placeLine(name);
    paint();
    built.makeRoom(fit);
  }

  // The drawing afresh, a share in each frame until it is whole and shown; while it is, the promise
  // of its end.
  let redrawing;
  function redraw() {
    redrawing ??= new Promise((whole) => {
      const share = () => {
        const more = api.redraw();
        if (paint() || more)
          return requestAnimationFrame(share);
        redrawing = undefined;
        busy(false);
        whole();
      };
      // From the frame after the one that lays the window out anew, which has enough to do.
      setTimeout(() => requestAnimationFrame(share));
    });
  }

  // ---- The window's state, as the module's changes leave it ----

  // A line on its device pixels at the window's resolution.
  function placeLine(name) {
    const { from, to, width, shown } = state.lines[name];
    const element = built.lines.get(name);
    for (const [side, value] of Object.entries(api.linePixels(...from, ...to, width, fit.ratio)))
      element.style[side] = `${fit.css(value)}px`;
    element.hidden = !shown;
  }

  // What an action changed, shown: each control and line as the state now has it.
  function show(changes) {
    const { controls } = built;
    for (const [name, now] of Object.entries(changes.controls)) {
      state.controls[name] = now;
      const { designed, element, outer } = controls.get(name);
      if (now.text !== undefined && element.value !== now.text)
        element.value = now.text;
      if (now.selected !== undefined)
        element.checked = now.selected;
      outer.hidden = !now.shown;
      if (fit)
        built.place(name, state, fit);
      if (designed.kind === 'ScrollBar')
        scrollBar = element;
    }
    for (const [name, now] of Object.entries(changes.lines)) {
      state.lines[name] = now;
      if (fit)
        placeLine(name);
    }
    if (changes.scroll !== undefined) {
      state.scroll = changes.scroll;
      scrollBar.show(state.scroll);
    }
  }

  // What the drawing has changed since it was last shown, straight from the module's memory, a
  // share of it per frame at a high resolution (tiles.js); returns whether changes are left. Left
  // outside a run or a redraw, they are shown in the frames to come.
  let showing = false;
  // The drawing is busy while the screen is behind it, or while it is being drawn afresh.
  const busy = (yes) => (yes ? built.drawing.setAttribute('aria-busy', 'true')
    : built.drawing.removeAttribute('aria-busy'));
  function paint() {
    const { pixels, width, height, blank } = api.drawing();
    const more = built.tiles.show({ width, height, blank, changed: api.changed(),
      image: () => new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, pixels, width * height * 4), width) });
    busy(more || redrawing !== undefined);
    if (more && !running && !redrawing && !showing) {
      showing = true;
      requestAnimationFrame(() => {
        showing = false;
        paint();
      });
    }
    return more;
  }

  // ---- What the user does ----

  // Every change the user makes goes to the module, and the window shows what it changed.
  function act(change) {
    const { answer, changes } = change();
    show(changes);
    return answer;
  }

  // A click, and then what it asks of the page: a run's first frame at once, in the click's own
  // turn; a refusal's message; the window's close.
  function click(name) {
    if (closed)
      return;
    const result = act(() => api.click(name));
    paint();
    if (result === page.clickResults.runBegun)
      beginRun();
    else if (result === page.clickResults.refused)
      refuse(api.refusal());
    else if (result === page.clickResults.closed)
      close();
  }

  function refuse(text) {
    if (closed)
      return;
    // Plain text: the message quotes what the user typed.
    messageText.textContent = text;
    message.showModal();
    document.getElementById('message-ok').focus();
  }

  message.addEventListener('close', () => {
    built.controls.get(design.startButton).element.focus();
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

  // The module trapped, or the window could not be made: nothing it holds can be trusted, so the
  // window goes, and the page says why and offers to start afresh (index.html).
  function stopped(error) {
    if (!stoppedNote.hidden)
      return;
    close();
    if (message.open)
      message.close();
    totalReflectionStopped(String(error?.message ?? error));
  }

  // ---- A run, a frame at a time ----

  // The first frame's work is done at once, in the click's own turn: a run at the fastest pace
  // then ends in the frame that shows it.
  function beginRun() {
    running = true;
    menu.close();
    desk.setAttribute('aria-busy', 'true');
    // The drawing now covers the prompt beneath it.
    built.controls.get(design.beneathDrawing).outer.setAttribute('aria-hidden', 'true');
    frame();
  }

  // What the frame that ended the run left to do, while its pixels are still being shown.
  let ending;
  function frame() {
    if (!running)
      return;
    const done = ending ?? api.advance();
    if (!done.more)
      ending = done;
    if (paint() || done.more)
      return requestAnimationFrame(frame);
    ending = undefined;
    running = false;
    desk.removeAttribute('aria-busy');
    announce();
    if (done.refit)
      layout();
    if (done.handBack)
      setTimeout(handBack);
  }

  // ---- The keyboard ----

  // A keyboard event as the window's rules read a key.
  const keyOf = (event) => [event.key, event.shiftKey, event.ctrlKey, event.altKey, event.metaKey, event.repeat];

  // The keys the window gives a meaning to, the same when they arrive and when handed back after a
  // run (window/rules/Keys.h): Tab along the window's tab order, the menu's keys, a press of a button, the
  // arrows within an option group, and the scroll bar's keys. Returns whether the key was one of
  // them.
  function windowKey(element, event) {
    const effect = act(() => api.key(element.id, ...keyOf(event)));
    const does = page.keyEffects;
    const control = () => built.controls.get(effect.control).element;
    if (effect.does === does.focus)
      control().focus();
    else if (effect.does === does.click) {
      // As a pointer clicks it.
      control().focus();
      control().click();
    } else if (effect.does === does.menu) {
      const box = built.drawing.getBoundingClientRect();
      menu.open(box.left + box.width / 3, box.top + box.height / 3);
    }
    return effect.does !== does.nothing;
  }

  document.addEventListener('keydown', (event) => {
    if (closed || !state || !(event.target instanceof HTMLElement))
      return;
    // A key held down presses a button once, the message's OK too: a held Enter that opened
    // the message must not go on to close it.
    if (event.target.tagName === 'BUTTON' && api.heldPress(...keyOf(event)))
      return event.preventDefault();
    // With nothing focused, as after a click on the drawing, a key is the window's all the same.
    if ((desk.contains(event.target) || event.target === document.body) && windowKey(event.target, event))
      event.preventDefault();
  });

  // ---- Start-up ----

  // The window is made in steps, a task each, so that on a slow phone no one task holds the page
  // for long; it is built beside its first look, unseen, and takes its place once it is fitted.
  const nextTask = () => new Promise((resolve) => setTimeout(resolve));
  const { language, decimalSeparator, translate } = totalReflectionLanguage;
  // A script of the page's that is missing or cut short leaves a name it defines undefined: the
  // window stops, as for any fault in its making.
  const made = Promise.resolve().then(() => Promise.all([createTotalReflection(), decimalSeparator]));
  made.then(async ([loaded, separator]) => {
    module = loaded;
    module.translate = translate;
    api = totalReflectionModule(module, stopped);
    design = api.design();
    page = api.page();
    setAside = totalReflectionSetAside({ desk, api, kinds: page.inputKinds, running: () => running, click, windowKey,
      menuKey: (event) => menu.takeKey(event), keyOf });
    document.documentElement.lang = language;
    closedNote.textContent = page.texts.closed;
    message.setAttribute('aria-label', design.window.caption);
    document.getElementById('message-ok').textContent = page.texts.ok;
    await nextTask();
    built = totalReflectionBuild({ design, desk, statement, api, translated: language !== 'en', on: {
      type: (name, text) => act(() => api.type(name, text)),
      click,
      scrollBar: { parts: page.scrollBarParts, press: (part) => act(() => api.scrollPress(part)),
        drag: (to) => act(() => api.scroll(to)), words: api.paceText },
    } });
    menu = totalReflectionHandout({ api, page, label: design.drawingName, into: desk.parentElement,
      windowBox: built.windowBox,
      heap: () => module.HEAPU8, ratio: () => fit.ratio, size: [design.window.width, design.window.height], refuse });
    menu.attach(built.windowBox, (target) => !target.closest('input[type=text], button, [role=scrollbar]'));
    await nextTask();
    state = { controls: {}, lines: {}, scroll: 0 };
    act(() => api.start(separator));
    // A link to a run opens it: its settings go in through the window's handlers, as clicks and
    // typing would put them.
    const runAsked = act(() => api.openLink(location.search));
    fit = totalReflectionFit(layout);
    layout();
    // The window shows with its drawing at its own resolution, and nothing of the module's work
    // left over from its making.
    await (redrawing ?? nextTask());
    built.show();
    document.fonts.ready.then(() => built.makeRoom(fit));
    desk.removeAttribute('aria-busy');
    built.controls.get(design.startButton).element.focus({ preventScroll: true });
    if (runAsked)
      click(design.startButton);
    // Served with its manifest, the page keeps its files for when there is no network; where it
    // cannot, it works while there is one.
    if ('serviceWorker' in navigator && document.querySelector('link[rel=manifest]'))
      navigator.serviceWorker.register('sw.js').catch(() => {});
  }).catch((error) => {
    stopped(error);
    throw error;
  });
})();
