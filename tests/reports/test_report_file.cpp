#include <gtest/gtest.h>

#include <string>

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

class ReportFileCount : public ::testing::Test {
protected:
    // A report file of exactly `size` bytes.
    std::string ReportOfSize(size_t size) {
        std::string bytes = "<Szkola></Szkola>";
        bytes.resize(size, ' ');
        return dir_.Write("report.xml", bytes);
    }

    TempDir dir_;
};

TEST_F(ReportFileCount, AcceptsCountsUpToTheFileSize) {
    const ReportFile report(ReportOfSize(100));

    EXPECT_EQ(report.Count("100"), 100);
    EXPECT_EQ(report.Count("0"), 0);
    EXPECT_EQ(report.Count("-5"), -5);
    EXPECT_EQ(report.Count("$10"), 16);
}

TEST_F(ReportFileCount, RefusesACountTheFileCouldNotHold) {
    const ReportFile report(ReportOfSize(100));

    EXPECT_THROW(report.Count("101"), DamagedReport);
    EXPECT_THROW(report.Count("2147483647"), DamagedReport);
}

TEST_F(ReportFileCount, RefusesWhatIsNotAWholeNumber) {
    const ReportFile report(ReportOfSize(100));

    EXPECT_THROW(report.Count(""), ConversionError);
    EXPECT_THROW(report.Count("4.75"), ConversionError);
    EXPECT_THROW(report.Count("2147483648"), ConversionError);
}

TEST_F(ReportFileCount, AMissingFileHoldsNoCountAboveZero) {
    const ReportFile report(dir_.PathOf("gone.xml"));

    EXPECT_EQ(report.Count("0"), 0);
    EXPECT_THROW(report.Count("1"), DamagedReport);
}

TEST_F(ReportFileCount, ALineBudgetSpendsTheFileSizeAcrossRecords) {
    const ReportFile report(ReportOfSize(100));
    LineBudget budget(report);

    budget.Spend(60);
    budget.Spend(-1000);
    budget.Spend(0);
    budget.Spend(40);
    EXPECT_THROW(budget.Spend(1), DamagedReport);
}

}  // namespace
