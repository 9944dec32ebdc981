#include "html_page.h"

#include "ansi_literal.h"

#include <algorithm>

namespace {

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string line;
    size_t size = 0;
    for (auto p : parts) size += p.size();
    line.reserve(size);
    for (auto p : parts) line += p;
    return line;
}

}  // namespace

void BeginPage(HtmlPage& page) {
    page.clear();
    page.insert(page.end(), {
        "<html><head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">",
        std::string(Ansi<"<title>Podgląd zawartości</title>">),
        "</head>",
        "<STYLE TYPE=\"text/css\">",
        "<!--",
        "BODY { ",
        "scrollbar-face-color: #4C3E35;",
        "scrollbar-highlight-color: #FFFFFF;",
        "scrollbar-3dlight-color: #4C3E35;",
        "scrollbar-darkshadow-color: #4C3E35;",
        "scrollbar-shadow-color: #FFFFFF;",
        "scrollbar-arrow-color: #FFFFFF;",
        "scrollbar-track-color: #FFFFFF; }  ",
        ".N {font-family: tahoma,verdana,arial;  font-size: 10pt; font-weight: normal; "
        "text-decoration: none;color: #000000; MARGIN-BOTTOM: 0pt; MARGIN-TOP: 0pt}",
        ".M {font-family: verdana, tahoma, arial;  font-size: 8pt; font-weight: normal; "
        "text-decoration: none;color: #000000; }",
        ".U {font-family: verdana, tahoma, arial;  font-size: 10pt; font-weight: normal; "
        "text-decoration: underline; color: #000000; }",
        "div.w p, p.w {MARGIN-BOTTOM: 0pt; MARGIN-TOP: 0pt}",
        "-->",
        "</STYLE>",
        "<body bgcolor=\"#FFFFFF\" topmargin=\"0\" leftmargin=\"20\" rightmargin=\"20\">",
        "<div class=\"N\">",
    });
}

void EndPage(HtmlPage& page) { page.insert(page.end(), {"</div>", "</body>", "</html>"}); }

void AddLabelledLine(std::string_view label, std::string_view value, HtmlPage& page) {
    page.push_back(Join({"   <p class=\"N\"><b>", label, "</b> ", value, "</p>"}));
}

void AddBoldLine(std::string_view text, HtmlPage& page) {
    page.push_back(Join({"   <p class=\"N\"><b>", text, "</b></p>"}));
}

void AddTextLine(std::string_view text, HtmlPage& page) { page.push_back(Join({"   ", text, "<br>"})); }

void AddTitle(std::string_view text, HtmlPage& page) {
    page.push_back(Join({"<p align=\"center\"><br><b>", text, "</b></p>"}));
}

void AddBlankParagraph(HtmlPage& page) { page.emplace_back("<p align=\"left\">&nbsp;</p>"); }
void OpenParagraph(HtmlPage& page) { page.emplace_back("<p align=\"left\">"); }
void CloseParagraph(HtmlPage& page) { page.emplace_back("</p>"); }
void OpenList(HtmlPage& page) { page.emplace_back("   <ul>"); }
void AddListItem(std::string_view text, HtmlPage& page) { page.push_back(Join({"     <li>", text, "</li>"})); }
void CloseList(HtmlPage& page) { page.emplace_back("   </ul>"); }

void ReserveLines(HtmlPage& page, std::size_t more) {
    if (page.capacity() - page.size() >= more) return;
    constexpr std::size_t kSlack = 64;  // for the lines that close the page after the block
    page.reserve(std::max(page.size() + more + kSlack, 2 * page.capacity()));
}

std::string PageBytes(const HtmlPage& page) {
    size_t size = 0;
    for (const auto& line : page) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : page) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}
