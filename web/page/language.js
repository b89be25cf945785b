'use strict';
// The language the page speaks and, once known, the decimal separator its numbers take. The
// language asked for with ?lang=, or else the browser's first that the window speaks; English where
// it speaks none of them. A value that names no language (a typing slip, or a browser that calls
// its language "C") is passed over. Numbers follow ?lang=, or else the browser's language, and are
// written with a decimal point where neither says otherwise.
const totalReflectionLanguage = (() => {
  const asked = new URLSearchParams(location.search).get('lang');
  const spoken = ['en', ...totalReflectionLanguages];
  const languageOf = (tag) => String(tag).toLowerCase().split(/[-_]/)[0];
  const language = [asked, ...navigator.languages].filter(Boolean).map(languageOf)
    .find((code) => spoken.includes(code)) ?? 'en';

  // The locale's decimal separator (numbers.js); a point where neither names one. A browser loads
  // its tables of number formats on their first use, a long wait on a phone: they are asked in a
  // worker of their own, beside the page, and on the page itself where no worker can be made.
  const tags = [asked, navigator.language].filter(Boolean);
  const separatorOf = (tags) => tags.map(totalReflectionDecimalSeparatorOf).find(Boolean) ?? '.';
  const decimalSeparator = new Promise((resolve) => {
    const onPage = () => resolve(separatorOf(tags));
    try {
      const asker = `${totalReflectionDecimalSeparatorOf}\nconst separatorOf = ${separatorOf};\n`
        + `postMessage(separatorOf(${JSON.stringify(tags)}));`;
      const address = URL.createObjectURL(new Blob([asker], { type: 'text/javascript' }));
      const worker = new Worker(address);
      worker.onmessage = ({ data }) => {
        resolve(data);
        worker.terminate();
        URL.revokeObjectURL(address);
      };
      worker.onerror = onPage;
    } catch {
      onPage();
    }
  });

  // The table arrives after the first look (translations.js), before the module that asks it.
  function translate(context, text) {
    const table = Object.hasOwn(totalReflectionTranslations, language) ? totalReflectionTranslations[language] : {};
    const key = `${context}\u0004${text}`;
    return Object.hasOwn(table, key) ? table[key] : null;
  }

  return { language, decimalSeparator, translate, spoken };
})();
