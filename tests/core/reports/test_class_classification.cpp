#include <gtest/gtest.h>

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

std::string Section(std::string_view name, std::string_view count, std::string_view pupils) {
    return "<" + std::string(name) + "><IleOsob>" + std::string(count) + "</IleOsob>" +
           std::string(pupils) + "</" + std::string(name) + ">";
}

constexpr std::string_view kHeader =
    "<Doc>Klasyfikacja klasy</Doc><Klasa>3a</Klasa><Belfer>Anna Nowak</Belfer>"
    "<Klasyfikowanych>25</Klasyfikowanych>";

// The title, the paragraph and the two labelled lines every page of this report opens with.
HtmlPage Head() {
    return Lines({
        "<p align=\"center\"><br><b>KLASYFIKACJA KLASY - 3A</b></p>",
        "<p align=\"left\">",
        "   <p class=\"N\"><b>Wychowawca klasy: </b> Anna Nowak</p>",
        "   <p class=\"N\"><b>Klasyfikowanych ogółem: </b> 25</p>",
    });
}

const size_t kHeadLines = 4;

HtmlPage WithHead(const HtmlPage& body) {
    HtmlPage page = Head();
    page.insert(page.end(), body.begin(), body.end());
    return page;
}

class ClassClassificationReport : public ::testing::Test {
protected:
    std::string WriteReport(std::string_view utf8Body) {
        const std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola>" +
                                std::string(utf8Body) + "</Szkola>\r\n";
        return dir_.Write("klasyfikacja.xml", Cp1250(xml));
    }

    HtmlPage Render(std::string_view utf8Body, bool asTitle = true, const RenderOptions& options = {}) {
        HtmlPage page;
        RenderClassClassification(asTitle, page, *ReadReportFile(WriteReport(utf8Body)), options);
        return page;
    }

    // Renders sections around a distinction list; the other two lists are empty.
    HtmlPage RenderDistinction(std::string_view count, std::string_view pupils,
                               const RenderOptions& options = {}) {
        return Render(std::string(kHeader) + Section("Frekwencja", "0", "") +
                          Section("Pasek", count, pupils) + Section("Ndst", "0", ""),
                      true, options);
    }

    TempDir dir_;
};

TEST_F(ClassClassificationReport, RendersAFullReport) {
    const HtmlPage page = Render(
        std::string(kHeader) +
        Section("Frekwencja", "2", "<Uczen1>Adam Bąk</Uczen1><Uczen2>Ewa Żak</Uczen2>") +
        Section("Pasek", "3",
                "<Uczen1>Jan Kos<Srednia>475</Srednia></Uczen1>"
                "<Uczen2>Ola Lis<Srednia>500</Srednia></Uczen2>"
                "<Uczen3>Piotr Sęk<Srednia>4</Srednia></Uczen3>") +
        Section("Ndst", "2",
                "<Uczen1>Marek Wróbel<Przedmioty>matematyka, fizyka</Przedmioty></Uczen1>"
                "<Uczen2>Iza Mróz<Przedmioty></Przedmioty></Uczen2>"));

    EXPECT_EQ(page, WithHead(Lines({
                        "   <p class=\"N\"><b>Uczniowie ze stuprocentową frekwencją, to:</b> </p>",
                        "   <ul>",
                        "     <li>Adam Bąk</li>",
                        "     <li>Ewa Żak</li>",
                        "   </ul>",
                        "   <p class=\"N\"><b>Uczniowie zasługujący na wyróżnienie, to:</b> </p>",
                        "   <ul>",
                        "     <li>Jan Kos - 4,75</li>",
                        "     <li>Ola Lis - 5,00</li>",
                        "     <li>Piotr Sęk</li>",
                        "   </ul>",
                        "   <p class=\"N\"><b>Uczniowie z ocenami niedostatecznymi, to:</b> </p>",
                        "   <ul>",
                        "     <li>Marek Wróbel - matematyka, fizyka</li>",
                        "     <li>Iza Mróz - </li>",
                        "   </ul>",
                        "</p>",
                    })));
}

