#include "name_key.h"

#include "code_page.h"
#include "pkxml.h"

CodePageTable::CodePageTable() : byte(WideToAnsiBytes()) {
    for (size_t b = 0; b < upper.size(); ++b) upper[b] = AnsiUpperChar(static_cast<unsigned char>(b));
}

const CodePageTable& CodePage() {
    static const CodePageTable table;
    return table;
}

bool SameKey(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    const CodePageTable& table = CodePage();
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && table.Key(a[i]) != table.Key(b[i])) return false;
    return true;
}

std::u16string UpperKey(std::u16string_view text) { return AnsiToWide(AnsiUpper(WideToAnsi(text))); }

std::uint32_t KeyHash(std::u16string_view name) {
    const CodePageTable& table = CodePage();
    std::uint64_t hash = 0xcbf29ce484222325;
    for (char16_t c : name) hash = (hash ^ table.Key(c)) * 0x100000001b3;
    return static_cast<std::uint32_t>(hash >> 32 ^ hash);
}
