#pragma once
// The school's combined report: every report of a folder under its type, the types in their
// fixed places, each type's part from a new printed page headed by the type's title once, and
// its reports one after another in the renderers' own lines, each headed by its class.
#include <string>
#include <vector>

#include "folder_reports.h"
#include "html_page.h"
#include "report_file.h"

// Appends the parts to the page. A report its renderer refuses is left out, its file added to
// `leftOut`; nothing of it reaches the page.
void WriteCombinedReport(FolderReports& reports, const RenderOptions& options, HtmlPage& page,
                         std::vector<LeftOutFile>& leftOut);
