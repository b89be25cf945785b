'use strict';
// The module's calls as the page makes them: the module names its calls, and each is made
// through its one entry, tr_call, with its words packed into the module's memory (a text as UTF-8
// with its length, so that a NUL among 32767 characters stays and a lone surrogate becomes
// U+FFFD; a number as a double) and its answer read back as JSON. A module that has trapped is
// left in no state to go on from: `stopped` is told at once.
function totalReflectionModule(m, stopped) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  function packed(words) {
    const parts = words.map((word) => {
      if (typeof word === 'number' || typeof word === 'boolean') {
        const part = new Uint8Array(9);
        part[0] = 'n'.charCodeAt(0);
        new DataView(part.buffer).setFloat64(1, Number(word), true);
        return part;
      }
      const text = encoder.encode(String(word));
      const part = new Uint8Array(5 + text.length);
      part[0] = 't'.charCodeAt(0);
      new DataView(part.buffer).setUint32(1, text.length, true);
      part.set(text, 5);
      return part;
    });
    const all = new Uint8Array(parts.reduce((size, part) => size + part.length, 0));
    parts.reduce((at, part) => (all.set(part, at), at + part.length), 0);
    return all;
  }

  const answer = (place) => JSON.parse(decoder.decode(m.HEAPU8.subarray(place, place + m._tr_answer_length())));

  function call(...words) {
    const bytes = packed(words);
    const place = m._malloc(bytes.length + 1);
    try {
      m.HEAPU8.set(bytes, place);
      return answer(m._tr_call(place, bytes.length));
    } finally {
      m._free(place);
    }
  }

  const calls = {};
  for (const name of answer(m._tr_calls())) {
    calls[name] = (...words) => {
      try {
        return call(name, ...words);
      } catch (error) {
        stopped(error);
        throw error;
      }
    };
  }
  return calls;
}
