#include "report_heading.h"

#include "ansi_literal.h"

#include <string>

void WriteTitleOrBlank(bool AsTitle, std::string_view title, HtmlPage& page) {
    if (AsTitle)
        AddTitle(title, page);
    else
        AddBlankParagraph(page);
}

void WriteClassReportHead(bool AsTitle, std::string_view title, ReportFile& report, HtmlPage& page) {
    const std::string className = AsciiUpper(report.Value("Klasa"));
    if (AsTitle) {
        AddTitle(std::string(title) + " - " + className, page);
    } else {
        AddBlankParagraph(page);
        AddBoldLine(className, page);
    }
    OpenParagraph(page);
    AddLabelledLine("Wychowawca klasy: ", report.Value("Belfer"), page);
    AddLabelledLine(Ansi<"Klasyfikowanych ogółem: ">, report.Value("Klasyfikowanych"), page);
}
