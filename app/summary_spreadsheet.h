#pragma once
// The classification summary's table as a spreadsheet: the header row of the page's table,
// one row per class, "Razem" with the sums last. UTF-8 with a byte-order mark, ";" between
// fields, CR LF line ends, as the list's spreadsheet; counts that are not numbers as written.
#include <string>

#include "classification_figures.h"

std::string SummarySpreadsheetText(const SchoolFigures& figures);
