#pragma once
// Every page the program shows is built line by line as Windows-1250 text. Nothing put into
// a page is escaped: values from report files may carry markup, and the view keeps them safe.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using HtmlPage = std::vector<std::string>;

// Empties the page, then writes the head, the style block and the opening of the body.
void BeginPage(HtmlPage& page);
void EndPage(HtmlPage& page);

void AddLabelledLine(std::string_view label, std::string_view value, HtmlPage& page);
void AddBoldLine(std::string_view text, HtmlPage& page);
void AddTextLine(std::string_view text, HtmlPage& page);
void AddTitle(std::string_view text, HtmlPage& page);
void AddBlankParagraph(HtmlPage& page);
void OpenParagraph(HtmlPage& page);
void CloseParagraph(HtmlPage& page);
void OpenList(HtmlPage& page);
void AddListItem(std::string_view text, HtmlPage& page);
void CloseList(HtmlPage& page);

// Makes room for `more` lines at once, growing at least twofold: a block of millions of lines
// then costs one allocation, not a series of ever larger copies.
void ReserveLines(HtmlPage& page, std::size_t more);

// The bytes of the page file: every line followed by CR LF, no byte-order mark.
std::string PageBytes(const HtmlPage& page);
