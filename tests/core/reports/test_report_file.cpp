#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "count_conversion.h"
#include "report_file.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

TEST(ContainsComma, FindsACommaOnlyBeforeTheLastCharacter) {
    EXPECT_TRUE(ContainsComma("Jan Kos, Ola Lis"));
    EXPECT_TRUE(ContainsComma(",a"));
    EXPECT_TRUE(ContainsComma("a,,"));
    EXPECT_TRUE(ContainsComma(" , "));

    EXPECT_FALSE(ContainsComma(""));
    EXPECT_FALSE(ContainsComma(","));
    EXPECT_FALSE(ContainsComma("Jan Kos,"));
    EXPECT_FALSE(ContainsComma("Jan Kos"));
    EXPECT_FALSE(ContainsComma("Jan Kos; Ola Lis"));
    EXPECT_FALSE(ContainsComma("Jan Kos i Ola Lis"));
}

TEST(AsciiUpper, LeavesEverythingButLowerCaseAsciiLettersAlone) {
    EXPECT_EQ(AsciiUpper("3a"), "3A");
    EXPECT_EQ(AsciiUpper(Cp1250("1śa żółć")), Cp1250("1śA żółć"));
    EXPECT_EQ(AsciiUpper("az{`@["), "AZ{`@[");
}

// A report of exactly `size` bytes.
ReportFile ReportOfSize(size_t size) {
    std::string bytes = "<Szkola></Szkola>";
    bytes.resize(size, ' ');
    return ReportFile(bytes);
}

TEST(ReportFileCount, ConvertsWholeNumbersOnly) {
    ReportFile report = ReportOfSize(100);
    EXPECT_EQ(report.Count("0"), 0);
    EXPECT_EQ(report.Count("-5"), -5);
    EXPECT_EQ(report.Count("$10"), 16);
    for (const char* text : {"", "4.75", "2147483648"}) EXPECT_THROW(report.Count(text), ConversionError) << text;
}

// Every count brings lines to the page, so all the counts of one report together may ask for
// no more than the file has bytes.
TEST(ReportFileCount, TheCountsOfAReportShareOneBudgetOfItsSize) {
    const struct {
        size_t size;
        std::vector<const char*> counts;  // the last one is refused
    } cases[] = {
        {100, {"101"}},
        {100, {"2147483647"}},
        {100, {"60", "-1000", "0", "40", "1"}},
        {100, {"99", "2"}},
        {0, {"0", "1"}},
    };
    for (const auto& [size, counts] : cases) {
        ReportFile report = ReportOfSize(size);
        for (size_t i = 0; i + 1 < counts.size(); ++i) EXPECT_NO_THROW(report.Count(counts[i])) << counts[i];
        EXPECT_THROW(report.Count(counts.back()), DamagedReport) << size << " " << counts.back();
    }
}

TEST(ReportFile, AMissingFileIsAnEmptyReportOfNoSizeOrRaises) {
    TempDir dir;
    const auto report = ReadReportFile(dir.PathOf("gone.xml"));
    EXPECT_EQ(report->Size(), 0u);
    EXPECT_EQ(report->Value("Doc"), "");
    EXPECT_THROW(ReadReportFile(dir.PathOf("gone.xml"), MissingFile::Raises), NoSuchFile);
    EXPECT_EQ(ReadReportFile(dir.path().string(), MissingFile::Raises)->Size(), 0u) << "a folder is no report";
}

// A missing field reads as empty text, however deep, and leaves the tree as it was: millions of
// missing lines must not cost a node each.
TEST(ReportFile, MissingFieldsReadEmptyWithoutGrowingTheTree) {
    ReportFile report("<Szkola><Doc>x</Doc><Info/></Szkola>");
    EXPECT_EQ(report.Value("Klasa"), "");
    EXPECT_EQ(report.Value("Info", "w0"), "");
    EXPECT_EQ(report.Value("Pasek", "Uczen1", "Srednia"), "");
    EXPECT_EQ(report.Value("DOC"), "x");
    const TpkXMLNode* school = report.document().FindNode(u"Szkola", false);
    EXPECT_EQ(school->ChildCount(), 2);
    EXPECT_EQ(school->Child(1)->ChildCount(), 0);
    EXPECT_EQ(report.document().Root.ChildCount(), 1);

    ReportFile foreign("<Raport/>");
    EXPECT_EQ(foreign.Value("Doc"), "");
    EXPECT_EQ(foreign.document().Root.ChildCount(), 1);
}

}  // namespace
