#include "pupil_list.h"

void WritePupilList(ReportFile& report, std::string_view section, const PupilListLabels& labels,
                    HtmlPage& page, const PupilItem& item, int32_t itemWeight) {
    const int32_t count = report.Count(report.Value(section, "IleOsob"), itemWeight);
    if (count == 0) {
        AddLabelledLine(labels.none, kNoSuchPupils, page);
        return;
    }
    AddLabelledLine(labels.list, "", page);
    OpenList(page);
    if (count > 0) ReserveLines(page, static_cast<size_t>(count));
    for (int32_t i = 1; i <= count; ++i)
        AddListItem(item ? item(i) : report.Value(section, Numbered("Uczen", i)), page);
    CloseList(page);
}