TEST_F(ClassClassificationReport, SaysSoWhenNoPupilIsListed) {
    const HtmlPage page = Render(std::string(kHeader) + Section("Frekwencja", "0", "") +
                                 Section("Pasek", "0", "") + Section("Ndst", "0", ""));

    EXPECT_EQ(page, WithHead(Lines({
                        "   <p class=\"N\"><b>Stuprocentowa frekwencja:</b> brak takich uczniów.</p>",
                        "   <p class=\"N\"><b>Uczniowie zasługujący na wyróżnienie:</b> brak takich uczniów.</p>",
                        "   <p class=\"N\"><b>Uczniowie z ocenami niedostatecznymi:</b> brak takich uczniów.</p>",
                        "</p>",
                    })));
}

TEST_F(ClassClassificationReport, NegativeCountsGiveEmptyLists) {
    const HtmlPage page = Render(std::string(kHeader) + Section("Frekwencja", "-1", "") +
                                 Section("Pasek", "-2", "") + Section("Ndst", "-3", ""));

    EXPECT_EQ(page, WithHead(Lines({
                        "   <p class=\"N\"><b>Uczniowie ze stuprocentową frekwencją, to:</b> </p>",
                        "   <ul>",
                        "   </ul>",
                        "   <p class=\"N\"><b>Uczniowie zasługujący na wyróżnienie, to:</b> </p>",
                        "   <ul>",
                        "   </ul>",
                        "   <p class=\"N\"><b>Uczniowie z ocenami niedostatecznymi, to:</b> </p>",
                        "   <ul>",
                        "   </ul>",
                        "</p>",
                    })));
}

TEST_F(ClassClassificationReport, WithoutTitleShowsTheClassAloneInBold) {
    const HtmlPage page = Render(std::string(kHeader) + Section("Frekwencja", "0", "") +
                                 Section("Pasek", "0", "") + Section("Ndst", "0", ""),
                                 false);

    EXPECT_EQ(page, Lines({
                        "<p align=\"left\">&nbsp;</p>",
                        "   <p class=\"N\"><b>3A</b></p>",
                        "<p align=\"left\">",
                        "   <p class=\"N\"><b>Wychowawca klasy: </b> Anna Nowak</p>",
                        "   <p class=\"N\"><b>Klasyfikowanych ogółem: </b> 25</p>",
                        "   <p class=\"N\"><b>Stuprocentowa frekwencja:</b> brak takich uczniów.</p>",
                        "   <p class=\"N\"><b>Uczniowie zasługujący na wyróżnienie:</b> brak takich uczniów.</p>",
                        "   <p class=\"N\"><b>Uczniowie z ocenami niedostatecznymi:</b> brak takich uczniów.</p>",
                        "</p>",
                    }));
}

TEST_F(ClassClassificationReport, UpperCasesOnlyAsciiLettersOfTheClass) {
    const HtmlPage page = Render("<Klasa>3ża</Klasa>" + Section("Frekwencja", "0", "") +
                                 Section("Pasek", "0", "") + Section("Ndst", "0", ""));

    EXPECT_EQ(page.front(), Cp1250("<p align=\"center\"><br><b>KLASYFIKACJA KLASY - 3żA</b></p>"));
}

TEST_F(ClassClassificationReport, ReadsPupilsFromOneUpToTheCount) {
    std::string pupils = "<Uczen0>nigdy</Uczen0>";
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        pupils += "<Uczen" + n + ">P" + n + "</Uczen" + n + ">";
    }
    const HtmlPage page = Render(std::string(kHeader) + Section("Frekwencja", "10", pupils) +
                                 Section("Pasek", "0", "") + Section("Ndst", "0", ""));

    ASSERT_GE(page.size(), kHeadLines + 12);
    EXPECT_EQ(page[kHeadLines + 2], "     <li>P1</li>");
    EXPECT_EQ(page[kHeadLines + 11], "     <li>P10</li>");
    EXPECT_EQ(page[kHeadLines + 12], "   </ul>");
}

TEST_F(ClassClassificationReport, MissingPupilsGiveEmptyItems) {
    const HtmlPage page = Render(std::string(kHeader) + Section("Frekwencja", "1", "") +
                                 Section("Pasek", "0", "") + Section("Ndst", "1", ""));

    EXPECT_EQ(page[kHeadLines + 2], "     <li></li>");
    EXPECT_EQ(page[page.size() - 3], "     <li> - </li>");
}

