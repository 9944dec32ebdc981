#pragma once
// UTF-8 is only spoken at the program's edges: the terminal, Qt's file names and texts.
#include <string>
#include <string_view>

// Unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::u16string_view wide);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToWide(std::string_view utf8);
// Windows-1250 text to UTF-8, for messages and pages shown outside the program.
std::string AnsiToUtf8(std::string_view ansi);
