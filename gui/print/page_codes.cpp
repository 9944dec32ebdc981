#include "page_codes.h"

#include <vector>

namespace {

// Splits on "&b", leaving every other code in place ("&&" is kept whole, so "&&b" is "&" then "b").
std::vector<std::string> SplitParts(std::string_view codes) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == '&' && i + 1 < codes.size()) {
            if (codes[i + 1] == 'b') {
                parts.emplace_back();
                ++i;
                continue;
            }
            parts.back() += codes.substr(i, 2);
            ++i;
            continue;
        }
        parts.back() += codes[i];
    }
    return parts;
}

std::string ExpandNumbers(std::string_view part, int page, int pages) {
    std::string text;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const char next = i + 1 < part.size() ? part[i + 1] : '\0';
        if (part[i] == '&' && next == 'p') {
            text += std::to_string(page);
        } else if (part[i] == '&' && next == 'P') {
            text += std::to_string(pages);
        } else if (part[i] == '&' && next == '&') {
            text += '&';
        } else {
            text += part[i];
            continue;
        }
        ++i;
    }
    return text;
}

}  // namespace

PageLine ExpandPageCodes(std::string_view codes, int page, int pages) {
    const std::vector<std::string> parts = SplitParts(codes);
    PageLine line;
    line.left = ExpandNumbers(parts[0], page, pages);
    if (parts.size() == 2) line.right = ExpandNumbers(parts[1], page, pages);
    if (parts.size() >= 3) {
        line.centre = ExpandNumbers(parts[1], page, pages);
        std::string rest;
        for (std::size_t i = 2; i < parts.size(); ++i) rest += parts[i];
        line.right = ExpandNumbers(rest, page, pages);
    }
    return line;
}
