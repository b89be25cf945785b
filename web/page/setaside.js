'use strict';
// What the user does during a run. The window's rule, in the module, says what waits for the
// run's end; that is stopped at the document before any control sees it, and kept with how to do
// it again: the same handler, later, at the same control. A paste key is let through so that the
// browser makes its paste, which is kept instead; a tap makes pointer events and a click, kept like
// a mouse's; a right click asks for the drawing's menu again at the same point. Only a key the user
// really pressed acts by itself, so for a key handed back the page does what the browser would have
// done: walks or chooses from the drawing's menu that a key handed back before it opened, which
// takes the keys after it (window/form/RunInput.h), presses a button, edits a text box.
// `kinds` names the kinds of input as the window's rule knows them; `keyOf` reads a key as the
// window's rules read it; `menuKey` hands a key to the drawing's menu, and says whether it took it.
function totalReflectionSetAside({ desk, api, kinds: { pointer, key, other }, running, click, windowKey, menuKey,
  keyOf }) {
  const kept = new Map();
  const kinds = { pointerdown: pointer, pointerup: pointer, mousedown: pointer, mouseup: pointer, click: pointer,
    dblclick: pointer, auxclick: pointer, contextmenu: pointer, keydown: key, keyup: key, keypress: key,
    beforeinput: other, paste: other, cut: other, drop: other, dragstart: other };
  const again = {
    click: (event, target) => () => clickAgain(target),
    keydown: (event, target) => () => keyAgain(target, event),
    contextmenu: (event, target) => () => desk.contains(target) && target.dispatchEvent(new MouseEvent('contextmenu',
      { bubbles: true, cancelable: true, clientX: event.clientX, clientY: event.clientY })),
    paste: (event, target) => {
      const text = event.clipboardData?.getData('text/plain') ?? '';
      return () => editText(target, { insert: text });
    },
    pointerdown: (event, target) => {
      const bar = target.closest('[role=scrollbar]');
      return bar && (() => bar.pressOn(bar.partAt(event)));
    },
  };
  const controlOf = (element) => element instanceof Element ? element.closest('[id]')?.id ?? '' : '';
  const clipboardKey = (event) => (event.ctrlKey || event.metaKey) && ['v', 'x'].includes(event.key.toLowerCase());

  function hold(event) {
    if (!running() || (event.type === 'keydown' && clipboardKey(event)))
      return;
    const keyboard = event instanceof KeyboardEvent;
    const target = keyboard ? document.activeElement : event.target;
    const [name, shift] = keyboard ? keyOf(event) : ['', false];
    const token = api.setAside(kinds[event.type], controlOf(target), name, shift);
    if (!token)
      return;
    event.preventDefault();
    event.stopImmediatePropagation();
    const doAgain = again[event.type]?.(event, target);
    if (doAgain)
      kept.set(token, doAgain);
  }
  for (const type of Object.keys(kinds))
    document.addEventListener(type, hold, { capture: true, passive: false });

  function clickAgain(target) {
    if (!(target instanceof HTMLElement) || !desk.contains(target) || target.closest('[hidden]'))
      return;
    target.focus();
    if (target.type === 'radio' || target.tagName === 'BUTTON')
      click(target.id);
  }

  function keyAgain(element, event) {
    if (menuKey(event))
      return;
    const windows = element instanceof HTMLElement && (desk.contains(element) || element === document.body);
    if (!windows || windowKey(element, event))
      return;
    if (element.type !== 'text' || event.metaKey || (event.altKey && !event.ctrlKey))
      return;
    const caret = { ArrowLeft: -1, ArrowRight: 1, Home: -Infinity, End: Infinity }[event.key];
    if (event.ctrlKey)
      return event.key.toLowerCase() === 'a' && element.select();
    if (caret !== undefined)
      return editText(element, { caret });
    if (event.key === 'Backspace' || event.key === 'Delete')
      return editText(element, { remove: event.key === 'Backspace' ? -1 : 1 });
    if ([...event.key].length === 1)
      editText(element, { insert: event.key });
  }

  // An edit of a text box as the browser makes it: text put in place of the selection, a character
  // removed before or after the caret, or the caret moved.
  function editText(box, { insert, remove, caret }) {
    let [start, end] = [box.selectionStart, box.selectionEnd];
    if (caret !== undefined) {
      const to = start === end ? Math.min(Math.max(start + caret, 0), box.value.length) : caret < 0 ? start : end;
      return box.setSelectionRange(to, to);
    }
    if (remove && start === end)
      [start, end] = remove < 0 ? [Math.max(start - 1, 0), end] : [start, Math.min(end + 1, box.value.length)];
    box.setRangeText(insert ?? '', start, end, 'end');
    box.dispatchEvent(new Event('input'));
  }

  return {
    // What was kept, in the order it came, while `ready` says the window can take it: a click
    // handed back may begin a run of its own, or open a refusal's message, and the rest waits.
    handBack(ready) {
      while (ready()) {
        const token = api.nextSetAside();
        if (!token)
          return;
        const doAgain = kept.get(token);
        kept.delete(token);
        doAgain?.();
      }
    },
    drop: () => kept.clear(),
  };
}
