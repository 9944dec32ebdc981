#pragma once
// The codes of a printed header or footer line: "&b" ends the left part (a second "&b" ends
// the centred part, the rest is right-aligned), "&p" is the page number, "&P" the number of
// pages, "&&" one "&". Any other "&" is kept as it stands.
#include <string>
#include <string_view>

struct PageLine {
    std::string left;
    std::string centre;
    std::string right;

    bool operator==(const PageLine&) const = default;
    bool empty() const { return left.empty() && centre.empty() && right.empty(); }
};

PageLine ExpandPageCodes(std::string_view codes, int page, int pages);
