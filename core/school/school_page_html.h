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

// UTF-8 text as the page carries it: Windows-1250 with & < > " ' written as references, and every
// character the code page lacks as a character reference, so that nothing turns into "?".
std::string HtmlText(std::string_view utf8);

// The line under a school page's title that names the folder it was made of.
void AddFolderLine(const std::string& folder, HtmlPage& page);

// The school pages' own rules for print and copy: a heading never ends a printed page, a table's
// header row is repeated on every page it runs over, a row is never split, and the figures read
// out of a chart are kept for copying and screen readers but neither shown nor printed.
void AddSchoolPageStyle(HtmlPage& page);

// A section's heading in bold, escaped (Windows-1250 text), kept with what follows when printed.
void AddSectionHeading(std::string_view text, HtmlPage& page);

// A table of the school pages: its header row (escaped Windows-1250 texts) repeated on each
// printed page; rows are added as lines of cells, then the table is closed.
void OpenTable(const std::vector<std::string_view>& header, HtmlPage& page);
void CloseTable(HtmlPage& page);
// A row of cells already escaped.
std::string TableRow(const std::vector<std::string>& cells, std::string_view tag = "td");
// The class of content kept for copying but neither shown nor printed.
inline constexpr std::string_view kCopiedOnly = "S-c";

// The files left out of the page, by name, when there are any.
void AddLeftOutFiles(const std::vector<LeftOutFile>& files, HtmlPage& page);

// When the page was made, as the list of received reports says it.
void AddStateStamp(LocaleServices& locale, HtmlPage& page);
