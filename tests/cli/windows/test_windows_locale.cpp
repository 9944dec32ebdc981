#include <gtest/gtest.h>

#include <regex>

#include "test_text.h"
#include "windows_locale.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> utf8Lines) {
    std::vector<std::string> lines;
    for (const auto& line : utf8Lines) lines.push_back(Cp1250(line));
    WindowsLocale(L"pl-PL").SortIgnoringCase(lines);
    std::vector<std::string> result;
    for (const auto& line : lines) result.push_back(Utf8(line));
    return result;
}

}  // namespace

// The order Qt gives the Linux tool's list, for Polish letters and double surnames.
TEST(WindowsFolderListOrder, PolishLettersSortAfterTheirBaseLetterIgnoringCase) {
    EXPECT_EQ(
        Sorted({"Żak", "Zawada", "łuczak", "Lis", "bielecka", "Bąk", "Adamski", "Ćwik", "Cebula"}),
        (std::vector<std::string>{"Adamski", "Bąk", "bielecka", "Cebula", "Ćwik", "Lis", "łuczak", "Zawada", "Żak"}));
    EXPECT_EQ(Sorted({"Nowakowska Ewa", "Nowak-Jeziorańska Anna", "nowak adam", "Ńa"}),
              (std::vector<std::string>{"nowak adam", "Nowak-Jeziorańska Anna", "Nowakowska Ewa", "Ńa"}));
}

TEST(WindowsFolderListOrder, EqualLinesKeepTheirOrder) {
    EXPECT_EQ(Sorted({"Nowak", "NOWAK", "nowak"}), (std::vector<std::string>{"Nowak", "NOWAK", "nowak"}));
}

// Each locale's own separator and formats, the time without a zone, in Windows-1250.
TEST(WindowsLocaleSettings, EachLocaleItsOwnFormats) {
    const struct {
        const wchar_t* locale;
        const char* separator;
        const char* date;
        const char* time;
    } cases[] = {
        {L"pl-PL", ",", R"(\d{1,2}\.\d{2}\.\d{4})", R"(\d{2}:\d{2}:\d{2})"},
        {L"en-US", ".", R"(\d{1,2}/\d{1,2}/\d{4})", R"(\d{1,2}:\d{2}:\d{2} (AM|PM))"},
    };
    for (const auto& c : cases) {
        WindowsLocale locale(c.locale);
        EXPECT_EQ(locale.DecimalSeparator(), c.separator);
        EXPECT_TRUE(std::regex_match(locale.CurrentDateText(), std::regex(c.date))) << locale.CurrentDateText();
        EXPECT_TRUE(std::regex_match(locale.CurrentTimeText(), std::regex(c.time))) << locale.CurrentTimeText();
    }
}
