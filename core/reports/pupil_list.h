#pragma once
// The class reports' lists of pupils: a section holding `IleOsob` and the pupils `Uczen1` ..
// `Uczen`N. Without pupils the list is one labelled line saying there are none; otherwise a
// labelled line, then one list item per pupil.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ansi_literal.h"
#include "html_page.h"
#include "report_file.h"

inline constexpr std::string_view kNoSuchPupils = Ansi<"brak takich uczniów.">;

struct PupilListLabels {
    std::string_view none;  // the label when the count is 0
    std::string_view list;  // the label above the list
};

// The text of the pupil numbered from 1.
using PupilItem = std::function<std::string(int32_t number)>;

// Items default to the text of `section`/`Uczen`number. `itemWeight`: what an item costs of
// the report's count budget (ReportFile::Count).
void WritePupilList(ReportFile& report, std::string_view section, const PupilListLabels& labels,
                    HtmlPage& page, const PupilItem& item = nullptr,
                    int32_t itemWeight = ReportFile::kShortLineWeight);
