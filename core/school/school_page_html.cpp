#include "school_page_html.h"

#include "messages.h"

#include <cstdint>

#include "code_page.h"
#include "utf8.h"

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string HtmlText(std::string_view utf8) {
    const WideToAnsiTable& bytes = WideToAnsiBytes();
    std::string text;
    text.reserve(utf8.size());
    const std::u16string wide = Utf8ToWide(utf8);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        if (pair) {
            const char32_t cp = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(wide[++i]) - 0xDC00);
            text += "&#" + std::to_string(static_cast<uint32_t>(cp)) + ";";
        } else if (messages::IsControl(c)) {
            text += messages::WrittenOut(c);
        } else if (c != u'?' && bytes[c] == '?') {
            text += "&#" + std::to_string(static_cast<unsigned>(c)) + ";";
        } else {
            text += HtmlEscaped(std::string(1, static_cast<char>(bytes[c])));
        }
    }
    return text;
}

void AddFolderLine(const std::string& folder, HtmlPage& page) {
    AddTextLine("Folder: " + HtmlEscaped(messages::ShownName(folder).Bytes()), page);
}

void AddSchoolPageStyle(HtmlPage& page) {
    page.emplace_back(
        "<style>p.S-h {break-after:avoid; page-break-after:avoid} thead {display:table-header-group} "
        "tr {break-inside:avoid; page-break-inside:avoid} "
        ".S-c {position:absolute; width:1px; height:1px; overflow:hidden; clip:rect(0 0 0 0); white-space:nowrap} "
        "@media print {.S-c {display:none}}</style>");
}

void AddSectionHeading(std::string_view text, HtmlPage& page) {
    page.emplace_back("<p align=\"left\" class=\"S-h\">&nbsp;</p>");
    page.push_back("   <p class=\"N S-h\"><b>" + HtmlEscaped(text) + "</b></p>");
}

std::string TableRow(const std::vector<std::string>& cells, std::string_view tag) {
    std::string row = "<tr>";
    for (const std::string& cell : cells) row += "<" + std::string(tag) + ">" + cell + "</" + std::string(tag) + ">";
    return row + "</tr>";
}

void OpenTable(const std::vector<std::string_view>& header, HtmlPage& page) {
    // Small print, as the window leaves a table of eight columns little room.
    page.emplace_back(
        "<table class=\"M\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse:collapse\">");
    std::vector<std::string> cells;
    for (std::string_view column : header) cells.push_back(HtmlEscaped(column));
    page.push_back("<thead>" + TableRow(cells, "th") + "</thead><tbody>");
}

void CloseTable(HtmlPage& page) { page.emplace_back("</tbody></table>"); }

void AddLeftOutFiles(const std::vector<LeftOutFile>& files, HtmlPage& page) {
    if (files.empty()) return;
    AddSectionHeading(messages::kLeftOutFiles, page);
    OpenList(page);
    for (const LeftOutFile& file : files)
        AddListItem(HtmlEscaped((messages::ShownFileName(file.file) + Ansi<": "> + file.verdict.Said()).Bytes()), page);
    CloseList(page);
}

void AddStateStamp(LocaleServices& locale, HtmlPage& page) {
    AddBlankParagraph(page);
    const std::string date = locale.CurrentDateText();
    const std::string time = locale.CurrentTimeText();
    AddTextLine("  Stan na: " + date + " g. " + time, page);
}
