#pragma once
// Renders a report written as UTF-8 source text and gives its page back as UTF-8 lines, for the
// reports made of a short header and blocks of free text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "renderers.h"
#include "temp_dir.h"
#include "test_text.h"

using Lines = std::vector<std::string>;
using Renderer = void (*)(bool, HtmlPage&, ReportFile&);

// A line block: its count and the lines `w0` .. in order.
inline std::string Block(const std::string& section, const std::string& count, const Lines& lines = {}) {
    std::string xml = "<" + section + "><IloscWierszy>" + count + "</IloscWierszy>";
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string name = "w" + std::to_string(i);
        xml.append("<").append(name).append(">").append(lines[i]).append("</").append(name).append(">");
    }
    return xml + "</" + section + ">";
}

class FreeTextReportTest : public ::testing::Test {
protected:
    // `body` is UTF-8 source text; the file holds it as Windows-1250 below `Szkola`.
    Lines Render(Renderer render, const std::string& body, bool asTitle = true) {
        const std::string xml = "<?xml version=\"1.0\"?>\r\n<Szkola><Doc>x</Doc>" + body + "</Szkola>";
        render(asTitle, page_, *ReadReportFile(dir_.Write("report.xml", Cp1250(xml))));
        return Rendered();
    }
    Lines Rendered() const {
        Lines lines;
        for (const auto& line : page_) lines.push_back(Utf8(line));
        return lines;
    }

    TempDir dir_;
    HtmlPage page_;
};

inline const std::string kOpen = R"(<p align="left">)";
inline const std::string kClose = "</p>";
inline const std::string kBlank = R"(<p align="left">&nbsp;</p>)";
