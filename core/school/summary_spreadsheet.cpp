#include "summary_spreadsheet.h"

#include "list_spreadsheet.h"
#include "summary_page.h"
#include "utf8.h"

namespace {

constexpr std::string_view kShareColumn = "Udział";
constexpr std::string_view kBaseRow = "Podstawa udziałów";

// The counts that have a share, each with the base of its kind of report.
struct Counted {
    const Figure ClassRow::*figure;
    int64_t Totals::*sum;
    int64_t Totals::*inBase;
    bool behaviour;
};
constexpr Counted kCounted[] = {
    {&ClassRow::fullAttendance, &Totals::fullAttendance, &Totals::fullAttendanceInBase, false},
    {&ClassRow::distinctions, &Totals::distinctions, &Totals::distinctionsInBase, false},
    {&ClassRow::failGrades, &Totals::failGrades, &Totals::failGradesInBase, false},
    {&ClassRow::exemplary, &Totals::exemplary, &Totals::exemplaryInBase, true},
    {&ClassRow::lowered, &Totals::lowered, &Totals::loweredInBase, true},
};

std::optional<int64_t> ClassBase(const ClassRow& row, bool behaviour) {
    if (behaviour) return row.BehaviourBase();
    return row.InClassificationBase() ? row.classified.value : std::nullopt;
}

std::string ClassShare(const ClassRow& row, const Counted& counted, std::string_view separator) {
    const Figure& figure = row.*counted.figure;
    const std::optional<int64_t> base = ClassBase(row, counted.behaviour);
    if (!figure.value || !base) return {};
    return AnsiToUtf8(Share(*figure.value, *base, separator));
}

std::vector<std::string> Header() {
    std::vector<std::string> header;
    for (std::size_t i = 0; i < std::size(kSummaryColumns); ++i) {
        header.push_back(AnsiToUtf8(kSummaryColumns[i]));
        if (i >= 3) header.emplace_back(kShareColumn);
    }
    return header;
}

}  // namespace

std::string SummarySpreadsheetText(const SchoolFigures& figures, std::string_view separator) {
    std::string sheet = "\xEF\xBB\xBF" + SpreadsheetLine(Header());
    for (const ClassRow& row : figures.classes) {
        std::vector<std::string> cells{row.className, row.teacher, FigureText(row.classified)};
        for (const Counted& counted : kCounted) {
            cells.push_back(FigureText(row.*counted.figure));
            cells.push_back(ClassShare(row, counted, separator));
        }
        sheet += SpreadsheetLine(cells);
    }
    const Totals& t = figures.totals;
    std::vector<std::string> totals{AnsiToUtf8(kTotalsRow), "", std::to_string(t.classified)};
    std::vector<std::string> bases{std::string(kBaseRow), "", ""};
    for (const Counted& counted : kCounted) {
        const int64_t base = counted.behaviour ? t.behaviourBase.pupils : t.classificationBase.pupils;
        totals.push_back(std::to_string(t.*counted.sum));
        totals.push_back(AnsiToUtf8(Share(t.*counted.inBase, base, separator)));
        bases.push_back(std::to_string(base));
        bases.emplace_back();
    }
    return sheet + SpreadsheetLine(totals) + SpreadsheetLine(bases);
}
