'use strict';
// The decimal separator a locale writes its numbers with, as the window's cells take it: one
// character that is no digit, sign or letter; nothing where the locale has none such, or the tag
// names no locale. The page's language and the node driver's both ask this.
function totalReflectionDecimalSeparatorOf(tag) {
  try {
    const [locale] = Intl.getCanonicalLocales(String(tag).replace(/_/g, '-'));
    const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
    const separator = parts.find((part) => part.type === 'decimal')?.value ?? '';
    return [...separator].length === 1 && !/[\p{L}\p{N}+\-]/u.test(separator) ? separator : null;
  } catch {
    return null;
  }
}
