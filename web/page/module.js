'use strict';
// The module's calls as the page makes them. Text goes into the module through its heap as UTF-8
// with its length, never through its stack: a cell may hold 32767 characters, a NUL among them,
// and a lone surrogate becomes U+FFFD. What the module hands back is read with its length too. A
// module that has trapped is left in no state to go on from: `stopped` is told at once.
function totalReflectionModule(m, stopped) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const inHeap = (use, ...texts) => {
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
    design: () => JSON.parse(read(m._tr_design())),
    page: () => JSON.parse(read(m._tr_page())),
    start: (separator) => inHeap(m._tr_start, separator),
    state: () => JSON.parse(read(m._tr_state())),
    click: (name) => inHeap(m._tr_click, name),
    type: (name, text) => inHeap(m._tr_type, name, text),
    scroll: (position) => m._tr_scroll(position),
    scrollKey: (key) => inHeap(m._tr_scroll_key, key),
    scrollPress: (part) => inHeap(m._tr_scroll_press, part),
    nextStop: (name, forward) => read(inHeap((...text) => m._tr_next_stop(...text, forward ? 1 : 0), name)),
    optionToward: (name, dx, dy) => read(inHeap((...text) => m._tr_option_toward(...text, dx, dy), name)),
    grownLeft: (name, lacking) => inHeap((...text) => m._tr_grown_left(...text, lacking), name),
    setAside: (kind, control, key) => inHeap(m._tr_set_aside, kind, control, key),
    nextSetAside: () => m._tr_next_set_aside(),
    refusal: () => read(m._tr_refusal()),
    advance: () => m._tr_advance(),
    stop: () => m._tr_stop(),
    resize: (ratio) => m._tr_resize(ratio),
    readingsCsv: () => read(m._tr_readings_csv()),
    readingsTable: () => read(m._tr_readings_table()),
    statement: () => read(m._tr_statement()),
    paceText: (position) => read(m._tr_pace_text(position)),
    fileName: () => read(m._tr_file_name()),
    pixels: () => m._tr_pixels(),
    canvasWidth: () => m._tr_canvas_width(),
    canvasHeight: () => m._tr_canvas_height(),
    // The part of the drawing changed since the last call: left, top, right, bottom.
    changed: () => {
      const at = m._tr_changed() / 4;
      return [...m.HEAP32.subarray(at, at + 4)];
    },
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
