#include <cstdint>
#include <string>

#include "renderers.h"
#include "ansi_literal.h"
#include "report_titles.h"

namespace {

void RenderJustification(ReportFile& report, int32_t number, HtmlPage& page) {
    const std::string justification = Numbered("Uzasadnienie", number);
    const std::string persons = report.Value("Uzasadnienia", justification, "Osoba");
    AddLabelledLine(ContainsComma(persons) ? "Uczniowie:" : std::string(Ansi<"Uczeń:">), persons, page);
    const int32_t lines = report.Count(report.Value("Uzasadnienia", justification, "IloscWierszy"));
    if (lines > 0) ReserveLines(page, static_cast<size_t>(lines));
    for (int32_t j = 0; j < lines; ++j)
        AddTextLine(report.Value("Uzasadnienia", justification, Numbered("Wiersz", j)), page);
}

}  // namespace

void RenderFailGradeJustification(bool AsTitle, HtmlPage& page, ReportFile& report) {
    if (AsTitle)
        AddTitle(std::string(titles::kFailGradeJustification) + " - " + AsciiUpper(report.Value("Klasa")), page);
    else
        AddBlankParagraph(page);
    OpenParagraph(page);
    AddLabelledLine("Przedmiot: ", report.Value("Przedmiot"), page);
    AddLabelledLine(Ansi<"Uczący: ">, report.Value("Belfer"), page);
    const int32_t count = report.Count(report.Value("Uzasadnienia", "Ilosc"), ReportFile::kLongLineWeight);
    for (int32_t i = 1; i <= count; ++i) RenderJustification(report, i, page);
    CloseParagraph(page);
}
