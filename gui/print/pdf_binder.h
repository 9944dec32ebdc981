#pragma once
// Several printouts bound into one PDF, each starting on a page of its own and named by a
// bookmark (an outline entry) that leads to its first page. Bytes in, bytes out; a PDF that
// cannot be read raises std::runtime_error.
#include <string>
#include <vector>

struct BoundPrintout {
    std::string pdf;
    std::string title;  // UTF-8
};

// `title` (UTF-8) is the whole's document title.
std::string BindPrintouts(const std::vector<BoundPrintout>& printouts, const std::string& title);
