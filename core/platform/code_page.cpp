#include "code_page.h"
#include "code_page_table.h"

#include <array>

namespace {


struct ReverseTable {
    WideToAnsiTable bytes;
    ReverseTable() {
        bytes.fill('?');
        for (int b = 0; b < 0x80; ++b) bytes[b] = static_cast<unsigned char>(b);
        for (int i = 0; i < 128; ++i) bytes[code_page_table::kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

struct UpperTable {
    std::array<unsigned char, 256> bytes{};
    UpperTable() {
        for (int b = 0; b < 256; ++b) bytes[b] = static_cast<unsigned char>(b);
        for (int b = 'a'; b <= 'z'; ++b) bytes[b] = static_cast<unsigned char>(b - 32);
        // š ś ť ž ź sit 0x10 above their capitals in the 0x8A..0x9F row.
        for (int b : {0x9A, 0x9C, 0x9D, 0x9E, 0x9F}) bytes[b] = static_cast<unsigned char>(b - 0x10);
        bytes[0xB3] = 0xA3;  // ł
        bytes[0xB9] = 0xA5;  // ą
        bytes[0xBA] = 0xAA;  // ş
        bytes[0xBE] = 0xBC;  // ľ
        bytes[0xBF] = 0xAF;  // ż
        for (int b = 0xE0; b <= 0xFE; ++b)
            if (b != 0xF7) bytes[b] = static_cast<unsigned char>(b - 0x20);  // ÷ has no case
    }
};

const UpperTable& Upper() {
    static const UpperTable table;
    return table;
}

}  // namespace

char16_t AnsiCharToWide(unsigned char byte) {
    return byte < 0x80 ? char16_t(byte) : code_page_table::kHighHalf[byte - 0x80];
}

const WideToAnsiTable& WideToAnsiBytes() {
    static const ReverseTable table;
    return table.bytes;
}

char WideCharToAnsi(char16_t ch) { return static_cast<char>(WideToAnsiBytes()[ch]); }

std::u16string AnsiToWide(std::string_view ansi) {
    std::u16string wide(ansi.size(), u'\0');
    for (size_t i = 0; i < ansi.size(); ++i) wide[i] = AnsiCharToWide(static_cast<unsigned char>(ansi[i]));
    return wide;
}

std::string WideToAnsi(std::u16string_view wide) {
    const WideToAnsiTable& table = WideToAnsiBytes();
    std::string ansi(wide.size(), '\0');
    for (size_t i = 0; i < wide.size(); ++i) ansi[i] = static_cast<char>(table[wide[i]]);
    return ansi;
}

unsigned char AnsiUpperChar(unsigned char byte) { return Upper().bytes[byte]; }

void AnsiUpperInPlace(std::string& ansi) {
    const auto& table = Upper().bytes;
    for (char& c : ansi) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
}

std::string AnsiUpper(std::string_view ansi) {
    std::string upper(ansi);
    AnsiUpperInPlace(upper);
    return upper;
}
