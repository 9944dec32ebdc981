#pragma once
// Test sources are UTF-8; report files are Windows-1250 or UTF-16. These turn one into the other.
#include <string>
#include <string_view>

#include "ansi_text.h"
#include "code_page.h"
#include "utf8.h"

// Windows-1250 bytes of UTF-8 source text.
inline std::string Cp1250(std::string_view utf8) { return WideToAnsi(Utf8ToWide(utf8)); }

// UTF-16 LE bytes with a byte-order mark, of UTF-8 source text.
inline std::string Utf16File(std::string_view utf8) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : Utf8ToWide(utf8)) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// UTF-8 of Windows-1250 text, for readable assertions.
inline std::string Utf8(std::string_view ansi) { return AnsiToUtf8(ansi); }
inline std::string Utf8(const AnsiText& text) { return text.ToUtf8(); }

// Recorded messages are their bytes; the catalogues' texts are typed.
inline bool operator==(const std::string& bytes, const AnsiText& text) { return bytes == text.Bytes(); }
inline bool operator==(const std::string& bytes, AnsiView text) { return bytes == text.Bytes(); }
