// The head teacher's report, a teacher's other information and the card-hours report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "count_conversion.h"
#include "free_text_report.h"

namespace {

using FreeTextReport = FreeTextReportTest;
const std::string kPrincipalTitle = R"(<p align="center"><br><b>SPRAWOZDANIE DYREKTORA SZKOŁY</b></p>)";
const std::string kWorkHeading = R"(   <p class="N"><b>Sfery dydaktyczna, wychowawcza i opiekuncza:</b> </p>)";
const std::string kSupervisionHeading = R"(   <p class="N"><b>Nadzór pedagogiczny, uwagi i wnioski:</b> </p>)";
const std::string kInformationHeading = R"(   <p class="N"><b>Informacja:</b> </p>)";
const std::string kCardTitle = R"(<p align="center"><br><b>REALIZACJA ZAJĘĆ WYNIKAJĄCYCH Z KARTY</b></p>)";

TEST_F(FreeTextReport, PrincipalReportWithoutLinesShowsTheWorkHeadingAlone) {
    const std::string body = "<Belfer>Maria Zając</Belfer>" + Block("Dydaktyczna", "0") + Block("Nadzor", "0", {"x"});
    EXPECT_EQ(Render(RenderPrincipalReport, body),
              (Lines{kPrincipalTitle, kOpen, R"(   <p class="N"><b>Dyrektor: </b> Maria Zając</p>)",
                     kWorkHeading, kClose}));
}

TEST_F(FreeTextReport, PrincipalReportShowsSupervisionWhenItHoldsLines) {
    const std::string body = "<Belfer>Maria Zając</Belfer>" + Block("Dydaktyczna", "1", {"Wyniki dobre."}) +
                             Block("Nadzor", "2", {"Hospitacje.", "Wnioski na przyszłość."});
    EXPECT_EQ(Render(RenderPrincipalReport, body),
              (Lines{kPrincipalTitle, kOpen, R"(   <p class="N"><b>Dyrektor: </b> Maria Zając</p>)",
                     kWorkHeading, "   Wyniki dobre.<br>", kSupervisionHeading, "   Hospitacje.<br>",
                     "   Wnioski na przyszłość.<br>", kClose}));
}

TEST_F(FreeTextReport, PrincipalReportKeepsItsTitleWithoutAsTitle) {
    const std::string body = Block("Dydaktyczna", "0") + Block("Nadzor", "0");
    EXPECT_EQ(Render(RenderPrincipalReport, body, false).front(), kPrincipalTitle);
}

TEST_F(FreeTextReport, OtherInformationNamesTheMatterBeforeTheTeacher) {
    const std::string body = "<Belfer>Jan Kowalski</Belfer><Dotyczy>Wycieczka</Dotyczy>" +
                             Block("Info", "2", {"Wyjazd do Krakowa.", "&lt;b&gt;Wszyscy&lt;/b&gt; wrócili."});
    EXPECT_EQ(Render(RenderOtherInformation, body),
              (Lines{R"(<p align="center"><br><b>INNE INFORMACJE</b></p>)", kOpen,
                     R"(   <p class="N"><b>Dotyczy: </b> Wycieczka</p>)",
                     R"(   <p class="N"><b>Nauczyciel: </b> Jan Kowalski</p>)", kInformationHeading,
                     "   Wyjazd do Krakowa.<br>", "   <b>Wszyscy</b> wrócili.<br>", kClose}));
}

TEST_F(FreeTextReport, CardHoursNameOnlyTheTeacher) {
    const std::string body = "<Belfer>Ewa Lis</Belfer><Dotyczy>nieczytane</Dotyczy>" + Block("Info", "1", {"Koło."});
    EXPECT_EQ(Render(RenderCardHours, body),
              (Lines{kCardTitle, kOpen, R"(   <p class="N"><b>Nauczyciel: </b> Ewa Lis</p>)", kInformationHeading,
                     "   Koło.<br>", kClose}));
}

TEST_F(FreeTextReport, InformationHeadingStandsOverNoLines) {
    EXPECT_EQ(Render(RenderCardHours, Block("Info", "0", {"x"})),
              (Lines{kCardTitle, kOpen, R"(   <p class="N"><b>Nauczyciel: </b> </p>)", kInformationHeading, kClose}));
    page_.clear();
    const Lines lines = Render(RenderOtherInformation, Block("Info", "0"));
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{kInformationHeading, kClose}));
}

TEST_F(FreeTextReport, WithoutTitleABlankParagraphStandsInItsPlace) {
    for (Renderer render : {RenderOtherInformation, RenderCardHours}) {
        page_.clear();
        const Lines lines = Render(render, Block("Info", "0"), false);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], kBlank);
        EXPECT_EQ(lines[1], kOpen);
    }
}

TEST_F(FreeTextReport, TwelveLinesAreReadInNumericOrder) {
    Lines text;
    for (int i = 0; i < 12; ++i) text.push_back("linia " + std::to_string(i));
    const Lines lines = Render(RenderOtherInformation, Block("Info", "12", text));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[14], "   linia 9<br>");
    EXPECT_EQ(lines[15], "   linia 10<br>");
    EXPECT_EQ(lines[16], "   linia 11<br>");
}

// Every failure leaves the lines written before it; the caller discards the whole page.
TEST_F(FreeTextReport, PrincipalReportWithoutSupervisionCountFails) {
    const std::string body = Block("Dydaktyczna", "1", {"a"});
    EXPECT_THROW(Render(RenderPrincipalReport, body), ConversionError);
    EXPECT_EQ(Rendered().size(), 5u);
    EXPECT_EQ(Rendered().back(), "   a<br>");
}

TEST_F(FreeTextReport, AnEmptyFileShowsTheHeaderThenFailsAtTheCount) {
    const std::string path = dir_.Write("empty.xml", "");
    EXPECT_THROW(RenderOtherInformation(true, page_, *ReadReportFile(path)), ConversionError);
    EXPECT_EQ(Rendered(), (Lines{R"(<p align="center"><br><b>INNE INFORMACJE</b></p>)", kOpen,
                                 R"(   <p class="N"><b>Dotyczy: </b> </p>)",
                                 R"(   <p class="N"><b>Nauczyciel: </b> </p>)"}));
}

TEST_F(FreeTextReport, ANonNumericInformationCountFailsBeforeItsHeading) {
    EXPECT_THROW(Render(RenderCardHours, "<Belfer>Ewa Lis</Belfer>" + Block("Info", "1a", {"a"})), ConversionError);
    EXPECT_EQ(Rendered().size(), 3u);
}

TEST_F(FreeTextReport, ACountBeyondTheFileSizeIsADamagedReportBeforeAnyOfItsLines) {
    EXPECT_THROW(Render(RenderCardHours, Block("Info", "2147483647", {"a"})), DamagedReport);
    EXPECT_EQ(Rendered().size(), 3u);
    page_.clear();
    EXPECT_THROW(Render(RenderPrincipalReport, Block("Dydaktyczna", "0") + Block("Nadzor", "2147483647")),
                 DamagedReport);
    EXPECT_EQ(Rendered().back(), kWorkHeading);
}

}  // namespace
