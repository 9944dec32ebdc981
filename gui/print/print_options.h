#pragma once
// The options every printout is made with: margins, orientation, and the header and footer
// lines in the page codes of page_codes.h. No Qt here: the PDF stamping reads them too.
#include <string>

#include "ansi_literal.h"

enum class PageOrientation { Portrait, Landscape };

// "&b" splits the line into left, centre and right; "&p" is the page number.
inline constexpr const char* kPrintFooter = "&b - Str. &p - &b";
inline constexpr const char* kPrintHeader = "";

struct PageMarginsMm {
    double left = 19.05;
    double top = 19.05;
    double right = 19.05;
    double bottom = 19.05;
};

struct PrintOptions {
    PageMarginsMm margins;
    PageOrientation orientation = PageOrientation::Portrait;
    std::string header = kPrintHeader;  // page codes, ASCII or Windows-1250 text
    std::string footer = kPrintFooter;
    std::string title;  // UTF-8: the PDF's document title, the page's own
};

inline constexpr double kPointsPerMm = 72.0 / 25.4;

// Beside the page number of every page printed of a report whose file breaks off: the pages
// show only what could be read. Windows-1250.
inline constexpr const char* kCutOffNote = Ansi<"Plik niekompletny — wydruk może być niepełny">.Bytes().data();

// The options of a printout of such a report: the note leads the footer, at the left margin.
inline PrintOptions CutOffPrintOptions(PrintOptions options) {
    options.footer = kCutOffNote + options.footer;
    return options;
}
