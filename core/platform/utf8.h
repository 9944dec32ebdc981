#pragma once
// UTF-8 is only spoken at the program's edges: the terminal, Qt's file names and texts, and
// report files saved as UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t cp);
// Unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::u16string_view wide);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToWide(std::string_view utf8);
// Every sequence well formed: no stray continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsStrictUtf8(std::string_view bytes);
// How many bytes at the end begin a sequence that would be well formed had the end not cut it
// off: 1 to 3, or 0 when the bytes end at a character's end or in something malformed.
std::size_t CutSequenceLength(std::string_view bytes);
// Windows-1250 text to UTF-8, for messages and pages shown outside the program.
std::string AnsiToUtf8(std::string_view ansi);
