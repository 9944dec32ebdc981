#include <cstdint>
#include <string>
#include <string_view>

#include "pupil_list.h"
#include "ansi_literal.h"
#include "renderers.h"
#include "report_heading.h"
#include "report_titles.h"

namespace {

constexpr std::string_view kLoweredLabel = Ansi<"Uczniowie z obniżonym zachowaniem:">;

void RenderLoweredCase(ReportFile& report, int32_t number, HtmlPage& page) {
    const std::string justification = Numbered("Uzasadnienie", number);
    const std::string persons = report.Value("Obnizone", justification, "Osoba");
    AddLabelledLine(ContainsComma(persons) ? "Uczniowie:" : std::string(Ansi<"Uczeń:">), persons, page);
    AddLabelledLine("Ocena:", report.Value("Obnizone", justification, "Ocena"), page);
    const int32_t lines = report.Count(report.Value("Obnizone", justification, "IloscWierszy"));
    if (lines > 0) ReserveLines(page, static_cast<size_t>(lines));
    for (int32_t j = 0; j < lines; ++j)
        AddTextLine(report.Value("Obnizone", justification, Numbered("Wiersz", j)), page);
    AddTextLine(" ", page);
}

void RenderLoweredBehaviour(ReportFile& report, HtmlPage& page) {
    // Each case writes two labelled lines and a blank text line of its own.
    constexpr int32_t kCaseWeight = 2 * ReportFile::kLongLineWeight + ReportFile::kShortLineWeight;
    const int32_t count = report.Count(report.Value("Obnizone", "Ilosc"), kCaseWeight);
    AddLabelledLine(kLoweredLabel, count == 0 ? kNoSuchPupils : "", page);
    for (int32_t i = 1; i <= count; ++i) RenderLoweredCase(report, i, page);
}

void RenderRemarks(ReportFile& report, HtmlPage& page) {
    const int32_t count = report.Count(report.Value("Uwagi", "IloscWierszy"));
    if (count == 0) return;
    AddLabelledLine("Uwagi:", "", page);
    if (count > 0) ReserveLines(page, static_cast<size_t>(count));
    for (int32_t j = 0; j < count; ++j) AddTextLine(report.Value("Uwagi", Numbered("w", j)), page);
}

}  // namespace

void RenderBehaviourClassification(bool AsTitle, HtmlPage& page, ReportFile& report) {
    WriteClassReportHead(AsTitle, titles::kBehaviourClassification, report, page);
    WritePupilList(report, "Wzorowi", {"Uzcniowie wzorowi:", "Uczniowie wzorowi, to:"}, page);
    RenderLoweredBehaviour(report, page);
    RenderRemarks(report, page);
    CloseParagraph(page);
}
