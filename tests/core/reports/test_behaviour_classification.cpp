#include <gtest/gtest.h>

#include <algorithm>
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

HtmlPage Joined(HtmlPage first, const HtmlPage& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

constexpr std::string_view kHeader =
    "<Doc>Klasyfikacja klasy z zachowania</Doc><Klasa>3a</Klasa><Belfer>Anna Nowak</Belfer>"
    "<Klasyfikowanych>25</Klasyfikowanych>";

HtmlPage Head() {
    return Lines({
        "<p align=\"center\"><br><b>ZACHOWANIE - 3A</b></p>",
        "<p align=\"left\">",
        "   <p class=\"N\"><b>Wychowawca klasy: </b> Anna Nowak</p>",
        "   <p class=\"N\"><b>Klasyfikowanych ogółem: </b> 25</p>",
    });
}

std::string Exemplary(std::string_view count, std::string_view pupils = "") {
    return "<Wzorowi><IleOsob>" + std::string(count) + "</IleOsob>" + std::string(pupils) + "</Wzorowi>";
}

std::string Lowered(std::string_view count, std::string_view cases = "") {
    return "<Obnizone><Ilosc>" + std::string(count) + "</Ilosc>" + std::string(cases) + "</Obnizone>";
}

std::string Case(int number, std::string_view persons, std::string_view lineCount,
                 std::string_view lines = "") {
    const std::string name = "Uzasadnienie" + std::to_string(number);
    return "<" + name + "><Osoba>" + std::string(persons) + "</Osoba><Ocena>nieodpowiednie</Ocena>" +
           "<IloscWierszy>" + std::string(lineCount) + "</IloscWierszy>" + std::string(lines) + "</" +
           name + ">";
}

std::string Remarks(std::string_view count, std::string_view lines = "") {
    return "<Uwagi><IloscWierszy>" + std::string(count) + "</IloscWierszy>" + std::string(lines) + "</Uwagi>";
}

class BehaviourClassificationReport : public ::testing::Test {
protected:
    std::string WriteReport(std::string_view utf8Body) {
        const std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola>" +
                                std::string(kHeader) + std::string(utf8Body) + "</Szkola>\r\n";
        return dir_.Write("zachowanie.xml", Cp1250(xml));
    }

    HtmlPage Render(std::string_view utf8Body, bool asTitle = true) {
        HtmlPage page;
        RenderBehaviourClassification(asTitle, page, *ReadReportFile(WriteReport(utf8Body)));
        return page;
    }

    // The person label chosen for one lowered-behaviour case naming `persons`.
    std::string PersonLine(std::string_view persons) {
        const HtmlPage page = Render(Exemplary("0") + Lowered("1", Case(1, persons, "0")) + Remarks("0"));
        return Utf8(page.at(Head().size() + 2));
    }

    TempDir dir_;
};

TEST_F(BehaviourClassificationReport, RendersAFullReport) {
    const HtmlPage page = Render(
        Exemplary("2", "<Uczen1>Adam Bąk</Uczen1><Uczen2>Ewa Żak</Uczen2>") +
        Lowered("2", Case(1, "Jan Kos, Ola Lis", "2", "<Wiersz0>Spóźnienia.</Wiersz0><Wiersz1>Wagary.</Wiersz1>") +
                         Case(2, "Piotr Sęk", "1", "<Wiersz0>Bójka.</Wiersz0>")) +
        Remarks("2", "<w0>Klasa zgrana.</w0><w1>Dużo nieobecności.</w1>"));

    EXPECT_EQ(page, Joined(Head(), Lines({
                                       "   <p class=\"N\"><b>Uczniowie wzorowi, to:</b> </p>",
                                       "   <ul>",
                                       "     <li>Adam Bąk</li>",
                                       "     <li>Ewa Żak</li>",
                                       "   </ul>",
                                       "   <p class=\"N\"><b>Uczniowie z obniżonym zachowaniem:</b> </p>",
                                       "   <p class=\"N\"><b>Uczniowie:</b> Jan Kos, Ola Lis</p>",
                                       "   <p class=\"N\"><b>Ocena:</b> nieodpowiednie</p>",
                                       "   Spóźnienia.<br>",
                                       "   Wagary.<br>",
                                       "    <br>",
                                       "   <p class=\"N\"><b>Uczeń:</b> Piotr Sęk</p>",
                                       "   <p class=\"N\"><b>Ocena:</b> nieodpowiednie</p>",
                                       "   Bójka.<br>",
                                       "    <br>",
                                       "   <p class=\"N\"><b>Uwagi:</b> </p>",
                                       "   Klasa zgrana.<br>",
                                       "   Dużo nieobecności.<br>",
                                       "</p>",
                                   })));
}

TEST_F(BehaviourClassificationReport, EmptySectionsSaySoAndNoRemarksLeaveNoLine) {
    const HtmlPage page = Render(Exemplary("0") + Lowered("0") + Remarks("0"));

    EXPECT_EQ(page, Joined(Head(), Lines({
                                       "   <p class=\"N\"><b>Uzcniowie wzorowi:</b> brak takich uczniów.</p>",
                                       "   <p class=\"N\"><b>Uczniowie z obniżonym zachowaniem:</b> brak takich uczniów.</p>",
                                       "</p>",
                                   })));
}

TEST_F(BehaviourClassificationReport, NegativeCountsGiveBareLabels) {
    const HtmlPage page = Render(Exemplary("-1") + Lowered("-1") + Remarks("-1"));

    EXPECT_EQ(page, Joined(Head(), Lines({
                                       "   <p class=\"N\"><b>Uczniowie wzorowi, to:</b> </p>",
                                       "   <ul>",
                                       "   </ul>",
                                       "   <p class=\"N\"><b>Uczniowie z obniżonym zachowaniem:</b> </p>",
                                       "   <p class=\"N\"><b>Uwagi:</b> </p>",
                                       "</p>",
                                   })));
}

TEST_F(BehaviourClassificationReport, WithoutTitleShowsTheClassAloneInBold) {
    const HtmlPage page = Render(Exemplary("0") + Lowered("0") + Remarks("0"), false);

    ASSERT_GE(page.size(), 3u);
    EXPECT_EQ(page[0], "<p align=\"left\">&nbsp;</p>");
    EXPECT_EQ(page[1], "   <p class=\"N\"><b>3A</b></p>");
    const HtmlPage head = Head();
    EXPECT_EQ(HtmlPage(page.begin() + 2, page.end()),
              Joined(HtmlPage(head.begin() + 1, head.end()),
                     Lines({
                         "   <p class=\"N\"><b>Uzcniowie wzorowi:</b> brak takich uczniów.</p>",
                         "   <p class=\"N\"><b>Uczniowie z obniżonym zachowaniem:</b> brak takich uczniów.</p>",
                         "</p>",
                     })));
}

TEST_F(BehaviourClassificationReport, SeveralPupilsNeedACommaBeforeTheLastCharacter) {
    EXPECT_EQ(PersonLine("Jan Kos, Ola Lis"), "   <p class=\"N\"><b>Uczniowie:</b> Jan Kos, Ola Lis</p>");
    EXPECT_EQ(PersonLine("Jan Kos"), "   <p class=\"N\"><b>Uczeń:</b> Jan Kos</p>");
    EXPECT_EQ(PersonLine("Jan Kos,"), "   <p class=\"N\"><b>Uczeń:</b> Jan Kos,</p>");
    EXPECT_EQ(PersonLine(","), "   <p class=\"N\"><b>Uczeń:</b> ,</p>");
    EXPECT_EQ(PersonLine(""), "   <p class=\"N\"><b>Uczeń:</b> </p>");
}

TEST_F(BehaviourClassificationReport, ACaseWithoutLinesKeepsItsSeparator) {
    const HtmlPage page = Render(Exemplary("0") + Lowered("1", Case(1, "Jan Kos", "0")) + Remarks("0"));

    EXPECT_EQ(HtmlPage(page.end() - 4, page.end()), Lines({
                                                         "   <p class=\"N\"><b>Uczeń:</b> Jan Kos</p>",
                                                         "   <p class=\"N\"><b>Ocena:</b> nieodpowiednie</p>",
                                                         "    <br>",
                                                         "</p>",
                                                     }));
}

TEST_F(BehaviourClassificationReport, NumbersRecordsFromOneAndLinesFromZero) {
    const HtmlPage page = Render(
        Exemplary("1", "<Uczen0>nigdy</Uczen0><Uczen1>Adam</Uczen1>") +
        Lowered("1", "<Uzasadnienie0><Osoba>nigdy</Osoba></Uzasadnienie0>" +
                         Case(1, "Jan", "2", "<Wiersz0>zero</Wiersz0><Wiersz1>jeden</Wiersz1><Wiersz2>nigdy</Wiersz2>")) +
        Remarks("1", "<w0>uwaga zero</w0><w1>nigdy</w1>"));

    for (const std::string& line : page) EXPECT_EQ(line.find("nigdy"), std::string::npos) << line;
    EXPECT_NE(std::find(page.begin(), page.end(), "     <li>Adam</li>"), page.end());
    EXPECT_NE(std::find(page.begin(), page.end(), "   zero<br>"), page.end());
    EXPECT_NE(std::find(page.begin(), page.end(), "   jeden<br>"), page.end());
    EXPECT_NE(std::find(page.begin(), page.end(), "   uwaga zero<br>"), page.end());
}

TEST_F(BehaviourClassificationReport, MissingLinesReadAsEmpty) {
    const HtmlPage page = Render(Exemplary("0") + Lowered("0") + Remarks("2", "<w0>jedna</w0>"));

    EXPECT_EQ(HtmlPage(page.end() - 3, page.end()), Lines({"   jedna<br>", "   <br>", "</p>"}));
}

TEST_F(BehaviourClassificationReport, AReportWithoutRemarksCountFails) {
    EXPECT_THROW(Render(Exemplary("0") + Lowered("0")), ConversionError);
    EXPECT_THROW(Render(Exemplary("0") + Lowered("0") + Remarks("")), ConversionError);
}

TEST_F(BehaviourClassificationReport, ACaseWithoutLineCountFailsAfterItsPersonAndGrade) {
    HtmlPage page;
    const std::string path = WriteReport(Exemplary("0") + Lowered("2", Case(1, "Jan", "0")) + Remarks("0"));

    EXPECT_THROW(RenderBehaviourClassification(true, page, *ReadReportFile(path)), ConversionError);
    EXPECT_EQ(HtmlPage(page.end() - 2, page.end()), Lines({
                                                         "   <p class=\"N\"><b>Uczeń:</b> </p>",
                                                         "   <p class=\"N\"><b>Ocena:</b> </p>",
                                                     }));
}

TEST_F(BehaviourClassificationReport, AVanishedFileFailsAtTheFirstCount) {
    HtmlPage page;
    EXPECT_THROW(RenderBehaviourClassification(true, page, *ReadReportFile(dir_.PathOf("gone.xml"))), ConversionError);
}

TEST_F(BehaviourClassificationReport, ACountBeyondTheFileSizeIsADamagedReport) {
    const std::string huge = "2147483647";
    const std::string bodies[] = {
        Exemplary(huge) + Lowered("0") + Remarks("0"),
        Exemplary("0") + Lowered(huge) + Remarks("0"),
        Exemplary("0") + Lowered("1", Case(1, "Jan", huge)) + Remarks("0"),
        Exemplary("0") + Lowered("0") + Remarks(huge),
    };
    // What stands last when each count is refused: nothing of its loop has been written.
    const std::string lastLines[] = {
        "   <p class=\"N\"><b>Klasyfikowanych ogółem: </b> 25</p>",
        "   <p class=\"N\"><b>Uzcniowie wzorowi:</b> brak takich uczniów.</p>",
        "   <p class=\"N\"><b>Ocena:</b> nieodpowiednie</p>",
        "   <p class=\"N\"><b>Uczniowie z obniżonym zachowaniem:</b> brak takich uczniów.</p>",
    };
    for (size_t i = 0; i < 4; ++i) {
        HtmlPage page;
        EXPECT_THROW(RenderBehaviourClassification(true, page, *ReadReportFile(WriteReport(bodies[i]))), DamagedReport) << i;
        EXPECT_EQ(Utf8(page.back()), lastLines[i]) << i;
    }
}

// Every case may stay within the file's size while all of them together ask for more lines
// than the file has bytes; that is refused before the lines of the case that tips it over.
TEST_F(BehaviourClassificationReport, CasesTogetherAskingForMoreLinesThanBytesAreADamagedReport) {
    std::string body = Exemplary("0") + Lowered("2", Case(1, "Jan", "600") + Case(2, "Ola", "600")) + Remarks("0");
    const auto bare = std::filesystem::file_size(WriteReport(body));
    body += "<Pad>" + std::string(1000 - bare - 11, 'x') + "</Pad>";
    const std::string path = WriteReport(body);
    ASSERT_EQ(std::filesystem::file_size(path), 1000u);

    HtmlPage page;
    EXPECT_THROW(RenderBehaviourClassification(true, page, *ReadReportFile(path)), DamagedReport);
    EXPECT_EQ(Utf8(page[page.size() - 2]), "   <p class=\"N\"><b>Uczeń:</b> Ola</p>");

    const std::string sound = WriteReport(Exemplary("0") + Lowered("2", Case(1, "Jan", "500") + Case(2, "Ola", "400")) +
                                          Remarks("0") + "<Pad>" + std::string(1000, 'x') + "</Pad>");
    page.clear();
    EXPECT_NO_THROW(RenderBehaviourClassification(true, page, *ReadReportFile(sound)));
}

}  // namespace
