#include "polish_order.h"

#include "ansi_literal.h"

#include <array>
#include <cstddef>

namespace {

// Each letter of the alphabet in order, lower case then upper case, Windows-1250.
constexpr std::string_view kAlphabet[] = {
    "aA", Ansi<"ąĄ">, "bB", "cC", Ansi<"ćĆ">, "dD", "eE", Ansi<"ęĘ">, "fF", "gG", "hH", "iI", "jJ", "kK",
    "lL", Ansi<"łŁ">, "mM", "nN", Ansi<"ńŃ">, "oO", Ansi<"óÓ">, "pP", "qQ", "rR", "sS", Ansi<"śŚ">, "tT",
    "uU", "vV", "wW", "xX", "yY", "zZ", Ansi<"źŹ">, Ansi<"żŻ">,
};

// Where a byte sorts: letters by the alphabet after every other byte's own value, so that
// blanks and punctuation come before words as they do in a dictionary.
struct Weights {
    std::array<int, 256> weight{};
    std::array<char, 256> lower{};
    Weights() {
        for (int b = 0; b < 256; ++b) {
            weight[b] = b;
            lower[b] = static_cast<char>(b);
        }
        for (std::size_t i = 0; i < std::size(kAlphabet); ++i) {
            const auto small = static_cast<unsigned char>(kAlphabet[i][0]);
            const auto capital = static_cast<unsigned char>(kAlphabet[i][1]);
            weight[small] = weight[capital] = 256 + static_cast<int>(i);
            lower[capital] = static_cast<char>(small);
        }
    }
};

const Weights& TheWeights() {
    static const Weights weights;
    return weights;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The run of digits at `at`, without its leading zeros; `at` moves past it.
std::string_view DigitRun(std::string_view text, std::size_t& at) {
    while (at + 1 < text.size() && text[at] == '0' && IsDigit(text[at + 1])) ++at;
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return text.substr(start, at - start);
}

int Sign(int value) { return (value > 0) - (value < 0); }

int ComparePrimary(std::string_view a, std::string_view b) {
    const Weights& w = TheWeights();
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::string_view x = DigitRun(a, i), y = DigitRun(b, j);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y)) return Sign(c);
            continue;
        }
        const int x = w.weight[static_cast<unsigned char>(a[i++])];
        const int y = w.weight[static_cast<unsigned char>(b[j++])];
        if (x != y) return x < y ? -1 : 1;
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace

int ComparePolish(std::string_view a, std::string_view b) {
    if (const int primary = ComparePrimary(a, b)) return primary;
    return Sign(a.compare(b));
}

char PolishLower(char c) { return TheWeights().lower[static_cast<unsigned char>(c)]; }
