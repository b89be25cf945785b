'use strict';
// The drawing's menu, which takes the place of the browser's own: its items in groups, a line
// between two groups, an item that has nothing to act on yet (`available` says) shown but not
// chosen. It opens where
// the drawing is pressed with the right button or held down by a finger, and from the keyboard
// with the menu key or Shift+F10; the arrows walk it, Enter or Space chooses, Escape closes it.
// It stands in `into`, the page's content.
function totalReflectionMenu({ items, label, into }) {
  // A finger held this long without moving this far asks for the menu.
  const holdMs = 500;
  const holdSlopPx = 10;

  const menu = Object.assign(document.createElement('div'), { id: 'menu', hidden: true });
  menu.setAttribute('role', 'menu');
  menu.setAttribute('aria-label', label);
  const buttons = items.map(({ text, act }) => {
    const button = Object.assign(document.createElement('button'), { type: 'button', textContent: text, tabIndex: -1 });
    button.setAttribute('role', 'menuitem');
    button.addEventListener('click', () => {
      if (button.getAttribute('aria-disabled') === 'true')
        return;
      close();
      act();
    });
    return button;
  });
  items.forEach(({ group }, k) => {
    if (k > 0 && group !== items[k - 1].group) {
      const line = document.createElement('div');
      line.setAttribute('role', 'separator');
      menu.append(line);
    }
    menu.append(buttons[k]);
  });
  // The menu key pressed within the menu asks for no other.
  menu.addEventListener('contextmenu', (event) => event.preventDefault());
  into.append(menu);

  let returnFocus = null;

  // At a point in the viewport, kept inside it.
  function open(x, y) {
    if (menu.hidden)
      returnFocus = document.activeElement;
    items.forEach(({ available }, k) => buttons[k].setAttribute('aria-disabled', String(!available())));
    menu.hidden = false;
    const [width, height] = [menu.offsetWidth, menu.offsetHeight];
    menu.style.left = `${Math.max(0, Math.min(x, innerWidth - width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, innerHeight - height))}px`;
    buttons[0].focus();
  }

  // A finger on the drawing, until it has been held long enough to open the menu.
  let hold = null;
  const cancelHold = () => {
    clearTimeout(hold?.timer);
    hold = null;
  };

  // Closes the menu, and forgets a finger that had not yet asked for it: a run that begins, or the
  // window's close, leaves no menu to open over it.
  function close() {
    cancelHold();
    if (menu.hidden)
      return;
    menu.hidden = true;
    returnFocus?.focus?.({ preventScroll: true });
    returnFocus = null;
  }

  // A key at the item with the focus, the same whether pressed now or handed back after a run: the
  // arrows, Home and End walk the menu, Enter and Space choose, Escape and Tab close it. Returns
  // whether the key was the menu's.
  function key(event) {
    const at = buttons.indexOf(document.activeElement);
    if (at < 0)
      return false;
    const to = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: buttons.length - 1 }[event.key];
    if (to !== undefined)
      buttons[(to + buttons.length) % buttons.length].focus();
    else if (event.key === 'Enter' || event.key === ' ')
      buttons[at].click();
    else if (event.key === 'Escape' || event.key === 'Tab')
      close();
    else
      return false;
    return true;
  }

  // A key handed back after a run while the menu has the focus, as one pressed then would have
  // been: the menu's, whether it does anything in it or not. Returns whether the menu took it.
  function takeKey(event) {
    if (!menu.contains(document.activeElement))
      return false;
    key(event);
    return true;
  }

  menu.addEventListener('keydown', (event) => {
    if (!key(event))
      return;
    event.preventDefault();
    event.stopPropagation();
  });
  // A press anywhere else, or the focus leaving, closes it.
  document.addEventListener('pointerdown', (event) => menu.contains(event.target) || close(), { capture: true });
  menu.addEventListener('focusout', (event) => menu.contains(event.relatedTarget) || close());

  // An element's menu, as long as it stays in the page: opened by the right button, a held finger
  // and the keyboard, in place of the browser's. `wanted` says for which targets within it.
  function attach(element, wanted) {
    element.addEventListener('contextmenu', (event) => {
      if (!wanted(event.target))
        return;
      event.preventDefault();
      // A context menu asked for from the keyboard may come with no point in the element.
      const box = element.getBoundingClientRect();
      const inside = event.clientX > box.left && event.clientX < box.right && event.clientY > box.top &&
        event.clientY < box.bottom;
      open(inside ? event.clientX : box.left + box.width / 3, inside ? event.clientY : box.top + box.height / 3);
    });
    // A browser that makes no context menu of a held finger is given one; the finger's lifting
    // then makes no click, which would take the focus from the menu. A second finger makes it a
    // gesture, such as a pinch, and no hold.
    let heldOpen = false;
    element.addEventListener('pointerdown', (event) => {
      heldOpen = false;
      if (event.pointerType === 'mouse' || !event.isPrimary || !wanted(event.target))
        return;
      const [x, y] = [event.clientX, event.clientY];
      hold = { x, y, timer: setTimeout(() => {
        heldOpen = true;
        open(x, y);
      }, holdMs) };
    });
    element.addEventListener('pointermove', (event) => {
      if (hold && Math.hypot(event.clientX - hold.x, event.clientY - hold.y) > holdSlopPx)
        cancelHold();
    });
    for (const type of ['pointerup', 'pointercancel'])
      element.addEventListener(type, cancelHold);
    element.addEventListener('touchend', (event) => {
      if (heldOpen && event.cancelable)
        event.preventDefault();
      heldOpen = false;
    }, { passive: false });
  }

  return { attach, open, close, takeKey };
}
