#include <gtest/gtest.h>

#include "utf8.h"

TEST(Utf8, RoundTripsPolishAndAstralText) {
    const std::string text = "Zażółć gęślą jaźń 😀";
    EXPECT_EQ(WideToUtf8(Utf8ToWide(text)), text);
    EXPECT_EQ(Utf8ToWide("😀"), u"\xD83D\xDE00");
}

TEST(Utf8, DamagedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToWide("\xC5"), u"\uFFFD");                  // cut-off sequence
    EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");        // overlong slash
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Utf8, FromWindows1250) {
    EXPECT_EQ(AnsiToUtf8("Ucze\xF1"), "Uczeń");
}

// Only a well-formed beginning cut off by the end counts: a malformed one is no lost character.
TEST(Utf8, CutSequenceAtTheEnd) {
    const struct {
        std::string_view bytes;
        size_t cut;
    } cases[] = {
        {"a\xC5", 1}, {"a\xE2\x80", 2}, {"\xF0\x9F\x98", 3}, {"\xF4\x8F", 2},
        {"", 0}, {"a", 0}, {"\xC5\xBC", 0}, {"\xF0\x9F\x98\x80", 0}, {"\x80\x80\x80", 0},
        {"\xC1", 0}, {"\xF5", 0}, {"\xE0\x80", 0}, {"\xED\xA0", 0}, {"\xF0\x8F", 0}, {"\xF4\x90", 0},
        {"a\x80", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(CutSequenceLength(c.bytes), c.cut) << testing::PrintToString(c.bytes);
}
