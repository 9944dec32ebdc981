#include "summary_page.h"

#include "hundredths.h"
#include "school_page_html.h"
#include "summary_charts.h"

namespace {

constexpr int64_t kLeastShownAverage = 4;
constexpr std::string_view kDoubtfulMark = "<sup>*</sup>";
// Small print, as the window leaves a table of eight columns little room.
constexpr std::string_view kTableStart =
    "<table class=\"M\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse:collapse\">";

std::string Cell(std::string_view content, std::string_view tag = "td") {
    return "<" + std::string(tag) + ">" + std::string(content) + "</" + std::string(tag) + ">";
}

std::string Shown(const Figure& figure) {
    if (!figure.present) return "&ndash;";
    if (figure.value) return std::to_string(*figure.value);
    return (figure.written.empty() ? std::string("(puste)") : HtmlEscaped(figure.written)) + std::string(kDoubtfulMark);
}

std::string ClassLine(const ClassRow& row) {
    std::string line = "<tr>" + Cell(HtmlEscaped(row.className)) + Cell(HtmlEscaped(row.teacher));
    for (const Figure* figure : {&row.classified, &row.fullAttendance, &row.distinctions, &row.failGrades,
                                 &row.exemplary, &row.lowered})
        line += Cell(Shown(*figure));
    return line + "</tr>";
}

std::string TotalsLine(const Totals& totals, std::string_view separator) {
    std::string line = "<tr>" + Cell("<b>" + std::string(kTotalsRow) + "</b>") + Cell("") +
                       Cell("<b>" + std::to_string(totals.classified) + "</b>");
    for (int64_t sum : {totals.fullAttendance, totals.distinctions, totals.failGrades, totals.exemplary, totals.lowered}) {
        const std::string share = Share(sum, totals.classified, separator);
        line += Cell("<b>" + std::to_string(sum) + "</b>" + (share.empty() ? "" : "<br>(" + share + ")"));
    }
    return line + "</tr>";
}

void WriteTable(const SchoolFigures& figures, std::string_view separator, HtmlPage& page) {
    page.emplace_back(kTableStart);
    std::string header = "<tr>";
    for (std::string_view column : kSummaryColumns) header += Cell(HtmlEscaped(column), "th");
    page.push_back(header + "</tr>");
    for (const ClassRow& row : figures.classes) page.push_back(ClassLine(row));
    page.push_back(TotalsLine(figures.totals, separator));
    page.emplace_back("</table>");
    if (figures.Doubtful())
        AddTextLine(std::string(kDoubtfulMark) +
                        " Liczba zapisana nie cyframi albo ujemna: pokazana tak, jak j\xB9 zapisano, i pomini\xEA" "ta "
                        "w sumach.",
                    page);
}

void WriteCharts(const SchoolFigures& figures, HtmlPage& page) {
    struct Chart {
        std::string_view title;
        const Figure ClassRow::*figure;
        std::string_view colour;
    };
    constexpr Chart kCharts[] = {
        {"Wyr\xF3\xBFnienia", &ClassRow::distinctions, "#3a6ea5"},
        {"Uczniowie z ocenami niedostatecznymi", &ClassRow::failGrades, "#b5452f"},
        {"Frekwencja 100%", &ClassRow::fullAttendance, "#4d8b3c"},
    };
    AddSectionHeading("Wykresy", page);
    for (const Chart& chart : kCharts) {
        std::vector<Bar> bars;
        for (const ClassRow& row : figures.classes)
            if ((row.*chart.figure).present) bars.push_back({row.className, (row.*chart.figure).value});
        page.push_back("<p>" + BarChartSvg(chart.title, bars, chart.colour) + "</p>");
    }
}

void WriteFailuresBySubject(const SchoolFigures& figures, HtmlPage& page) {
    AddSectionHeading("Oceny niedostateczne wed\xB3ug przedmiot\xF3w", page);
    if (figures.failuresBySubject.empty()) return AddTextLine("Brak ocen niedostatecznych.", page);
    page.emplace_back(kTableStart);
    page.push_back("<tr>" + Cell("Przedmiot", "th") + Cell("Uczni\xF3w", "th") + Cell("Kto (klasa)", "th") + "</tr>");
    for (const SubjectFailures& subject : figures.failuresBySubject) {
        std::string who;
        for (const std::string& pupil : subject.pupils) who += (who.empty() ? "" : ", ") + HtmlEscaped(pupil);
        page.push_back("<tr>" + Cell(HtmlEscaped(subject.subject)) + Cell(std::to_string(subject.pupils.size())) +
                       Cell(who) + "</tr>");
    }
    page.emplace_back("</table>");
}

// As the class's report shows it: an average of 4 hundredths or less is no real one, and the
// pupil stands without it (ranked after those with one).
std::string ShownAverage(const Figure& average, std::string_view separator) {
    if (!average.value) return " &ndash; " + Shown(average);
    if (*average.value <= kLeastShownAverage) return "";
    return " &ndash; " + FormatHundredths(static_cast<int32_t>(*average.value), separator);
}

void WriteRanking(const SchoolFigures& figures, std::string_view separator, HtmlPage& page) {
    AddSectionHeading("Wyr\xF3\xBFnienia wed\xB3ug \x9Credniej", page);
    if (figures.ranked.empty()) return AddTextLine("Brak wyr\xF3\xBFnie\xF1.", page);
    page.emplace_back("   <ol class=\"N\">");
    for (const RankedPupil& pupil : figures.ranked) {
        AddListItem(HtmlEscaped(pupil.pupil) + " (" + HtmlEscaped(pupil.className) + ")" +
                        ShownAverage(pupil.average, separator),
                    page);
    }
    page.emplace_back("   </ol>");
}

void WriteProblems(const SchoolFigures& figures, HtmlPage& page) {
    AddSectionHeading("Braki i powt\xF3rzenia", page);
    if (figures.problems.empty())
        return AddTextLine("Ka\xBF" "da klasa odda\xB3" "a po jednym sprawozdaniu obu rodzaj\xF3w.", page);
    OpenList(page);
    for (const std::string& problem : figures.problems) AddListItem(HtmlEscaped(problem), page);
    CloseList(page);
}

}  // namespace

std::string Share(int64_t part, int64_t whole, std::string_view decimalSeparator) {
    if (whole <= 0) return "";
    const int64_t tenths = (part * 1000 + whole / 2) / whole;
    return std::to_string(tenths / 10) + std::string(decimalSeparator) + std::to_string(tenths % 10) + "%";
}

void WriteSummary(const SchoolFigures& figures, std::string_view decimalSeparator, HtmlPage& page) {
    if (figures.classes.empty()) {
        AddTextLine("W folderze nie ma sprawozda\xF1 \x84Klasyfikacja klasy\x94 ani \x84Klasyfikacja klasy z "
                    "zachowania\x94.",
                    page);
        return;
    }
    WriteTable(figures, decimalSeparator, page);
    WriteCharts(figures, page);
    WriteFailuresBySubject(figures, page);
    WriteRanking(figures, decimalSeparator, page);
    WriteProblems(figures, page);
}
