'use strict';
// Served as a folder, the page asks for the window's scripts and its module only once the
// window's first look is on the screen, so that on a slow line the first look's style and fonts
// come first. The folder's page holds them in a template; the single file has them written in.
document.addEventListener('DOMContentLoaded', () => {
  const later = document.getElementById('after-first-look');
  if (!later)
    return;
  requestAnimationFrame(() => setTimeout(() => {
    for (const element of later.content.children) {
      // In the order written, as deferred scripts run.
      document.body.append(element.tagName === 'SCRIPT'
        ? Object.assign(document.createElement('script'), { src: element.getAttribute('src'), async: false })
        : element.cloneNode());
    }
  }));
});
