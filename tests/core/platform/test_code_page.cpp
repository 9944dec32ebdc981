#include <gtest/gtest.h>

#include <type_traits>

#include "ansi_literal.h"
#include "ansi_text.h"
#include "code_page.h"

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(WideToAnsi(AnsiToWide(byte)), byte) << "byte " << b;
    }
}

// Bytes 0x80 to 0xFF as Windows has them; the five it leaves undefined are the control
// characters of the same number.
TEST(CodePage, EveryHighByteIsWindowsOwnCharacter) {
    const std::u16string table = u"€\u0081‚\u0083„…†‡\u0088‰Š‹ŚŤŽŹ"
                                 u"\u0090‘’“”•–—\u0098™š›śťžź"
                                 u"\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż"
                                 u"°±˛ł´µ¶·¸ąş»Ľ˝ľż"
                                 u"ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎ"
                                 u"ĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢß"
                                 u"ŕáâăäĺćçčéęëěíîď"
                                 u"đńňóôőö÷řůúűüýţ˙";
    ASSERT_EQ(table.size(), 128u);
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    EXPECT_EQ(AnsiToWide(high), table);
    EXPECT_EQ(WideToAnsi(table), high);
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

// Messages are Windows-1250 by type: UTF-8 or a path turns into one only through a conversion.
static_assert(!std::is_convertible_v<std::string, AnsiText>);
static_assert(!std::is_convertible_v<std::string_view, AnsiText>);
static_assert(!std::is_convertible_v<const char*, AnsiText>);

TEST(AnsiText, WrittenInUtf8AndConvertedAtEitherEnd) {
    const AnsiText said = Ansi<"Błąd: "> + AnsiText::FromUtf8("żółw") + Ansi<" nr "> + AnsiText::Number(12);
    EXPECT_EQ(said.Bytes(), "B\xB3\xB9" "d: \xBF\xF3\xB3w nr 12");
    EXPECT_EQ(said.ToUtf8(), "Błąd: żółw nr 12");
    EXPECT_EQ(said.ToWide(), u"Błąd: żółw nr 12");
    EXPECT_TRUE(said.StartsWith(Ansi<"Błąd">));
    EXPECT_EQ(AnsiText::FromUtf8("ā").Bytes(), "?");  // a letter the code page lacks
}
