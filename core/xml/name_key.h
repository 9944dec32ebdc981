#pragma once
// Names compare through the Windows-1250 code page: a character becomes its byte ('?' when the
// code page lacks it) and the byte is upper-cased. Since the code page maps bytes to characters
// one to one, comparing these bytes is comparing UpperKey texts, without building them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct CodePageTable {
    CodePageTable();
    const std::array<unsigned char, 0x10000>& byte;  // the character's byte, '?' when it has none
    std::array<unsigned char, 256> upper;

    unsigned char Key(char16_t c) const { return upper[byte[c]]; }
    // True when the character survives a trip through the code page unchanged.
    bool RoundTrips(char16_t c) const { return c < 0x80 || byte[c] != '?'; }
};

const CodePageTable& CodePage();

bool SameKey(std::u16string_view a, std::u16string_view b);
// Equal keys give equal hashes.
std::uint32_t KeyHash(std::u16string_view name);
