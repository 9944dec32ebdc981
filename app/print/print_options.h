#pragma once
// The options every printout is made with: margins, orientation, and the header and footer
// lines in the page codes of page_codes.h. No Qt here: the PDF stamping reads them too.
#include <string>

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
    std::string header = kPrintHeader;  // page codes, ASCII or Windows-1252 text
    std::string footer = kPrintFooter;
};

inline constexpr double kPointsPerMm = 72.0 / 25.4;
