// The three programme-realisation reports share one layout: a title, a short header, and the
// blocks of general remarks, successes and problems, and conclusions. They differ only in the
// title, the header and how a block heading is written.
#include "line_block.h"
#include "ansi_literal.h"
#include "report_heading.h"
#include "report_titles.h"
#include "renderers.h"

namespace {

// General remarks always show their heading; the other two blocks only when they hold lines.
void WriteProgrammeBlocks(ReportFile& report, BlockHeading style, HtmlPage& page) {
    WriteLineBlock(report, "Ogolne", Ansi<"Ogólne:">, style, BlockPresence::Always, page);
    WriteLineBlock(report, "Sukcesy", "Sukcesy i problemy:", style, BlockPresence::Optional, page);
    WriteLineBlock(report, "Wnioski", "Wnioski:", style, BlockPresence::Optional, page);
}

}  // namespace

void RenderTeachingProgramme(bool AsTitle, HtmlPage& page, ReportFile& report) {
    WriteTitleOrBlank(AsTitle, titles::kTeachingProgramme, page);
    OpenParagraph(page);
    AddLabelledLine("Przedmiot: ", report.Value("Przedmiot"), page);
    AddLabelledLine(Ansi<"Uczący: ">, report.Value("Belfer"), page);
    AddLabelledLine("Klasy: ", report.Value("Klasy"), page);
    WriteProgrammeBlocks(report, BlockHeading::Labelled, page);
    CloseParagraph(page);
}

// The class name stands alone in bold, and so do the block headings.
void RenderUpbringingProgramme(bool AsTitle, HtmlPage& page, ReportFile& report) {
    WriteTitleOrBlank(AsTitle, titles::kUpbringingProgramme, page);
    OpenParagraph(page);
    AddBoldLine(report.Value("Klasa"), page);
    AddLabelledLine("Wychowawca: ", report.Value("Belfer"), page);
    WriteProgrammeBlocks(report, BlockHeading::Bold, page);
    CloseParagraph(page);
}

void RenderAdditionalClasses(bool AsTitle, HtmlPage& page, ReportFile& report) {
    WriteTitleOrBlank(AsTitle, titles::kAdditionalClasses, page);
    OpenParagraph(page);
    AddLabelledLine(Ansi<"Zajęcia: ">, report.Value("Zajecia"), page);
    AddLabelledLine(Ansi<"Uczący: ">, report.Value("Belfer"), page);
    WriteProgrammeBlocks(report, BlockHeading::Labelled, page);
    CloseParagraph(page);
}
