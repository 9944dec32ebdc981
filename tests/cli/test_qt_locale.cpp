#include <gtest/gtest.h>

#include "qt_locale.h"
#include "test_text.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> utf8Lines, const QLocale& locale) {
    std::vector<std::string> lines;
    for (const auto& line : utf8Lines) lines.push_back(Cp1250(line));
    QtLocale(locale).SortIgnoringCase(lines);
    std::vector<std::string> result;
    for (const auto& line : lines) result.push_back(Utf8(line));
    return result;
}

}  // namespace

TEST(FolderListOrder, PolishLettersSortAfterTheirBaseLetterIgnoringCase) {
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    EXPECT_EQ(Sorted({"Żak", "Zawada", "łuczak", "Lis", "bielecka", "Bąk", "Adamski", "Ćwik", "Cebula"}, polish),
              (std::vector<std::string>{"Adamski", "Bąk", "bielecka", "Cebula", "Ćwik", "Lis", "łuczak",
                                        "Zawada", "Żak"}));
}

TEST(FolderListOrder, EqualLinesAreAllKept) {
    EXPECT_EQ(Sorted({"Nowak", "nowak", "Nowak"}, QLocale(QLocale::Polish)).size(), 3u);
}

TEST(FolderListStamp, TheLongTimeFormatLosesItsTimeZone) {
    for (const QLocale& locale : {QLocale(QLocale::Polish, QLocale::Poland), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale::c()}) {
        const QString format = LongTimeFormatWithoutZone(locale);
        EXPECT_FALSE(format.contains(u't')) << format.toStdString();
        EXPECT_TRUE(format.contains(u's')) << format.toStdString();
    }
}
