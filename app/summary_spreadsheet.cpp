#include "summary_spreadsheet.h"

#include "list_spreadsheet.h"
#include "summary_page.h"
#include "utf8.h"

namespace {

std::string FigureCell(const Figure& figure) { return figure.present ? AnsiToUtf8(figure.written) : ""; }

std::string Line(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? ";" : "") + SpreadsheetCell(cells[i]);
    return line + "\r\n";
}

}  // namespace

std::string SummarySpreadsheetText(const SchoolFigures& figures) {
    std::vector<std::string> header;
    for (std::string_view column : kSummaryColumns) header.push_back(AnsiToUtf8(column));
    std::string sheet = "\xEF\xBB\xBF" + Line(header);
    for (const ClassRow& row : figures.classes)
        sheet += Line({row.classNameUtf8, row.teacherUtf8, FigureCell(row.classified), FigureCell(row.fullAttendance),
                       FigureCell(row.distinctions), FigureCell(row.failGrades), FigureCell(row.exemplary),
                       FigureCell(row.lowered)});
    const Totals& t = figures.totals;
    return sheet + Line({std::string(kTotalsRow), "", std::to_string(t.classified), std::to_string(t.fullAttendance),
                         std::to_string(t.distinctions), std::to_string(t.failGrades), std::to_string(t.exemplary),
                         std::to_string(t.lowered)});
}
