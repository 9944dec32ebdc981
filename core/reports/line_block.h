#pragma once
// Free text is stored as a line block: a section holding `IloscWierszy` (the number of lines N)
// and the lines `w0` .. `w`N-1. The count decides how many lines are read; a line it covers
// that the file lacks reads as empty text.
#include <string_view>

#include "html_page.h"
#include "report_file.h"

enum class BlockHeading {
    Labelled,  // AddLabelledLine(heading, "")
    Bold,      // AddBoldLine(heading)
};

enum class BlockPresence {
    Always,    // the heading stands even over no lines
    Optional,  // nothing at all is written for a count of 0 or less
};

// Reads the count first (before the heading), then writes the heading and the lines.
void WriteLineBlock(ReportFile& report, std::string_view section, std::string_view heading,
                    BlockHeading style, BlockPresence presence, HtmlPage& page);
