// The language whose conventions the locale services follow, as a BCP 47 tag, or null for the
// C library's own "C" locale. In a browser it is the user's first language: Intl's default
// there is the browser's interface language, which headless Chromium keeps at en-US whatever
// it is told. Under node it is read from the environment as Qt reads it for the native tool:
// LC_ALL, then the category's variable, then LANG.
function ulnikLocaleTag(category) {
  if (!ENVIRONMENT_IS_NODE) {
    var languages = typeof navigator == 'object' ? navigator.languages : null;
    return languages && languages.length ? languages[0] : 'pl-PL';
  }
  var env = process.env;
  var name = env.LC_ALL || env[category] || env.LANG || '';
  var parts = /^([a-zA-Z]{2,3})(?:_([a-zA-Z]{2}|[0-9]{3}))?(?:[.@]|$)/.exec(name);
  if (!parts) return null;
  return parts[2] ? parts[1] + '-' + parts[2].toUpperCase() : parts[1];
}

// Intl without a usable tag, or one it does not know, falls back to en-US; the C locale's
// dates read as Qt writes them there ("9 Dec 2026", "00:26:20").
function ulnikFormat(category, options) {
  var tag = ulnikLocaleTag(category);
  if (tag === null) {
    tag = 'en-GB';
    if (options.dateStyle) options = {dateStyle: 'medium'};
  }
  try {
    return new Intl.DateTimeFormat(tag, options);
  } catch (e) {
    return new Intl.DateTimeFormat('en-US', options);
  }
}

// Newer Intl data puts narrow or no-break spaces where Qt's formats have plain blanks (before
// "AM", between a date's parts); Windows-1250 has neither.
function ulnikPlainBlanks(text) {
  return text.replace(/[\u00a0\u202f]/g, ' ');
}

// Comparison ignoring case, as Qt's collator compares. Qt's C locale compares the case-folded
// texts character by character; the texts come from Windows-1250, where folding differs from
// lower-casing only for the micro sign.
function ulnikCompare(tag) {
  if (tag === null) {
    var folded = function(text) { return text.toLowerCase().replace(/\u00b5/g, '\u03bc'); };
    return function(a, b) {
      a = folded(a);
      b = folded(b);
      return a < b ? -1 : a > b ? 1 : 0;
    };
  }
  var options = {sensitivity: 'accent'};
  try {
    return new Intl.Collator(tag, options).compare;
  } catch (e) {
    return new Intl.Collator('en-US', options).compare;
  }
}
