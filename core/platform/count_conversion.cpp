#include "count_conversion.h"

#include <string>

namespace {

[[noreturn]] void Fail(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits in the given base up to the end of the text, at most `limit`.
int64_t Digits(std::string_view text, std::string_view digits, int base, int64_t limit) {
    if (digits.empty()) Fail(text);
    int64_t value = 0;
    for (char c : digits) {
        const int d = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) Fail(text);
        value = value * base + d;
        if (value > limit) Fail(text);
    }
    return value;
}

size_t HexPrefixLength(std::string_view text) {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
    if (text.starts_with("0x") || text.starts_with("0X")) return 2;
    return 0;
}

}  // namespace

int32_t StrToInt(std::string_view text) {
    constexpr int64_t kMax = INT32_MAX;
    if (const size_t prefix = HexPrefixLength(text))
        return static_cast<int32_t>(Digits(text, text.substr(prefix), 16, kMax));
    const bool negative = text.starts_with('-');
    const size_t sign = (negative || text.starts_with('+')) ? 1 : 0;
    const int64_t value = Digits(text, text.substr(sign), 10, negative ? kMax + 1 : kMax);
    return static_cast<int32_t>(negative ? -value : value);
}
