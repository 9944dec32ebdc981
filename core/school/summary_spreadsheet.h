#pragma once
// The classification summary's table as a spreadsheet: the header row of the page's table with a
// share column beside each count, one row per class, "Razem" with the sums and the school's
// shares, and the row of the bases the shares are taken of. UTF-8 with a byte-order mark, ";"
// between fields, CR LF line ends, as the list's spreadsheet; every figure as the page adds it.
#include <string>
#include <string_view>

#include "classification_figures.h"

std::string SummarySpreadsheetText(const SchoolFigures& figures, std::string_view decimalSeparator);
