#include "line_block.h"

void WriteLineBlock(ReportFile& report, std::string_view section, std::string_view heading,
                    BlockHeading style, BlockPresence presence, HtmlPage& page) {
    const int32_t count = report.Count(report.Value(section, "IloscWierszy"));
    if (presence == BlockPresence::Optional && count <= 0) return;
    if (style == BlockHeading::Labelled)
        AddLabelledLine(heading, "", page);
    else
        AddBoldLine(heading, page);
    if (count > 0) ReserveLines(page, static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) AddTextLine(report.Value(section, Numbered("w", i)), page);
}
