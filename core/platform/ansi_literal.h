#pragma once
// Windows-1250 text written in the source as UTF-8 and converted while compiling, so that every
// message reads in the source as it is said, and can be searched for:
//     inline constexpr AnsiView kWrongType = Ansi<"Błędny typ pliku.">;
// A character the code page lacks stops the build.
#include <array>
#include <cstddef>
#include <string_view>

#include "ansi_text.h"
#include "code_page_table.h"

namespace ansi_literal {

// A string literal as a template argument.
template <std::size_t N>
struct Utf8 {
    char text[N];
    constexpr Utf8(const char (&literal)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = literal[i];
    }
};

constexpr char ByteOf(char32_t character)
{
    if (character < 0x80)
        return static_cast<char>(character);
    for (std::size_t i = 0; i < code_page_table::kHighHalf.size(); ++i)
        if (code_page_table::kHighHalf[i] == character)
            return static_cast<char>(0x80 + i);
    throw "a character Windows-1250 has no byte for";
}

template <std::size_t N>
struct Converted {
    std::array<char, N> bytes{};
    std::size_t size = 0;
};

template <Utf8 source>
constexpr auto Convert()
{
    constexpr std::size_t n = sizeof(source.text);
    Converted<n> out;
    for (std::size_t i = 0; i + 1 < n;) {
        const auto lead = static_cast<unsigned char>(source.text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t character = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            character = (character << 6) | (static_cast<unsigned char>(source.text[i + k]) & 0x3F);
        out.bytes[out.size++] = ByteOf(character);
        i += std::size_t(length);
    }
    return out;
}

template <Utf8 source>
inline constexpr auto kConverted = Convert<source>();

}  // namespace ansi_literal

template <ansi_literal::Utf8 source>
inline constexpr AnsiView Ansi = AnsiView::OfBytes(
    std::string_view{ansi_literal::kConverted<source>.bytes.data(), ansi_literal::kConverted<source>.size});
