#include "utf8.h"

#include "code_page.h"

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendWide(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

}  // namespace

std::string WideToUtf8(std::u16string_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (IsHigh(c) && i + 1 < wide.size() && IsLow(wide[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (wide[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, (IsHigh(c) || IsLow(c)) ? 0xFFFD : c);
        }
    }
    return out;
}

namespace {

// Length of the sequence a lead byte starts, or 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 6) return 2;
    if ((lead >> 4) == 14) return 3;
    if ((lead >> 3) == 30) return 4;
    return 0;
}

// Decodes one sequence at utf8[i], or returns false when it is malformed.
bool DecodeOne(std::string_view utf8, size_t i, int length, char32_t& cp) {
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (length == 0 || i + length > utf8.size()) return false;
    cp = static_cast<unsigned char>(utf8[i]) & (0xFF >> (length == 1 ? 1 : length + 1));
    for (int k = 1; k < length; ++k) {
        const auto cont = static_cast<unsigned char>(utf8[i + k]);
        if ((cont & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (cont & 0x3F);
    }
    return cp >= kSmallest[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

// Whether the bytes can begin a well-formed sequence. The lead limits the second byte further
// where overlong forms, surrogates and code points above U+10FFFF would start.
bool BeginsSequence(std::string_view start) {
    const auto lead = static_cast<unsigned char>(start[0]);
    if (lead < 0xC2 || lead > 0xF4) return false;
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    for (size_t k = 1; k < start.size(); ++k) {
        const auto c = static_cast<unsigned char>(start[k]);
        if (k == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80) return false;
    }
    return true;
}

}  // namespace

std::u16string Utf8ToWide(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const int length = SequenceLength(static_cast<unsigned char>(utf8[i]));
        char32_t cp = 0;
        if (DecodeOne(utf8, i, length, cp)) {
            AppendWide(out, cp);
            i += length;
        } else {
            out += u'\uFFFD';
            ++i;
        }
    }
    return out;
}

bool IsStrictUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = SequenceLength(lead);
        char32_t cp = 0;
        if (!DecodeOne(bytes, i, length, cp)) return false;
        i += static_cast<size_t>(length);
    }
    return true;
}

std::size_t CutSequenceLength(std::string_view bytes) {
    for (size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((c & 0xC0) == 0x80) continue;  // a continuation: the lead stands further back
        const std::string_view start = bytes.substr(bytes.size() - back);
        return static_cast<size_t>(SequenceLength(c)) > back && BeginsSequence(start) ? back : 0;
    }
    return 0;
}

std::string AnsiToUtf8(std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); }