// Averages are stored in hundredths and only those above 4 (hundredths) are shown.
TEST_F(ClassClassificationReport, ShowsAveragesInHundredthsWithTheUsersSeparator) {
    const std::string pupils =
        "<Uczen1>A<Srednia>4</Srednia></Uczen1><Uczen2>B<Srednia>5</Srednia></Uczen2>"
        "<Uczen3>C<Srednia>475</Srednia></Uczen3><Uczen4>D<Srednia>500</Srednia></Uczen4>"
        "<Uczen5>E<Srednia>2147483647</Srednia></Uczen5><Uczen6>F<Srednia>-500</Srednia></Uczen6>";
    const HtmlPage page = RenderDistinction("6", pupils);

    const size_t first = kHeadLines + 3;
    ASSERT_GE(page.size(), first + 6);
    EXPECT_EQ(page[first + 0], "     <li>A</li>");
    EXPECT_EQ(page[first + 1], "     <li>B - 0,05</li>");
    EXPECT_EQ(page[first + 2], "     <li>C - 4,75</li>");
    EXPECT_EQ(page[first + 3], "     <li>D - 5,00</li>");
    EXPECT_EQ(page[first + 4], "     <li>E - 21474836,47</li>");
    EXPECT_EQ(page[first + 5], "     <li>F</li>");

    const RenderOptions point(".");
    EXPECT_EQ(RenderDistinction("6", pupils, point)[first + 2], "     <li>C - 4.75</li>");
}

TEST_F(ClassClassificationReport, AnAverageThatIsNotAWholeNumberFailsTheReport) {
    EXPECT_THROW(RenderDistinction("1", "<Uczen1>A<Srednia>4.75</Srednia></Uczen1>"), ConversionError);
    EXPECT_THROW(RenderDistinction("1", "<Uczen1>A<Srednia>4,75</Srednia></Uczen1>"), ConversionError);
    // Read for every listed pupil, even where it would not be shown.
    EXPECT_THROW(RenderDistinction("1", "<Uczen1>A<Srednia></Srednia></Uczen1>"), ConversionError);
    EXPECT_THROW(RenderDistinction("2", "<Uczen1>A<Srednia>3</Srednia></Uczen1>"), ConversionError);
}

TEST_F(ClassClassificationReport, AMissingCountFailsTheReportAfterTheHeader) {
    HtmlPage page;
    const std::string path = WriteReport(std::string(kHeader) + Section("Pasek", "0", "") + Section("Ndst", "0", ""));
    EXPECT_THROW(RenderClassClassification(true, page, *ReadReportFile(path), {}), ConversionError);
    EXPECT_EQ(page, Head());

    const std::string empty = WriteReport(std::string(kHeader) + Section("Frekwencja", "", ""));
    EXPECT_THROW(RenderClassClassification(true, page, *ReadReportFile(empty), {}), ConversionError);
}

TEST_F(ClassClassificationReport, AVanishedFileFailsAtTheFirstCount) {
    HtmlPage page;
    EXPECT_THROW(RenderClassClassification(true, page, *ReadReportFile(dir_.PathOf("gone.xml")), {}), ConversionError);
}

// A count larger than the file could hold marks a damaged file; it must fail before the list
// is opened rather than ask for billions of items.
TEST_F(ClassClassificationReport, ACountBeyondTheFileSizeIsADamagedReport) {
    const std::string sections[] = {"Frekwencja", "Pasek", "Ndst"};
    for (size_t damaged = 0; damaged < 3; ++damaged) {
        std::string body(kHeader);
        for (size_t i = 0; i < 3; ++i) body += Section(sections[i], i == damaged ? "2147483647" : "0", "");
        HtmlPage page;
        EXPECT_THROW(RenderClassClassification(true, page, *ReadReportFile(WriteReport(body)), {}), DamagedReport)
            << sections[damaged];
        // Only the one-line sections before the damaged one were written.
        EXPECT_EQ(page.size(), kHeadLines + damaged) << sections[damaged];
    }
}

}  // namespace
