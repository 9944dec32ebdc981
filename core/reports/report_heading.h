#pragma once
// How reports begin. Shown on its own a report opens with its centred title; a report that is
// not the page's title starts with a blank paragraph instead.
#include <string_view>

#include "html_page.h"
#include "report_file.h"

void WriteTitleOrBlank(bool AsTitle, std::string_view title, HtmlPage& page);

// The class reports' head: the title, " - " and the upper-cased class (or a blank paragraph and the
// class alone in bold), the paragraph opening, the tutor and the number classified.
void WriteClassReportHead(bool AsTitle, std::string_view title, ReportFile& report, HtmlPage& page);
