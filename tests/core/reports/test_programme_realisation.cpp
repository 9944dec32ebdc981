// The teaching-programme, upbringing-programme and additional-classes reports: their titles,
// headers and block headings, and where a damaged count stops the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "count_conversion.h"
#include "file_access.h"
#include "free_text_report.h"
#include "held_file.h"

namespace {

using ProgrammeReport = FreeTextReportTest;

const std::string kTeachingHeader = "<Przedmiot>Matematyka</Przedmiot><Belfer>Jan Kowalski</Belfer>"
                                    "<Klasy>3a, 3b</Klasy>";

TEST_F(ProgrammeReport, TeachingProgrammeShowsSubjectTeacherClassesAndTheBlocksThatHoldLines) {
    const std::string body = kTeachingHeader + Block("Ogolne", "2", {"Program zrealizowano.", "Bez uwag."}) +
                             Block("Sukcesy", "0", {"nieczytane"}) + Block("Wnioski", "1", {"Więcej ćwiczeń."});
    EXPECT_EQ(Render(RenderTeachingProgramme, body),
              (Lines{R"(<p align="center"><br><b>REALIZACJA PROGRAMU NAUCZANIA</b></p>)",
                     kOpen,
                     R"(   <p class="N"><b>Przedmiot: </b> Matematyka</p>)",
                     R"(   <p class="N"><b>Uczący: </b> Jan Kowalski</p>)",
                     R"(   <p class="N"><b>Klasy: </b> 3a, 3b</p>)",
                     R"(   <p class="N"><b>Ogólne:</b> </p>)",
                     "   Program zrealizowano.<br>",
                     "   Bez uwag.<br>",
                     R"(   <p class="N"><b>Wnioski:</b> </p>)",
                     "   Więcej ćwiczeń.<br>",
                     kClose}));
}

TEST_F(ProgrammeReport, UpbringingProgrammeShowsTheClassInBoldAndBoldHeadings) {
    const std::string body = "<Klasa>2c</Klasa><Belfer>Anna Nowak</Belfer>" + Block("Ogolne", "1", {"Ogólnie."}) +
                             Block("Sukcesy", "1", {"Konkurs."}) + Block("Wnioski", "1", {"Dalej."});
    EXPECT_EQ(Render(RenderUpbringingProgramme, body),
              (Lines{R"(<p align="center"><br><b>REALIZACJA PROGRAMU WYCHOWAWCZEGO</b></p>)",
                     kOpen,
                     R"(   <p class="N"><b>2c</b></p>)",
                     R"(   <p class="N"><b>Wychowawca: </b> Anna Nowak</p>)",
                     R"(   <p class="N"><b>Ogólne:</b></p>)",
                     "   Ogólnie.<br>",
                     R"(   <p class="N"><b>Sukcesy i problemy:</b></p>)",
                     "   Konkurs.<br>",
                     R"(   <p class="N"><b>Wnioski:</b></p>)",
                     "   Dalej.<br>",
                     kClose}));
}

TEST_F(ProgrammeReport, AdditionalClassesShowTheClassesAndTheTeacher) {
    const std::string body = "<Zajecia>Kółko szachowe</Zajecia><Belfer>Piotr Wiśniewski</Belfer>" +
                             Block("Ogolne", "0") + Block("Sukcesy", "2", {"Turniej.", "Puchar."}) +
                             Block("Wnioski", "0");
    EXPECT_EQ(Render(RenderAdditionalClasses, body),
              (Lines{R"(<p align="center"><br><b>REALIZACJA ZAJĘĆ DODATKOWYCH</b></p>)",
                     kOpen,
                     R"(   <p class="N"><b>Zajęcia: </b> Kółko szachowe</p>)",
                     R"(   <p class="N"><b>Uczący: </b> Piotr Wiśniewski</p>)",
                     R"(   <p class="N"><b>Ogólne:</b> </p>)",
                     R"(   <p class="N"><b>Sukcesy i problemy:</b> </p>)",
                     "   Turniej.<br>",
                     "   Puchar.<br>",
                     kClose}));
}

TEST_F(ProgrammeReport, WithoutTitleABlankParagraphStandsInItsPlace) {
    const std::string blocks = Block("Ogolne", "0") + Block("Sukcesy", "0") + Block("Wnioski", "0");
    for (Renderer render : {RenderTeachingProgramme, RenderUpbringingProgramme, RenderAdditionalClasses}) {
        page_.clear();
        const Lines lines = Render(render, blocks, false);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), kBlank);
        EXPECT_EQ(lines[1], kOpen);
    }
}

