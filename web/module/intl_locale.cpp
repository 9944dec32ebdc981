// The locale services of the WebAssembly builds, from JavaScript's Intl in place of Qt: the
// native tool's module is a shared object of Qt, which has no WebAssembly build here. Intl
// draws on the same CLDR data as Qt, so the separators, dates and collation agree. Nothing is
// loaded, so nothing can fail to load.
#include "lazy_locale.h"

#include <emscripten.h>

#include <cstdlib>
#include <cstdint>
#include <memory>

#include "code_page.h"
#include "utf8.h"

namespace {

// Text made by JavaScript, in memory the caller frees.
using JsText = std::unique_ptr<char, decltype(&std::free)>;

EM_JS(char*, ulnik_js_locale_text, (int what), {
  var text;
  if (what == 0) {
    var tag = ulnikLocaleTag('LC_NUMERIC');
    var decimal = null;
    try {
      decimal = new Intl.NumberFormat(tag === null ? 'en-US' : tag).formatToParts(1.5).find(function(part) {
        return part.type == 'decimal';
      });
    } catch (e) {
    }
    text = decimal ? decimal.value : '.';
  } else if (what == 1) {
    text = ulnikPlainBlanks(ulnikFormat('LC_TIME', {dateStyle: 'short'}).format(new Date()));
  } else {
    text = ulnikPlainBlanks(ulnikFormat('LC_TIME', {timeStyle: 'medium'}).format(new Date()));
  }
  var size = lengthBytesUTF8(text) + 1;
  var copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

// Sorts `count` UTF-8 texts, given by their starts and lengths, into `order` (their indices).
// Equal texts keep their order, as Qt's stable sort keeps it.
EM_JS(void, ulnik_js_sort, (const char* const* starts, const std::int32_t* lengths, std::int32_t count,
                            std::int32_t* order), {
  var compare = ulnikCompare(ulnikLocaleTag('LC_COLLATE'));
  var decoder = new TextDecoder('utf-8');
  var texts = [];
  var indices = [];
  for (var i = 0; i < count; ++i) {
    var start = HEAPU32[(starts >> 2) + i];
    texts.push(decoder.decode(HEAPU8.subarray(start, start + HEAP32[(lengths >> 2) + i])));
    indices.push(i);
  }
  indices.sort(function(a, b) { return compare(texts[a], texts[b]); });
  for (var i = 0; i < count; ++i) HEAP32[(order >> 2) + i] = indices[i];
});

std::string AnsiText(int what) {
    const JsText text(ulnik_js_locale_text(what), &std::free);
    return WideToAnsi(Utf8ToWide(text.get()));
}

}  // namespace

LazyLocale::LazyLocale() = default;
LazyLocale::~LazyLocale() = default;

std::string LazyLocale::DecimalSeparator() { return AnsiText(0); }
std::string LazyLocale::CurrentDateText() { return AnsiText(1); }
std::string LazyLocale::CurrentTimeText() { return AnsiText(2); }

void LazyLocale::SortIgnoringCase(std::vector<std::string>& lines) {
    std::vector<std::string> texts;
    std::vector<const char*> starts;
    std::vector<std::int32_t> lengths;
    texts.reserve(lines.size());
    for (const std::string& line : lines) texts.push_back(AnsiToUtf8(line));
    for (const std::string& text : texts) {
        starts.push_back(text.data());
        lengths.push_back(static_cast<std::int32_t>(text.size()));
    }
    std::vector<std::int32_t> order(lines.size());
    ulnik_js_sort(starts.data(), lengths.data(), static_cast<std::int32_t>(lines.size()), order.data());
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (const std::int32_t index : order) sorted.push_back(std::move(lines[static_cast<std::size_t>(index)]));
    lines = std::move(sorted);
}
