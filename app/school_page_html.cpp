#include "school_page_html.h"

#include "messages.h"

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

void AddSectionHeading(std::string_view text, HtmlPage& page) {
    AddBlankParagraph(page);
    AddBoldLine(HtmlEscaped(text), page);
}

void AddLeftOutFiles(const std::vector<LeftOutFile>& files, HtmlPage& page) {
    if (files.empty()) return;
    AddSectionHeading(messages::kLeftOutFiles, page);
    OpenList(page);
    for (const LeftOutFile& file : files)
        AddListItem(HtmlEscaped(messages::ShownFileName(file.file) + ": " + file.verdict.Said()), page);
    CloseList(page);
}

void AddStateStamp(LocaleServices& locale, HtmlPage& page) {
    AddBlankParagraph(page);
    const std::string date = locale.CurrentDateText();
    const std::string time = locale.CurrentTimeText();
    AddTextLine("  Stan na: " + date + " g. " + time, page);
}
