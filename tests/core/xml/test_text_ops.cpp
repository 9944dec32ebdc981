#include <gtest/gtest.h>

#include "text_ops.h"
#include "xml_test_support.h"

namespace {

TEST(ReplaceText, MatchesWithoutRegardToCaseAndKeepsTheRestAsWritten) {
    EXPECT_EQ(ReplaceText(u"aXbxc", u"x", u"--"), u"a--b--c");
    EXPECT_EQ(ReplaceText(W("Żółw żÓŁW"), W("żółw"), u"!"), u"! !");
    EXPECT_EQ(ReplaceText(u"abc", u"", u"z"), u"abc");
    EXPECT_EQ(ReplaceText(u"ab", u"abc", u"z"), u"ab");
    EXPECT_EQ(ReplaceText(u"aaa", u"aa", u"b"), u"ba");
}

TEST(DecodeEntities, KnowsFourEntitiesAndAmpersandComesLast) {
    EXPECT_EQ(DecodeEntities(u"&amp;quot; &amp;amp; &quot;&GT;&lt;"), u"&quot; &amp; \"><");
    EXPECT_EQ(DecodeEntities(u"&apos;&#34;&x"), u"&apos;&#34;&x");
}

TEST(TrimText, StripsControlsAndBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimText(std::u16string(u"\0\t a \x01 b\r\n \x1F", 12)), u"a \x01 b");
    EXPECT_EQ(TrimText(u"   "), u"");
    EXPECT_EQ(TrimText(u"\x7F"), u"\x7F");
}

TEST(TrimText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(TrimText(W(" Łza \u0416\U0001F600 ")), W("Łza ???"));
    EXPECT_EQ(TrimText(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");  // no-break space is not trimmed
}

}  // namespace
