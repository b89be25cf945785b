'use strict';
// The language the page speaks and the decimal separator its numbers take. The language asked for
// with ?lang=, or else the browser's first that the window speaks; English where it speaks none of
// them. A value that names no language (a typing slip, or a browser that calls its language "C")
// is passed over. Numbers follow ?lang=, or else the browser's language, and are written with a
// decimal point where neither says otherwise.
const totalReflectionLanguage = (() => {
  const asked = new URLSearchParams(location.search).get('lang');
  const spoken = ['en', ...Object.keys(totalReflectionTranslations)];
  const languageOf = (tag) => String(tag).toLowerCase().split(/[-_]/)[0];
  const language = [asked, ...navigator.languages].filter(Boolean).map(languageOf)
    .find((code) => spoken.includes(code)) ?? 'en';

  // The locale's decimal separator (numbers.js); a point where neither names one.
  const decimalSeparator = [asked, navigator.language].filter(Boolean).map(totalReflectionDecimalSeparatorOf)
    .find(Boolean) ?? '.';

  function translate(context, text) {
    const table = Object.hasOwn(totalReflectionTranslations, language) ? totalReflectionTranslations[language] : {};
    const key = `${context}\u0004${text}`;
    return Object.hasOwn(table, key) ? table[key] : null;
  }

  return { language, decimalSeparator, translate, spoken };
})();
