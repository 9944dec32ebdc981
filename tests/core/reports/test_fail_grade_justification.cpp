#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "count_conversion.h"
#include "renderers.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

HtmlPage Lines(std::initializer_list<std::string_view> utf8) {
    HtmlPage lines;
    for (auto line : utf8) lines.push_back(Cp1250(line));
    return lines;
}

constexpr std::string_view kHeader =
    "<Doc>Uzasadnienie oceny niedostatecznej</Doc><Klasa>2b</Klasa><Przedmiot>matematyka</Przedmiot>"
    "<Belfer>Jan Kowalski</Belfer>";

std::string Justifications(std::string_view count, std::string_view items = "") {
    return "<Uzasadnienia><Ilosc>" + std::string(count) + "</Ilosc>" + std::string(items) + "</Uzasadnienia>";
}

std::string Justification(int number, std::string_view persons, std::string_view lineCount,
                          std::string_view lines = "") {
    const std::string name = "Uzasadnienie" + std::to_string(number);
    return "<" + name + "><Osoba>" + std::string(persons) + "</Osoba><IloscWierszy>" + std::string(lineCount) +
           "</IloscWierszy>" + std::string(lines) + "</" + name + ">";
}

class FailGradeJustificationReport : public ::testing::Test {
protected:
    std::string WriteReport(std::string_view utf8Body) {
        const std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola>" +
                                std::string(utf8Body) + "</Szkola>\r\n";
        return dir_.Write("uzasadnienie.xml", Cp1250(xml));
    }

    HtmlPage Render(std::string_view utf8Body, bool asTitle = true) {
        HtmlPage page;
        RenderFailGradeJustification(asTitle, page, *ReadReportFile(WriteReport(utf8Body)));
        return page;
    }

    TempDir dir_;
};

TEST_F(FailGradeJustificationReport, RendersEachJustificationUnderItsPupils) {
    const HtmlPage page = Render(
        std::string(kHeader) +
        Justifications("2", Justification(1, "Adam Bąk, Ewa Żak", "2",
                                          "<Wiersz0>Brak prac domowych.</Wiersz0><Wiersz1>Nieobecni na sprawdzianach.</Wiersz1>") +
                                Justification(2, "Piotr Sęk", "1", "<Wiersz0>Nie opanował ułamków.</Wiersz0>")));

    EXPECT_EQ(page, Lines({
                        "<p align=\"center\"><br><b>UZASADNIENIE OCENY NIEDOSTATECZNEJ - 2B</b></p>",
                        "<p align=\"left\">",
                        "   <p class=\"N\"><b>Przedmiot: </b> matematyka</p>",
                        "   <p class=\"N\"><b>Uczący: </b> Jan Kowalski</p>",
                        "   <p class=\"N\"><b>Uczniowie:</b> Adam Bąk, Ewa Żak</p>",
                        "   Brak prac domowych.<br>",
                        "   Nieobecni na sprawdzianach.<br>",
                        "   <p class=\"N\"><b>Uczeń:</b> Piotr Sęk</p>",
                        "   Nie opanował ułamków.<br>",
                        "</p>",
                    }));
}

TEST_F(FailGradeJustificationReport, NoJustificationsLeaveOnlyTheHeader) {
    const HtmlPage expected = Lines({
        "<p align=\"center\"><br><b>UZASADNIENIE OCENY NIEDOSTATECZNEJ - 2B</b></p>",
        "<p align=\"left\">",
        "   <p class=\"N\"><b>Przedmiot: </b> matematyka</p>",
        "   <p class=\"N\"><b>Uczący: </b> Jan Kowalski</p>",
        "</p>",
    });
    EXPECT_EQ(Render(std::string(kHeader) + Justifications("0")), expected);
    EXPECT_EQ(Render(std::string(kHeader) + Justifications("-4")), expected);
}

TEST_F(FailGradeJustificationReport, WithoutTitleOpensWithABlankParagraph) {
    const HtmlPage page = Render(std::string(kHeader) + Justifications("0"), false);

    EXPECT_EQ(page, Lines({
                        "<p align=\"left\">&nbsp;</p>",
                        "<p align=\"left\">",
                        "   <p class=\"N\"><b>Przedmiot: </b> matematyka</p>",
                        "   <p class=\"N\"><b>Uczący: </b> Jan Kowalski</p>",
                        "</p>",
                    }));
}

TEST_F(FailGradeJustificationReport, UpperCasesOnlyAsciiLettersOfTheClass) {
    const HtmlPage page = Render("<Klasa>1śa</Klasa>" + Justifications("0"));

    EXPECT_EQ(Utf8(page.front()), "<p align=\"center\"><br><b>UZASADNIENIE OCENY NIEDOSTATECZNEJ - 1śA</b></p>");
}

TEST_F(FailGradeJustificationReport, ATrailingCommaStillNamesOnePupil) {
    const HtmlPage page = Render(std::string(kHeader) +
                                 Justifications("3", Justification(1, "Adam Bąk,", "0") + Justification(2, ",", "0") +
                                                         Justification(3, "", "0")));

    EXPECT_EQ(HtmlPage(page.begin() + 4, page.end()), Lines({
                                                          "   <p class=\"N\"><b>Uczeń:</b> Adam Bąk,</p>",
                                                          "   <p class=\"N\"><b>Uczeń:</b> ,</p>",
                                                          "   <p class=\"N\"><b>Uczeń:</b> </p>",
                                                          "</p>",
                                                      }));
}

