#pragma once
// The nine report types, each named by the exact text of `Szkola`/`Doc`: how each is rendered
// and how it is summed up on the list of received reports.
#include <array>
#include <string>
#include <string_view>

#include "html_page.h"
#include "report_file.h"

using ReportRenderer = void (*)(bool AsTitle, HtmlPage& page, ReportFile& report, const RenderOptions& options);

struct DocumentType {
    std::string_view text;  // `Szkola`/`Doc`
    ReportRenderer render;
    // What the folder list calls the type, and the children of `Szkola` that tell what the
    // report concerns (empty names are left out). The list's line follows the teacher with
    // " - " and each of these in turn.
    std::string_view listName;
    std::array<std::string_view, 2> summaryFields;
    // In the school's combined report: where the type's part stands (the head teacher's report
    // first, then the classes' results, then the programmes, free information last) and the
    // title heading it; empty where the renderer writes its title for every report anyway.
    int combinedPlace;
    std::string_view combinedTitle;
};

// The type for a text compared byte for byte, case and blanks included; null for any other.
const DocumentType* FindDocumentType(std::string_view text);

// Its renderer, or null.
ReportRenderer FindRenderer(std::string_view documentType);

// The number of types, and each by its place in the combined report (0 first).
inline constexpr int kDocumentTypeCount = 9;
const DocumentType& TypeInCombinedPlace(int place);
