#pragma once
// Chromium's PDF of a page, made into the printout: the header and footer lines written onto
// every page as text (Helvetica, one of the fonts every PDF reader has, with the letters of
// Windows-1250), and page selection.
// Bytes in, bytes out; a PDF that cannot be read raises std::runtime_error.
#include <string>
#include <vector>

#include "print_options.h"

struct PageRange {
    int first;  // 1-based, inclusive
    int last;
};

// The lines are placed in the middle of the top and bottom margins, within the side margins.
// Each line of the page's text is printed whole on the page it begins on, and only there:
// accents and descenders at a page break reach into the margin.
std::string StampPageLines(const std::string& pdf, const PrintOptions& options);
// Keeps the pages in the ranges, in document order; pages outside the document are ignored.
std::string KeepPages(const std::string& pdf, const std::vector<PageRange>& ranges);
int CountPages(const std::string& pdf);

// The width of a text in Helvetica of the given size, in points.
double HelveticaWidth(const std::string& text, double size);
