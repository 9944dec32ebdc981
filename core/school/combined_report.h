#pragma once
// The school's combined report: every report of a folder under its type, the types in their
// fixed places, each type's part from a new printed page headed by the type's title once, and
// its reports one after another in the renderers' own lines, each headed by its class.
#include <cstddef>
#include <string>
#include <vector>

#include "folder_reports.h"
#include "html_page.h"
#include "report_file.h"

// What the reports of one page may come to. Far beyond any school's reports (a report is some
// kilobytes), it keeps a folder of huge files from exhausting memory, in the viewer and in a
// browser alike; a report that would pass it is left out as too large for the page.
inline constexpr std::size_t kMaxSchoolPageBytes = 64u << 20;

// Appends the parts to the page. A report its renderer refuses is left out, its file added to
// `leftOut`; nothing of it reaches the page.
void WriteCombinedReport(FolderReports& reports, const RenderOptions& options, HtmlPage& page,
                         std::vector<LeftOutFile>& leftOut, std::size_t maxBytes = kMaxSchoolPageBytes);
