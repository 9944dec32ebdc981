#pragma once
// Windows-1250, the code page every report, page and message of the program is written in.
// The XML tree holds UTF-16; everything else is 8-bit text in this code page, and every
// conversion between the two goes through here.
#include <array>
#include <string>
#include <string_view>

// One byte to its UTF-16 character. The five bytes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) map to the control characters of the same number,
// as Windows does, so they survive a round trip.
char16_t AnsiCharToWide(unsigned char byte);

// The byte for a UTF-16 character, or '?' when the code page has no such character.
char WideCharToAnsi(char16_t ch);
// The same for every UTF-16 code unit at once, for loops that convert a character at a time.
using WideToAnsiTable = std::array<unsigned char, 0x10000>;
const WideToAnsiTable& WideToAnsiBytes();

std::u16string AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::u16string_view wide);

// Upper-casing of 8-bit text as the system does it for this code page: a-z and the
// Central European lower-case letters; ß, ÷, ˙ and µ have no upper case here and stay.
unsigned char AnsiUpperChar(unsigned char byte);
void AnsiUpperInPlace(std::string& ansi);
std::string AnsiUpper(std::string_view ansi);
