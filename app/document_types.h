#pragma once
// The nine report types, each named by the exact text of `Szkola`/`Doc`.
#include <string_view>

#include "html_page.h"
#include "report_file.h"

using ReportRenderer = void (*)(bool AsTitle, HtmlPage& page, const std::string& path,
                                const RenderOptions& options);

// The renderer for a type text compared byte for byte, case and blanks included; null for
// any other text.
ReportRenderer FindRenderer(std::string_view documentType);
