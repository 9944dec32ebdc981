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
