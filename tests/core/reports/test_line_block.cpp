// Free-text blocks: how many lines a count asks for, which heading stands over them, and
// where a bad count stops the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "count_conversion.h"
#include "line_block.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

class LineBlock : public ::testing::Test {
protected:
    // Writes a report whose `Szkola` holds `body` (UTF-8 source text), then the block `Info`.
    std::vector<std::string> Write(const std::string& body, BlockHeading style, BlockPresence presence) {
        const std::string path =
            dir_.Write("report.xml", Cp1250("<?xml version=\"1.0\"?>\r\n<Szkola>" + body + "</Szkola>"));
        WriteLineBlock(*ReadReportFile(path), "Info", "Informacja:", style, presence, page_);
        return Lines();
    }
    std::vector<std::string> Labelled(const std::string& body) {
        return Write(body, BlockHeading::Labelled, BlockPresence::Always);
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const auto& line : page_) lines.push_back(Utf8(line));
        return lines;
    }

    TempDir dir_;
    HtmlPage page_;
};

const std::string kLabelledHeading = R"(   <p class="N"><b>Informacja:</b> </p>)";
const std::string kBoldHeading = R"(   <p class="N"><b>Informacja:</b></p>)";

TEST_F(LineBlock, WritesTheHeadingThenEveryLineInOrder) {
    EXPECT_EQ(Labelled("<Info><IloscWierszy>2</IloscWierszy><w0>pierwsza</w0><w1>druga ąść</w1></Info>"),
              (std::vector<std::string>{kLabelledHeading, "   pierwsza<br>", "   druga ąść<br>"}));
}

TEST_F(LineBlock, BoldHeadingLacksTheBlankOfTheLabelledOne) {
    EXPECT_EQ(Write("<Info><IloscWierszy>1</IloscWierszy><w0>x</w0></Info>", BlockHeading::Bold,
                    BlockPresence::Always),
              (std::vector<std::string>{kBoldHeading, "   x<br>"}));
}

TEST_F(LineBlock, AlwaysPresentBlockKeepsItsHeadingOverNoLines) {
    EXPECT_EQ(Labelled("<Info><IloscWierszy>0</IloscWierszy><w0>ukryta</w0></Info>"),
              std::vector<std::string>{kLabelledHeading});
    page_.clear();
    EXPECT_EQ(Labelled("<Info><IloscWierszy>-3</IloscWierszy></Info>"),
              std::vector<std::string>{kLabelledHeading});
}

TEST_F(LineBlock, OptionalBlockWithoutLinesWritesNothing) {
    const std::string zero = "<Info><IloscWierszy>0</IloscWierszy><w0>ukryta</w0></Info>";
    EXPECT_TRUE(Write(zero, BlockHeading::Labelled, BlockPresence::Optional).empty());
    const std::string negative = "<Info><IloscWierszy>-1</IloscWierszy></Info>";
    EXPECT_TRUE(Write(negative, BlockHeading::Bold, BlockPresence::Optional).empty());
}

TEST_F(LineBlock, TheCountDecidesWhichLinesAreRead) {
    // A line the count covers but the file lacks is an empty line; lines beyond it are ignored.
    EXPECT_EQ(Labelled("<Info><IloscWierszy>3</IloscWierszy><w0>a</w0><w2>c</w2></Info>"),
              (std::vector<std::string>{kLabelledHeading, "   a<br>", "   <br>", "   c<br>"}));
    page_.clear();
    EXPECT_EQ(Labelled("<Info><IloscWierszy>1</IloscWierszy><w0>a</w0><w1>b</w1></Info>"),
              (std::vector<std::string>{kLabelledHeading, "   a<br>"}));
}

TEST_F(LineBlock, LinesAreNumberedInDecimalWithoutLeadingZeros) {
    std::string body = "<Info><IloscWierszy>12</IloscWierszy>";
    for (int i = 11; i >= 0; --i) {
        const std::string n = std::to_string(i);
        body += "<w" + n + ">" + n + "</w" + n + ">";
    }
    body += "<w01>zero jeden</w01></Info>";
    std::vector<std::string> expected{kLabelledHeading};
    for (int i = 0; i < 12; ++i) expected.push_back("   " + std::to_string(i) + "<br>");
    EXPECT_EQ(Labelled(body), expected);
}

TEST_F(LineBlock, MarkupInALineReachesThePageUnchanged) {
    EXPECT_EQ(Labelled("<Info><IloscWierszy>1</IloscWierszy><w0>&lt;b&gt;tłusto&lt;/b&gt; &amp; co</w0></Info>"),
              (std::vector<std::string>{kLabelledHeading, "   <b>tłusto</b> & co<br>"}));
}

TEST_F(LineBlock, ABadCountStopsBeforeTheHeading) {
    EXPECT_THROW(Labelled("<Info><IloscWierszy>dwa</IloscWierszy><w0>a</w0></Info>"), ConversionError);
    EXPECT_THROW(Labelled("<Info><IloscWierszy></IloscWierszy></Info>"), ConversionError);
    EXPECT_THROW(Labelled("<Inne><IloscWierszy>1</IloscWierszy></Inne>"), ConversionError);
    EXPECT_TRUE(page_.empty());
}

TEST_F(LineBlock, ACountTheFileCannotHoldIsADamagedReport) {
    EXPECT_THROW(Labelled("<Info><IloscWierszy>2147483647</IloscWierszy><w0>a</w0></Info>"), DamagedReport);
    EXPECT_THROW(Write("<Info><IloscWierszy>2147483647</IloscWierszy></Info>", BlockHeading::Bold,
                       BlockPresence::Optional),
                 DamagedReport);
    EXPECT_TRUE(page_.empty());
}

}  // namespace
