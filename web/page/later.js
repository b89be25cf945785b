'use strict';
// Served as a folder, the page asks for the window's scripts and its module only once the
// window's first look is on the screen, so that on a slow line the first look's style and fonts
// come first. The folder's page holds them in a template; the single file has them written in.
document.addEventListener('DOMContentLoaded', () => {
  const later = document.getElementById('after-first-look');
  if (!later)
    return;
  const load = () => {
    for (const element of later.content.children) {
      // In the order written, as deferred scripts run.
      document.body.append(element.tagName === 'SCRIPT'
        ? Object.assign(document.createElement('script'), { src: element.getAttribute('src'), async: false })
        : element.cloneNode());
    }
  };
  // The browser says when the first look has been painted; one that does not say is given a frame.
  const shown = document.getElementById('desk').childElementCount > 0;
  if (!shown || !PerformanceObserver.supportedEntryTypes?.includes('paint'))
    return requestAnimationFrame(() => setTimeout(load));
  new PerformanceObserver((entries, observer) => {
    if (entries.getEntriesByName('first-contentful-paint').length) {
      observer.disconnect();
      load();
    }
  }).observe({ type: 'paint', buffered: true });
});
