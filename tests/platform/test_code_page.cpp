#include <gtest/gtest.h>

#include "code_page.h"

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(WideToAnsi(AnsiToWide(byte)), byte) << "byte " << b;
    }
}

TEST(CodePage, PolishLettersSitWhereWindowsPutsThem) {
    EXPECT_EQ(AnsiToWide("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"), u"ąćęłńóśźż");
    EXPECT_EQ(AnsiToWide("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"), u"ĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(AnsiToWide("\x80\x96\x84\x94"), u"€–„”");
}

TEST(CodePage, UndefinedBytesBecomeTheirControlCharacters) {
    EXPECT_EQ(AnsiToWide("\x81\x83\x88\x90\x98"), u"\u0081\u0083\u0088\u0090\u0098");
    EXPECT_EQ(WideToAnsi(u"\u0081\u0098"), "\x81\x98");
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(WideToAnsi(u"a\u0101b\u20AD"), "a?b?");           // ā, and a currency sign it lacks
    EXPECT_EQ(WideToAnsi(u"\xD83D\xDE00"), "??");               // each half of a surrogate pair
    EXPECT_EQ(WideToAnsi(std::u16string(1, u'\0')), std::string(1, '\0'));
}

TEST(UpperCasing, AsciiAndCentralEuropeanLetters) {
    EXPECT_EQ(AnsiUpper("abc xyz 3a"), "ABC XYZ 3A");
    EXPECT_EQ(AnsiUpper("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"), "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(AnsiUpper("\x9A\x9D\x9E\xBA\xBE\xE0\xFE"), "\x8A\x8D\x8E\xAA\xBC\xC0\xDE");
}

TEST(UpperCasing, LettersWithoutCapitalsAndNonLettersStay) {
    EXPECT_EQ(AnsiUpper("\xDF\xF7\xFF\xB5"), "\xDF\xF7\xFF\xB5");  // ß ÷ ˙ µ
    EXPECT_EQ(AnsiUpper("ABC\xA5\xA3 !?{}"), "ABC\xA5\xA3 !?{}");
}

TEST(UpperCasing, EveryCapitalIsLeftAlone) {
    for (int b = 0; b < 256; ++b) {
        const auto upper = AnsiUpperChar(static_cast<unsigned char>(b));
        EXPECT_EQ(AnsiUpperChar(upper), upper) << "byte " << b;
    }
}
