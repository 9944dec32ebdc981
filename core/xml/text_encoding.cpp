#include "text_encoding.h"

#include <string_view>

#include "code_page.h"
#include "utf8.h"

namespace {

std::u16string Utf16(std::span<const std::uint8_t> bytes, int highByte) {
    std::u16string text(bytes.size() / 2, u'\0');  // an odd last byte is ignored
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i + highByte] << 8 | bytes[2 * i + 1 - highByte]);
    return text;
}

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::string_view(reinterpret_cast<const char*>(bytes.data()), prefix.size()) == prefix;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The encoding an XML declaration at the very start names, ASCII lower-cased; empty without one.
std::string DeclaredEncoding(std::string_view text) {
    if (!text.starts_with("<?xml") || text.size() < 6 || !IsBlank(text[5])) return "";
    text = text.substr(0, text.find("?>"));
    const size_t key = text.find("encoding");
    if (key == std::string_view::npos) return "";
    size_t i = key + 8;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size() || text[i] != '=') return "";
    ++i;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) return "";
    const size_t end = text.find(text[i], i + 1);
    if (end == std::string_view::npos) return "";
    std::string name(text.substr(i + 1, end - i - 1));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

// A Windows-1250 file may well end in a letter that would lead a UTF-8 sequence (ę is 0xEA), so
// a cut-off last character decides nothing: the rest must show itself UTF-8.
bool ReadsAsUtf8(std::string_view text) {
    text.remove_suffix(CutSequenceLength(text));
    bool nonAscii = false;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    if (!nonAscii || !IsStrictUtf8(text)) return false;
    const std::string declared = DeclaredEncoding(text);
    return declared.empty() || declared == "utf-8" || declared == "utf8";
}

DecodedText Utf8Text(std::string_view text, std::size_t markSize) {
    const std::size_t cut = CutSequenceLength(text);
    return {Utf8ToWide(text.substr(0, text.size() - cut)), TextEncoding::Utf8, markSize, cut > 0};
}

}  // namespace

DecodedText DecodeReportText(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, "\xFF\xFE")) return {Utf16(bytes.subspan(2), 1), TextEncoding::Utf16LE, 2};
    if (StartsWith(bytes, "\xFE\xFF")) return {Utf16(bytes.subspan(2), 0), TextEncoding::Utf16BE, 2};
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) return Utf8Text(text.substr(3), 3);
    if (ReadsAsUtf8(text)) return Utf8Text(text, 0);
    return {AnsiToWide(text), TextEncoding::Windows1250, 0};
}

std::size_t ByteOffsetOf(const DecodedText& decoded, std::size_t position) {
    switch (decoded.encoding) {
    case TextEncoding::Windows1250: return position;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: return decoded.markSize + 2 * position;
    case TextEncoding::Utf8: break;
    }
    // Malformed sequences after a mark became one U+FFFD each; there the count is near, not exact.
    std::size_t offset = decoded.markSize;
    for (std::size_t i = 0; i < position && i < decoded.text.size(); ++i) {
        const char16_t c = decoded.text[i];
        offset += c < 0x80 ? 1 : c < 0x800 ? 2 : (c >= 0xD800 && c <= 0xDFFF) ? 2 : 3;
    }
    return offset;
}
