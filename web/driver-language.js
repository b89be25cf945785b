// The node driver speaks the window's languages from the page's table of translations, and
// writes a language's numbers with the separator the page would (numbers.js).
var Module = {
  languages: () => ['en', ...Object.keys(totalReflectionTranslations)].join(','),
  useLanguage: (code) => {
    const table = Object.hasOwn(totalReflectionTranslations, code) ? totalReflectionTranslations[code] : {};
    Module.translate = (context, text) => table[`${context}\u0004${text}`] ?? null;
    return totalReflectionDecimalSeparatorOf(code) ?? '.';
  },
};
