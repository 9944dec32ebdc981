#include <gtest/gtest.h>

#include "html_page.h"
#include "test_text.h"

TEST(PageFrame, BeginPageEmptiesThePageAndWritesTheHead) {
    HtmlPage page{"left over", "from before"};
    BeginPage(page);
    ASSERT_EQ(page.size(), 22u);
    EXPECT_EQ(page[0], "<html><head>");
    EXPECT_EQ(page[1], "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">");
    EXPECT_EQ(page[2], Cp1250("<title>Podgląd zawartości</title>"));
    EXPECT_EQ(page[6], "BODY { ");
    EXPECT_EQ(page[13], "scrollbar-track-color: #FFFFFF; }  ");
    EXPECT_EQ(page[14], ".N {font-family: tahoma,verdana,arial;  font-size: 10pt; font-weight: normal; "
                        "text-decoration: none;color: #000000; MARGIN-BOTTOM: 0pt; MARGIN-TOP: 0pt}");
    EXPECT_EQ(page[15], ".M {font-family: verdana, tahoma, arial;  font-size: 8pt; font-weight: normal; "
                        "text-decoration: none;color: #000000; }");
    EXPECT_EQ(page[16], ".U {font-family: verdana, tahoma, arial;  font-size: 10pt; font-weight: normal; "
                        "text-decoration: underline; color: #000000; }");
    EXPECT_EQ(page[20], "<body bgcolor=\"#FFFFFF\" topmargin=\"0\" leftmargin=\"20\" rightmargin=\"20\">");
    EXPECT_EQ(page[21], "<div class=\"N\">");
}

TEST(PageFrame, AnEmptyPageIsTwentyFiveLines) {
    HtmlPage page;
    BeginPage(page);
    EndPage(page);
    ASSERT_EQ(page.size(), 25u);
    EXPECT_EQ(HtmlPage(page.end() - 3, page.end()), (HtmlPage{"</div>", "</body>", "</html>"}));
}

TEST(PageFrame, FileBytesEndEveryLineWithCrLfAndHaveNoMark) {
    EXPECT_EQ(PageBytes({"<p>", "\xB9"}), "<p>\r\n\xB9\r\n");
    EXPECT_EQ(PageBytes({}), "");
}

TEST(LineEmitters, EachAppendsItsOneLine) {
    HtmlPage page;
    AddLabelledLine("Klasa:", "3a", page);
    AddBoldLine("Wnioski:", page);
    AddTextLine("tekst", page);
    AddTitle("TYTUŁ", page);
    AddBlankParagraph(page);
    OpenParagraph(page);
    CloseParagraph(page);
    OpenList(page);
    AddListItem("Jan", page);
    CloseList(page);
    EXPECT_EQ(page, (HtmlPage{
                        "   <p class=\"N\"><b>Klasa:</b> 3a</p>",
                        "   <p class=\"N\"><b>Wnioski:</b></p>",
                        "   tekst<br>",
                        "<p align=\"center\"><br><b>TYTUŁ</b></p>",
                        "<p align=\"left\">&nbsp;</p>",
                        "<p align=\"left\">",
                        "</p>",
                        "   <ul>",
                        "     <li>Jan</li>",
                        "   </ul>",
                    }));
}

TEST(LineEmitters, EmptyTextLeavesTheFixedParts) {
    HtmlPage page;
    AddLabelledLine("Etykieta ", "", page);
    AddBoldLine("", page);
    AddTextLine("", page);
    AddTitle("", page);
    AddListItem("", page);
    EXPECT_EQ(page, (HtmlPage{
                        "   <p class=\"N\"><b>Etykieta </b> </p>",
                        "   <p class=\"N\"><b></b></p>",
                        "   <br>",
                        "<p align=\"center\"><br><b></b></p>",
                        "     <li></li>",
                    }));
}

TEST(LineEmitters, MarkupInValuesIsNotEscaped) {
    HtmlPage page;
    AddTextLine("<b>gruby</b> &amp; \"cytat\"", page);
    EXPECT_EQ(page.back(), "   <b>gruby</b> &amp; \"cytat\"<br>");
}
