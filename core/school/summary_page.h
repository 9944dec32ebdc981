#pragma once
// The classification summary as a page: the table of classes with the school's totals and
// shares, the charts, fail grades by subject, distinctions by average, and what is missing or
// doubled. Every value from a report is escaped.
#include <string>
#include <string_view>

#include "ansi_literal.h"
#include "classification_figures.h"
#include "html_page.h"

// The columns of the table, in order, Windows-1250; the spreadsheet's header row too.
inline constexpr std::string_view kSummaryColumns[] = {
    "Klasa", "Wychowawca", "Klasyfikowanych", "Frekwencja 100%", Ansi<"Wyróżnienia">, "Z ocenami ndst",
    "Zachowanie wzorowe", Ansi<"Zachowanie obniżone">};
inline constexpr std::string_view kTotalsRow = "Razem";

// Appends the summary's sections (no page head or foot).
void WriteSummary(const SchoolFigures& figures, std::string_view decimalSeparator, HtmlPage& page);

// `part` of `whole` in per cent with one decimal ("12,5%"); empty when the whole is 0.
std::string Share(int64_t part, int64_t whole, std::string_view decimalSeparator);
