#include <cstdint>
#include <string>
#include <string_view>

#include "count_conversion.h"
#include "ansi_literal.h"
#include "hundredths.h"
#include "pupil_list.h"
#include "renderers.h"
#include "report_heading.h"
#include "report_titles.h"

namespace {

// The threshold is 4 hundredths, not 4.00: every real average shows, a stray 0..4 does not.
std::string DistinctionItem(ReportFile& report, int32_t number, const RenderOptions& options) {
    const std::string pupil = Numbered("Uczen", number);
    std::string item = report.Value("Pasek", pupil);
    const int32_t average = StrToInt(report.Value("Pasek", pupil, "Srednia"));
    if (average > 4) item += " - " + FormatHundredths(average, options.DecimalSeparator());
    return item;
}

std::string FailGradeItem(ReportFile& report, int32_t number) {
    const std::string pupil = Numbered("Uczen", number);
    std::string item = report.Value("Ndst", pupil) + " - ";
    return item + report.Value("Ndst", pupil, "Przedmioty");
}

}  // namespace

void RenderClassClassification(bool AsTitle, HtmlPage& page, ReportFile& report,
                               const RenderOptions& options) {
    WriteClassReportHead(AsTitle, titles::kClassClassification, report, page);
    WritePupilList(report, "Frekwencja",
                   {"Stuprocentowa frekwencja:", Ansi<"Uczniowie ze stuprocentową frekwencją, to:">}, page);
    WritePupilList(report, "Pasek",
                   {Ansi<"Uczniowie zasługujący na wyróżnienie:">,
                    Ansi<"Uczniowie zasługujący na wyróżnienie, to:">},
                   page, [&](int32_t i) { return DistinctionItem(report, i, options); });
    WritePupilList(report, "Ndst",
                   {"Uczniowie z ocenami niedostatecznymi:", "Uczniowie z ocenami niedostatecznymi, to:"}, page,
                   [&](int32_t i) { return FailGradeItem(report, i); }, ReportFile::kLongLineWeight);
    CloseParagraph(page);
}
