#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "count_conversion.h"
#include "renderers.h"
#include "report_heading.h"

namespace {

constexpr std::string_view kNoSuchPupils = "brak takich uczni\xF3w.";

// Averages are stored in hundredths; integer arithmetic keeps every one of them exact.
std::string FormatHundredths(int32_t value, std::string_view separator) {
    const int64_t wide = value;
    const int64_t magnitude = std::llabs(wide);
    const int64_t cents = magnitude % 100;
    std::string text = wide < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += separator;
    if (cents < 10) text += '0';
    text += std::to_string(cents);
    return text;
}

void RenderFullAttendance(ReportFile& report, HtmlPage& page) {
    const int32_t count = report.Count(report.Value("Frekwencja", "IleOsob"));
    if (count == 0) {
        AddLabelledLine("Stuprocentowa frekwencja:", kNoSuchPupils, page);
        return;
    }
    AddLabelledLine("Uczniowie ze stuprocentow\xB9 frekwencj\xB9, to:", "", page);
    OpenList(page);
    for (int32_t i = 1; i <= count; ++i) AddListItem(report.Value("Frekwencja", Numbered("Uczen", i)), page);
    CloseList(page);
}

// The threshold is 4 hundredths, not 4.00: every real average shows, a stray 0..4 does not.
std::string DistinctionItem(ReportFile& report, int32_t number, const RenderOptions& options) {
    const std::string pupil = Numbered("Uczen", number);
    std::string item = report.Value("Pasek", pupil);
    const int32_t average = StrToInt(report.Value("Pasek", pupil, "Srednia"));
    if (average > 4) item += " - " + FormatHundredths(average, options.DecimalSeparator());
    return item;
}

void RenderDistinction(ReportFile& report, HtmlPage& page, const RenderOptions& options) {
    const int32_t count = report.Count(report.Value("Pasek", "IleOsob"));
    if (count == 0) {
        AddLabelledLine("Uczniowie zas\xB3uguj\xB9" "cy na wyr\xF3\xBFnienie:", kNoSuchPupils, page);
        return;
    }
    AddLabelledLine("Uczniowie zas\xB3uguj\xB9" "cy na wyr\xF3\xBFnienie, to:", "", page);
    OpenList(page);
    for (int32_t i = 1; i <= count; ++i) AddListItem(DistinctionItem(report, i, options), page);
    CloseList(page);
}

void RenderFailGrades(ReportFile& report, HtmlPage& page) {
    const int32_t count = report.Count(report.Value("Ndst", "IleOsob"));
    if (count == 0) {
        AddLabelledLine("Uczniowie z ocenami niedostatecznymi:", kNoSuchPupils, page);
        return;
    }
    AddLabelledLine("Uczniowie z ocenami niedostatecznymi, to:", "", page);
    OpenList(page);
    for (int32_t i = 1; i <= count; ++i) {
        const std::string pupil = Numbered("Uczen", i);
        std::string item = report.Value("Ndst", pupil) + " - ";
        AddListItem(item + report.Value("Ndst", pupil, "Przedmioty"), page);
    }
    CloseList(page);
}

}  // namespace

void RenderClassClassification(bool AsTitle, HtmlPage& page, const std::string& path,
                               const RenderOptions& options) {
    ReportFile report(path);
    WriteClassReportHead(AsTitle, "KLASYFIKACJA KLASY - ", report, page);
    RenderFullAttendance(report, page);
    RenderDistinction(report, page, options);
    RenderFailGrades(report, page);
    CloseParagraph(page);
}
