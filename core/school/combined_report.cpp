#include "combined_report.h"

#include <algorithm>

#include "ansi_literal.h"
#include "count_conversion.h"
#include "file_access.h"

namespace {

// Chromium starts a new printed page before a block that asks for it; the first part needs none.
constexpr std::string_view kPartOnNewPage = "<div style=\"break-before:page\">";
constexpr std::string_view kPartEnd = "</div>";

// True when the renderer took the report; a refused one leaves the page as it was.
std::size_t BytesOf(const HtmlPage& lines) {
    std::size_t bytes = 0;
    for (const std::string& line : lines) bytes += line.size() + 2;
    return bytes;
}

// The verdict of the report as it reads now; a report that is not sound, or would take the page
// past its bound, leaves the page as it was.
FileVerdict AppendReport(FolderReport& entry, const RenderOptions& options, HtmlPage& page, std::size_t& bytes,
                         std::size_t maxBytes) {
    JudgedFile again = ReadAgain(entry);
    if (!again.verdict.Sound()) return again.verdict;
    HtmlPage lines;
    try {
        entry.type->render(false, lines, *again.report, options);
    } catch (const ConversionError&) {
        return {Verdict::CountNotNumber, {}};
    } catch (const DamagedReport&) {
        return {Verdict::CountBeyondRecords, {}};
    }
    const std::size_t more = BytesOf(lines);
    if (bytes + more > maxBytes)
        return {Verdict::TooLargeForPage, AnsiText::Number((long long)((more + (1 << 20) - 1) >> 20)) + Ansi<" MB">};
    bytes += more;
    page.insert(page.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    return {};
}

// Blank paragraphs that end a part would only spill over a full printed page onto one of their
// own, before the next part's page: a blank sheet in the printout.
// Closing tags between them and the part's end are kept.
void DropTrailingBlanks(HtmlPage& part) {
    HtmlPage blank;
    AddBlankParagraph(blank);
    const auto closing = [](std::string_view line) {
        while (line.starts_with(' ')) line.remove_prefix(1);
        return line.starts_with("</");
    };
    for (std::size_t i = part.size(); i-- > 0;) {
        if (part[i] == blank.front() || part[i] == "<br>" || part[i].empty())
            part.erase(part.begin() + static_cast<std::ptrdiff_t>(i));
        else if (!closing(part[i]))
            break;
    }
}

std::vector<FolderReport*> OfType(FolderReports& reports, const DocumentType& type) {
    std::vector<FolderReport*> of;
    for (FolderReport& entry : reports.reports)
        if (entry.type == &type) of.push_back(&entry);
    std::stable_sort(of.begin(), of.end(), [](const FolderReport* a, const FolderReport* b) { return InSchoolOrder(*a, *b); });
    return of;
}

}  // namespace

void WriteCombinedReport(FolderReports& reports, const RenderOptions& options, HtmlPage& page,
                         std::vector<LeftOutFile>& leftOut, std::size_t maxBytes) {
    bool first = true;
    std::size_t bytes = 0;
    for (int place = 0; place < kDocumentTypeCount; ++place) {
        const DocumentType& type = TypeInCombinedPlace(place);
        const std::vector<FolderReport*> of = OfType(reports, type);
        HtmlPage part;
        for (FolderReport* entry : of)
            if (FileVerdict verdict = AppendReport(*entry, options, part, bytes, maxBytes);
                !verdict.Sound())
                leftOut.push_back({entry->file, std::move(verdict)});
        if (part.empty()) continue;  // every report of the type refused: no title over nothing
        DropTrailingBlanks(part);
        page.emplace_back(first ? "<div>" : kPartOnNewPage);
        first = false;
        if (!type.combinedTitle.empty()) AddTitle(type.combinedTitle, page);
        page.insert(page.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
        page.emplace_back(kPartEnd);
    }
}
