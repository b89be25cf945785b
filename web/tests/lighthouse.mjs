// The page's first load as Lighthouse sees it, on its mobile profile (a mid-range phone on a slow
// 4G line, simulated) or its desktop one, in a Chromium of this machine's own: the performance
// score, and when the first and the largest content were painted, in ms.

import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import { launchChromium } from '../tools/chromium.mjs';

export const profiles = { mobile: undefined, desktop: desktopConfig };

export async function firstLoad(url, profile) {
  const chromium = await launchChromium();
  try {
    const port = Number(new URL(chromium.browser.wsEndpoint()).port);
    const { lhr } = await lighthouse(url, { port, onlyCategories: ['performance'], logLevel: 'error' },
      profiles[profile]);
    const value = (audit) => lhr.audits[audit].numericValue;
    return { score: lhr.categories.performance.score, firstPaint: value('first-contentful-paint'),
      largestPaint: value('largest-contentful-paint'), blocking: value('total-blocking-time') };
  } finally {
    await chromium.close();
  }
}