TEST_F(FailGradeJustificationReport, MissingLinesReadAsEmpty) {
    const HtmlPage page =
        Render(std::string(kHeader) + Justifications("1", Justification(1, "Adam", "2", "<Wiersz0>jedna</Wiersz0>")));

    EXPECT_EQ(HtmlPage(page.end() - 3, page.end()), Lines({"   jedna<br>", "   <br>", "</p>"}));
}

TEST_F(FailGradeJustificationReport, NumbersJustificationsFromOneAndLinesFromZero) {
    const HtmlPage page = Render(
        std::string(kHeader) +
        Justifications("1", "<Uzasadnienie0><Osoba>nigdy</Osoba></Uzasadnienie0>" +
                                Justification(1, "Adam", "10",
                                              "<Wiersz0>w0</Wiersz0><Wiersz9>w9</Wiersz9><Wiersz10>nigdy</Wiersz10>")));

    ASSERT_EQ(page.size(), 4u + 1 + 10 + 1);
    EXPECT_EQ(page[4], "   <p class=\"N\"><b>Ucze\xF1:</b> Adam</p>");
    EXPECT_EQ(page[5], "   w0<br>");
    EXPECT_EQ(page[14], "   w9<br>");
}

TEST_F(FailGradeJustificationReport, JustificationsNumberedFromZeroFailAtTheMissingLast) {
    HtmlPage page;
    const std::string path = WriteReport(
        std::string(kHeader) + Justifications("2", "<Uzasadnienie0><Osoba>Adam</Osoba><IloscWierszy>0</IloscWierszy>"
                                                   "</Uzasadnienie0>" +
                                                       Justification(1, "Ewa", "0")));

    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(path)), ConversionError);
    EXPECT_EQ(HtmlPage(page.end() - 2, page.end()), Lines({
                                                        "   <p class=\"N\"><b>Uczeń:</b> Ewa</p>",
                                                        "   <p class=\"N\"><b>Uczeń:</b> </p>",
                                                    }));
}

TEST_F(FailGradeJustificationReport, ALineCountThatIsNotANumberFailsAfterThePersonLine) {
    HtmlPage page;
    const std::string path =
        WriteReport(std::string(kHeader) + Justifications("1", Justification(1, "Adam", "dwa")));

    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(path)), ConversionError);
    EXPECT_EQ(page.back(), "   <p class=\"N\"><b>Ucze\xF1:</b> Adam</p>");
}

TEST_F(FailGradeJustificationReport, AnEmptyFileWritesTheHeaderEmptyThenFails) {
    HtmlPage page;
    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(dir_.Write("empty.xml", ""))), ConversionError);
    EXPECT_EQ(page, Lines({
                        "<p align=\"center\"><br><b>UZASADNIENIE OCENY NIEDOSTATECZNEJ - </b></p>",
                        "<p align=\"left\">",
                        "   <p class=\"N\"><b>Przedmiot: </b> </p>",
                        "   <p class=\"N\"><b>Uczący: </b> </p>",
                    }));

    page.clear();
    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(dir_.PathOf("gone.xml"))), ConversionError);
    EXPECT_EQ(page.size(), 4u);
}

TEST_F(FailGradeJustificationReport, ACountBeyondTheFileSizeIsADamagedReport) {
    HtmlPage page;
    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(WriteReport(std::string(kHeader) + Justifications("2147483647")))),
                 DamagedReport);
    EXPECT_EQ(page.size(), 4u);

    page.clear();
    const std::string lines = WriteReport(std::string(kHeader) + Justifications("1", Justification(1, "Adam", "2147483647")));
    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(lines)), DamagedReport);
    EXPECT_EQ(page.back(), "   <p class=\"N\"><b>Ucze\xF1:</b> Adam</p>");
}

// Every justification may stay within the file's size while all of them together ask for more
// lines than the file has bytes; that is refused before the lines of the one that tips it over.
TEST_F(FailGradeJustificationReport, JustificationsTogetherAskingForMoreLinesThanBytesAreADamagedReport) {
    std::string body = std::string(kHeader) + Justifications("2", Justification(1, "Adam", "600") + Justification(2, "Ewa", "600"));
    const auto bare = std::filesystem::file_size(WriteReport(body));
    body += "<Pad>" + std::string(1000 - bare - 11, 'x') + "</Pad>";
    const std::string path = WriteReport(body);
    ASSERT_EQ(std::filesystem::file_size(path), 1000u);

    HtmlPage page;
    EXPECT_THROW(RenderFailGradeJustification(true, page, *ReadReportFile(path)), DamagedReport);
    EXPECT_EQ(page.size(), 4u + 1 + 600 + 1);
    EXPECT_EQ(page.back(), "   <p class=\"N\"><b>Ucze\xF1:</b> Ewa</p>");
}

}  // namespace
