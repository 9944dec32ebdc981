#pragma once
// What the school's pages of a folder add around the reports' own lines. Unlike the renderers'
// lines, these pages are ours: every value in them is escaped.
#include <string>
#include <string_view>
#include <vector>

#include "file_verdict.h"
#include "html_page.h"
#include "locale_services.h"

// Windows-1250 text with & < > " ' written as references.
std::string HtmlEscaped(std::string_view text);

// A section's heading in bold, escaped.
void AddSectionHeading(std::string_view text, HtmlPage& page);

// The files left out of the page, by name, when there are any.
void AddLeftOutFiles(const std::vector<LeftOutFile>& files, HtmlPage& page);

// When the page was made, as the list of received reports says it.
void AddStateStamp(LocaleServices& locale, HtmlPage& page);
