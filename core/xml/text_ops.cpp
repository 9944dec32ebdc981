#include "text_ops.h"

#include "code_page.h"
#include "name_key.h"

namespace {

bool StartsWithKey(std::u16string_view text, size_t at, std::u16string_view pattern,
                   const CodePageTable& table) {
    for (size_t k = 0; k < pattern.size(); ++k)
        if (table.Key(text[at + k]) != table.Key(pattern[k])) return false;
    return true;
}

}  // namespace

std::u16string TrimText(std::u16string_view text, bool inCodePage) {
    size_t first = 0, last = text.size();
    while (first < last && text[first] <= 32) ++first;
    while (last > first && text[last - 1] <= 32) --last;
    std::u16string result(text.substr(first, last - first));
    if (inCodePage) return result;
    const CodePageTable& table = CodePage();
    for (char16_t& c : result)
        if (!table.RoundTrips(c)) c = u'?';
    return result;
}

std::u16string ReplaceText(std::u16string_view text, std::u16string_view pattern,
                           std::u16string_view replacement) {
    if (pattern.empty()) return std::u16string(text);
    const CodePageTable& table = CodePage();
    const unsigned char first = table.Key(pattern[0]);
    std::u16string result;
    result.reserve(text.size());
    // The text between matches is copied a run at a time, not a character at a time.
    size_t copied = 0;
    for (size_t i = 0; text.size() - i >= pattern.size();) {
        if (table.Key(text[i]) != first || !StartsWithKey(text, i, pattern, table)) {
            ++i;
            continue;
        }
        result.append(text.substr(copied, i - copied));
        result.append(replacement);
        i += pattern.size();
        copied = i;
    }
    result.append(text.substr(copied));
    return result;
}

std::u16string DecodeEntities(std::u16string text) {
    static constexpr std::u16string_view kEntities[][2] = {
        {u"&quot;", u"\""}, {u"&gt;", u">"}, {u"&lt;", u"<"}, {u"&amp;", u"&"}};
    for (const auto& [entity, character] : kEntities) {
        if (text.find(u'&') == std::u16string::npos) break;
        text = ReplaceText(text, entity, character);
    }
    return text;
}
