// Free-text reports with a short header: the head teacher's report, a teacher's other
// information, and the classes a teacher held under the card.
#include "line_block.h"
#include "ansi_literal.h"
#include "report_heading.h"
#include "report_titles.h"
#include "renderers.h"

namespace {

const char* const kInformation = "Informacja:";
const char* const kTeacher = "Nauczyciel: ";

}  // namespace

// This report writes its title whatever AsTitle says.
void RenderPrincipalReport(bool /*AsTitle*/, HtmlPage& page, ReportFile& report) {
    AddTitle(titles::kPrincipalReport, page);
    OpenParagraph(page);
    AddLabelledLine("Dyrektor: ", report.Value("Belfer"), page);
    WriteLineBlock(report, "Dydaktyczna", "Sfery dydaktyczna, wychowawcza i opiekuncza:",
                   BlockHeading::Labelled, BlockPresence::Always, page);
    WriteLineBlock(report, "Nadzor", Ansi<"Nadzór pedagogiczny, uwagi i wnioski:">,
                   BlockHeading::Labelled, BlockPresence::Optional, page);
    CloseParagraph(page);
}

void RenderOtherInformation(bool AsTitle, HtmlPage& page, ReportFile& report) {
    WriteTitleOrBlank(AsTitle, titles::kOtherInformation, page);
    OpenParagraph(page);
    AddLabelledLine("Dotyczy: ", report.Value("Dotyczy"), page);
    AddLabelledLine(kTeacher, report.Value("Belfer"), page);
    WriteLineBlock(report, "Info", kInformation, BlockHeading::Labelled, BlockPresence::Always, page);
    CloseParagraph(page);
}

void RenderCardHours(bool AsTitle, HtmlPage& page, ReportFile& report) {
    WriteTitleOrBlank(AsTitle, titles::kCardHours, page);
    OpenParagraph(page);
    AddLabelledLine(kTeacher, report.Value("Belfer"), page);
    WriteLineBlock(report, "Info", kInformation, BlockHeading::Labelled, BlockPresence::Always, page);
    CloseParagraph(page);
}
