#include "summary_page.h"

#include "ansi_literal.h"
#include "hundredths.h"
#include "school_page_html.h"
#include "summary_charts.h"

namespace {

constexpr int64_t kLeastShownAverage = 4;
constexpr std::string_view kDoubtfulMark = "<sup>*</sup>";
constexpr std::string_view kSharesRow = Ansi<"Udział">;

std::string Shown(const Figure& figure) {
    if (!figure.present) return "&ndash;";
    if (!figure.Doubtful()) return std::to_string(*figure.value);
    if (figure.value) return HtmlText(figure.written) + " &rarr; " + std::to_string(*figure.value) + std::string(kDoubtfulMark);
    return (figure.written.empty() ? std::string("(puste)") : HtmlText(figure.written)) + std::string(kDoubtfulMark);
}

std::string ClassLine(const ClassRow& row) {
    std::vector<std::string> cells{HtmlText(row.className), HtmlText(row.teacher)};
    for (const Figure* figure : {&row.classified, &row.fullAttendance, &row.distinctions, &row.failGrades,
                                 &row.exemplary, &row.lowered})
        cells.push_back(Shown(*figure));
    return TableRow(cells);
}

std::string Bold(std::string_view text) { return "<b>" + std::string(text) + "</b>"; }

std::string TotalsLine(const Totals& t) {
    std::vector<std::string> cells{Bold(kTotalsRow), ""};
    for (int64_t sum : {t.classified, t.fullAttendance, t.distinctions, t.failGrades, t.exemplary, t.lowered})
        cells.push_back(Bold(std::to_string(sum)));
    return TableRow(cells);
}

// A row of its own, so that a copied table keeps each of its rows on one line.
std::string SharesLine(const Totals& t, std::string_view separator) {
    const int64_t school = t.classificationBase.pupils, behaviour = t.behaviourBase.pupils;
    return TableRow({Bold(kSharesRow), "", "", Share(t.fullAttendanceInBase, school, separator),
                     Share(t.distinctionsInBase, school, separator), Share(t.failGradesInBase, school, separator),
                     Share(t.exemplaryInBase, behaviour, separator), Share(t.loweredInBase, behaviour, separator)});
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + text;
    return joined;
}

// "od 183 uczniów 7 klas, które przysłały „…”", and the classes that sent it but stand outside.
std::string BaseLine(std::string_view what, const ShareBase& base, std::string_view report, std::string_view outsideWhy) {
    if (base.classes == 0)
        return std::string(what) + ": nie liczono, bo żadna klasa nie przysłała „" + std::string(report) +
               "” z liczbą klasyfikowanych.";
    std::string line = std::string(what) + " liczone od " + std::to_string(base.pupils) +
                       (base.pupils == 1 ? " ucznia " : " uczniów ") + std::to_string(base.classes) +
                       (base.classes == 1 ? " klasy, która przysłała „" : " klas, które przysłały „") +
                       std::string(report) + "”";
    if (!base.outside.empty()) line += "; bez klas " + Joined(base.outside) + " (" + std::string(outsideWhy) + ")";
    return line + ".";
}

void WriteBases(const Totals& totals, HtmlPage& page) {
    AddTextLine(HtmlText(BaseLine("Udziały frekwencji 100%, wyróżnień i ocen niedostatecznych", totals.classificationBase,
                                  "Klasyfikacja klasy", "liczba klasyfikowanych nie jest liczbą")),
                page);
    AddTextLine(HtmlText(BaseLine("Udziały zachowania wzorowego i obniżonego", totals.behaviourBase,
                                  "Klasyfikacja klasy z zachowania", "nie wiadomo, ilu uczniów klasyfikowano")),
                page);
}

void WriteTable(const SchoolFigures& figures, std::string_view separator, HtmlPage& page) {
    OpenTable({std::begin(kSummaryColumns), std::end(kSummaryColumns)}, page);
    for (const ClassRow& row : figures.classes) page.push_back(ClassLine(row));
    page.push_back(TotalsLine(figures.totals));
    page.push_back(SharesLine(figures.totals, separator));
    CloseTable(page);
    WriteBases(figures.totals, page);
    if (figures.Doubtful())
        AddTextLine(std::string(kDoubtfulMark) +
                        HtmlText(" Liczba zapisana inaczej niż samymi cyframi: obok zapisu jej odczyt, wliczony do "
                                 "sum; zapis, którego nie da się odczytać jako liczby, pominięto w sumach."),
                    page);
}

// The chart's figures as a table, for a copy of the page and for screen readers.
std::string ChartFigures(std::string_view title, const std::vector<Bar>& bars) {
    std::string table = "<table class=\"" + std::string(kCopiedOnly) + "\"><caption>" + HtmlEscaped(title) +
                        "</caption>" + TableRow({"Klasa", HtmlEscaped(title)}, "th");
    for (const Bar& bar : bars) table += TableRow({HtmlText(bar.label), bar.value ? std::to_string(*bar.value) : "*"});
    return table + "</table>";
}

void WriteCharts(const SchoolFigures& figures, HtmlPage& page) {
    struct Chart {
        std::string_view title;
        const Figure ClassRow::*figure;
        std::string_view colour;
    };
    constexpr Chart kCharts[] = {
        {Ansi<"Wyróżnienia">, &ClassRow::distinctions, "#3a6ea5"},
        {"Uczniowie z ocenami niedostatecznymi", &ClassRow::failGrades, "#b5452f"},
        {"Frekwencja 100%", &ClassRow::fullAttendance, "#4d8b3c"},
    };
    AddSectionHeading("Wykresy", page);
    for (const Chart& chart : kCharts) {
        std::vector<Bar> bars;
        for (const ClassRow& row : figures.classes)
            if ((row.*chart.figure).present) bars.push_back({row.className, (row.*chart.figure).value});
        page.push_back("<p>" + BarChartSvg(chart.title, bars, chart.colour) + ChartFigures(chart.title, bars) + "</p>");
    }
}

void WriteFailuresBySubject(const SchoolFigures& figures, HtmlPage& page) {
    AddSectionHeading(Ansi<"Oceny niedostateczne według przedmiotów">, page);
    if (figures.failuresBySubject.empty()) return AddTextLine("Brak ocen niedostatecznych.", page);
    OpenTable({"Przedmiot", Ansi<"Uczniów">, "Kto (klasa)"}, page);
    for (const SubjectFailures& subject : figures.failuresBySubject) {
        std::string who;
        for (const std::string& pupil : subject.pupils) who += (who.empty() ? "" : ", ") + HtmlText(pupil);
        page.push_back(TableRow({HtmlText(subject.subject), std::to_string(subject.pupils.size()), who}));
    }
    CloseTable(page);
}

// As the class's report shows it: an average of 4 hundredths or less is no real one, and the
// pupil stands without it (ranked after those with one).
std::string ShownAverage(const Figure& average, std::string_view separator) {
    if (!average.value) return " &ndash; " + Shown(average);
    if (*average.value <= kLeastShownAverage) return "";
    return " &ndash; " + FormatHundredths(static_cast<int32_t>(*average.value), separator);
}

void WriteRanking(const SchoolFigures& figures, std::string_view separator, HtmlPage& page) {
    AddSectionHeading(Ansi<"Wyróżnienia według średniej">, page);
    if (figures.ranked.empty()) return AddTextLine(Ansi<"Brak wyróżnień.">, page);
    page.emplace_back("   <ol class=\"N\">");
    for (const RankedPupil& pupil : figures.ranked) {
        AddListItem(HtmlText(pupil.pupil) + " (" + HtmlText(pupil.className) + ")" + ShownAverage(pupil.average, separator),
                    page);
    }
    page.emplace_back("   </ol>");
}

void WriteProblems(const SchoolFigures& figures, HtmlPage& page) {
    AddSectionHeading(Ansi<"Braki i powtórzenia">, page);
    if (figures.problems.empty())
        return AddTextLine(Ansi<"Każda klasa oddała po jednym sprawozdaniu obu rodzajów.">, page);
    OpenList(page);
    for (const std::string& problem : figures.problems) AddListItem(HtmlText(problem), page);
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
        AddTextLine(Ansi<"W folderze nie ma sprawozdań „Klasyfikacja klasy” ani „Klasyfikacja klasy z "
                         "zachowania”.">,
                    page);
        return;
    }
    WriteTable(figures, decimalSeparator, page);
    WriteCharts(figures, page);
    WriteFailuresBySubject(figures, page);
    WriteRanking(figures, decimalSeparator, page);
    WriteProblems(figures, page);
}
