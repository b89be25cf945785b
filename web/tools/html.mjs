// What the tools that write scripts and style sheets into a page share.

// Text that may not end the element it stands in early.
export const escapeFor = (tag, text) =>
  text.replace(new RegExp(`</(${tag})`, 'gi'), '<\\/$1').replace(/<!--/g, '<\\!--');