TEST_F(ProgrammeReport, EmptyBlocksLeaveOnlyTheGeneralRemarksHeading) {
    for (const std::string count : {"0", "-2"}) {
        page_.clear();
        const std::string body = kTeachingHeader + Block("Ogolne", count, {"x"}) + Block("Sukcesy", count, {"y"}) +
                                 Block("Wnioski", count, {"z"});
        const Lines lines = Render(RenderTeachingProgramme, body);
        EXPECT_EQ(Lines(lines.begin() + 5, lines.end()),
                  (Lines{R"(   <p class="N"><b>Ogólne:</b> </p>)", kClose}))
            << "count " << count;
    }
}

TEST_F(ProgrammeReport, MissingTextsLeaveTheirLinesEmpty) {
    const std::string body = Block("Ogolne", "1") + Block("Sukcesy", "0") + Block("Wnioski", "0");
    EXPECT_EQ(Render(RenderUpbringingProgramme, body),
              (Lines{R"(<p align="center"><br><b>REALIZACJA PROGRAMU WYCHOWAWCZEGO</b></p>)",
                     kOpen,
                     R"(   <p class="N"><b></b></p>)",
                     R"(   <p class="N"><b>Wychowawca: </b> </p>)",
                     R"(   <p class="N"><b>Ogólne:</b></p>)",
                     "   <br>",
                     kClose}));
}

TEST_F(ProgrammeReport, MarkupInValuesReachesThePageUnchanged) {
    const std::string body = "<Przedmiot>&lt;i&gt;Fizyka&lt;/i&gt;</Przedmiot>" +
                             Block("Ogolne", "1", {"&lt;font color=red&gt;uwaga&lt;/font&gt;"}) +
                             Block("Sukcesy", "0") + Block("Wnioski", "0");
    const Lines lines = Render(RenderTeachingProgramme, body);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], R"(   <p class="N"><b>Przedmiot: </b> <i>Fizyka</i></p>)");
    EXPECT_EQ(lines[6], "   <font color=red>uwaga</font><br>");
}

// Every failure leaves the lines written before it; the caller discards the whole page.
TEST_F(ProgrammeReport, AReportWithoutASectionFailsAtItsCount) {
    const std::string body = kTeachingHeader + Block("Ogolne", "1", {"a"}) + Block("Wnioski", "0");
    EXPECT_THROW(Render(RenderTeachingProgramme, body), ConversionError);
    const Lines lines = Rendered();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.back(), "   a<br>");
}

TEST_F(ProgrammeReport, AnEmptyCountFailsAsAMissingOneDoes) {
    const std::string body = "<Klasa>1a</Klasa>" + Block("Ogolne", "0") + Block("Sukcesy", "") + Block("Wnioski", "0");
    EXPECT_THROW(Render(RenderUpbringingProgramme, body), ConversionError);
    EXPECT_EQ(Rendered().back(), R"(   <p class="N"><b>Ogólne:</b></p>)");
}

TEST_F(ProgrammeReport, ANonNumericCountFailsBeforeItsHeading) {
    const std::string body = "<Zajecia>Chór</Zajecia>" + Block("Ogolne", "dużo", {"a"});
    EXPECT_THROW(Render(RenderAdditionalClasses, body), ConversionError);
    EXPECT_EQ(Rendered().size(), 4u);
    EXPECT_EQ(Rendered().back(), R"(   <p class="N"><b>Uczący: </b> </p>)");
}

TEST_F(ProgrammeReport, ACountBeyondTheFileSizeIsADamagedReportBeforeAnyOfItsLines) {
    const std::string body = kTeachingHeader + Block("Ogolne", "1", {"a"}) + Block("Sukcesy", "2147483647", {"b"});
    EXPECT_THROW(Render(RenderTeachingProgramme, body), DamagedReport);
    const Lines lines = Rendered();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.back(), "   a<br>");
}

TEST_F(ProgrammeReport, AnEmptyFileShowsTheHeaderThenFailsAtTheFirstCount) {
    const std::string path = dir_.Write("empty.xml", "");
    EXPECT_THROW(RenderTeachingProgramme(true, page_, *ReadReportFile(path)), ConversionError);
    EXPECT_EQ(Rendered(), (Lines{R"(<p align="center"><br><b>REALIZACJA PROGRAMU NAUCZANIA</b></p>)",
                                 kOpen,
                                 R"(   <p class="N"><b>Przedmiot: </b> </p>)",
                                 R"(   <p class="N"><b>Uczący: </b> </p>)",
                                 R"(   <p class="N"><b>Klasy: </b> </p>)"}));
}

TEST_F(ProgrammeReport, AFileHeldByAnotherReaderFailsBeforeAnyLine) {
    const std::string path = dir_.Write("held.xml", Cp1250("<Szkola>" + Block("Ogolne", "0") + "</Szkola>"));
    LockedByAnotherReader holder(path);
    ASSERT_TRUE(holder.locked());
    EXPECT_THROW(RenderUpbringingProgramme(true, page_, *ReadReportFile(path)), FileOpenError);
    holder.LetGo();
    EXPECT_TRUE(page_.empty());
}

}  // namespace
