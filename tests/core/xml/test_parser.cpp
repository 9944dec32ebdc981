#include <gtest/gtest.h>

#include "xml_test_support.h"

namespace {

const char kReport[] =
    "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
    "<Szkola><Doc>Klasyfikacja klasy</Doc></Szkola>";

void ExpectReportTree(Loaded& file) {
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.doc.Root.ChildCount(), 2);
    TpkXMLNode& decl = file.Top(0);
    EXPECT_EQ(decl.Kind, TpkXMLNodeKind::nkInstruction);
    EXPECT_EQ(decl.Name, u"xml");
    EXPECT_EQ(decl.Text, u"");
    ASSERT_EQ(decl.Attrs.Count(), 2);
    EXPECT_EQ(decl.Attrs[0].Name, u"version");
    EXPECT_EQ(decl.Attrs[0].Value, u"1.0");
    EXPECT_EQ(decl.Attrs[1].Name, u"encoding");
    EXPECT_EQ(decl.Attrs[1].Value, u"windows-1250");
    TpkXMLNode& school = file.Top(1);
    EXPECT_EQ(school.Kind, TpkXMLNodeKind::nkElement);
    EXPECT_EQ(school.Name, u"Szkola");
    EXPECT_EQ(school.Text, u"");
    ASSERT_EQ(school.ChildCount(), 1);
    EXPECT_EQ(school.Child(0)->Name, u"Doc");
    EXPECT_EQ(school.Child(0)->Text, u"Klasyfikacja klasy");
}

TEST(Encodings, WindowsCodePageReport) {
    Loaded file(kReport);
    ExpectReportTree(file);
    EXPECT_FALSE(file.doc.HasBOM);
}

TEST(Encodings, Utf16WithByteOrderMarkGivesTheSameTree) {
    Loaded file(Utf16File(kReport));
    ExpectReportTree(file);
    EXPECT_TRUE(file.doc.HasBOM);
}

TEST(Encodings, OddByteAfterUtf16IsIgnored) {
    Loaded file(Utf16File(kReport) + "<");
    ExpectReportTree(file);
}

TEST(Encodings, PolishLettersSurviveBothEncodings) {
    const char text[] = "<Belfer>Zażółć gęślą jaźń</Belfer>";
    EXPECT_EQ(U8(Loaded(Cp1250(text)).Top(0).Text), "Zażółć gęślą jaźń");
    EXPECT_EQ(U8(Loaded(Utf16File(text)).Top(0).Text), "Zażółć gęślą jaźń");
}

// UTF-16 big-endian bytes with its byte-order mark, of UTF-8 source text.
std::string Utf16BigEndianFile(std::string_view utf8) {
    std::string bytes = "\xFE\xFF";
    for (char16_t c : Utf8ToWide(utf8)) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

TEST(Encodings, MarksDecideThenWellFormedUtf8ThenTheCodePage) {
    const std::string utf8 = "<a>Zażółć \u0416</a>";
    const std::string cp1250 = Cp1250("<a>Zażółć</a>");
    const struct {
        const char* what;
        std::string bytes;
        const char* text;  // of `a`, UTF-8
        bool bom;
    } cases[] = {
        {"UTF-16 BE with its mark", Utf16BigEndianFile(utf8), "Zażółć ?", true},
        {"UTF-8 with its mark, whatever it declares",
         "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1250\"?>" + utf8, "Zażółć ?", true},
        {"UTF-8 without a mark", utf8, "Zażółć ?", false},
        {"UTF-8 declared as such", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + utf8, "Zażółć ?", false},
        {"UTF-8 declared by its alias", "<?xml version=\"1.0\" encoding=\"utf8\"?>" + utf8, "Zażółć ?", false},
        {"Windows-1250", cp1250, "Zażółć", false},
        {"Windows-1250 whose only high byte is the euro sign", "<a>5 \x80</a>", "5 €", false},
        {"Windows-1250 declared so, valid UTF-8 by chance",
         "<?xml version=\"1.0\" encoding=\"windows-1250\"?><a>\xC5\x82</a>", "Ĺ‚", false},
        {"an overlong form is no UTF-8", "<a>\xC0\xAF</a>", "ŔŻ", false},
        {"a surrogate is no UTF-8", "<a>\xED\xA0\x80</a>", "í\u00A0€", false},
        // The end of the file may cut a character off: it is lost, the rest stays UTF-8.
        {"UTF-8 cut inside its last character", "<a>Zażół\xC4", "Zażół", false},
        {"UTF-8 with its mark, cut", "\xEF\xBB\xBF<a>ż\xE2\x80", "ż", true},
        {"an ASCII file ending in a lone lead byte is Windows-1250", Cp1250("<a>się"), "się", false},
    };
    for (const auto& c : cases) {
        Loaded file(c.bytes);
        const TpkXMLNode* a = file.doc.FindNode(u"a", false);
        ASSERT_NE(a, nullptr) << c.what;
        EXPECT_TRUE(file.result) << c.what;
        EXPECT_EQ(U8(a->Text), c.text) << c.what;
        EXPECT_EQ(file.doc.HasBOM, c.bom) << c.what;
    }
}

TEST(Encodings, Utf16CharactersOutsideTheCodePageSurviveOnlyInNamesAndValues) {
    Loaded file(Utf16File("<a\u0416 b=\"\u0416\">x\u0416y</a\u0416>"));
    EXPECT_TRUE(file.result);
    EXPECT_EQ(U8(file.Top(0).Name), "a\u0416");
    EXPECT_EQ(U8(file.Top(0).Attrs[0].Value), "\u0416");
    EXPECT_EQ(file.Top(0).Text, u"x?y");
}

TEST(Text, IsTrimmedButKeepsInnerBlanks) {
    EXPECT_EQ(Loaded("<a>  Klasyfikacja   klasy \r\n</a>").Top(0).Text, u"Klasyfikacja   klasy");
}

TEST(Text, ControlCharactersAreTrimmedLikeBlanks) {
    EXPECT_EQ(Loaded("<a>\x01\x1F x\x02y\x1F</a>").Top(0).Text, u"x\x02y");
}

TEST(Text, EntitiesAreReplacedInOrderAndWithoutRegardToCase) {
    EXPECT_EQ(Loaded("<a>&lt;b&gt; &amp;lt; &AMP; &apos;</a>").Top(0).Text, u"<b> &lt; & &apos;");
    EXPECT_EQ(Loaded("<a>&QuOt;&#65;&nbsp;</a>").Top(0).Text, u"\"&#65;&nbsp;");
}

TEST(Text, FollowingAnEmptyElementBelongsToIt) {
    Loaded file("<a><b/>tekst</a>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Child(0)->Text, u"tekst");
}

TEST(Text, AfterAnEndTagFailsButKeepsWhatWasRead) {
    Loaded file("<a><b></b>tekst</a>");
    EXPECT_FALSE(file.result);
    ASSERT_EQ(file.doc.Root.ChildCount(), 1);
    EXPECT_EQ(file.Top(0).ChildCount(), 1);
    EXPECT_EQ(file.Top(0).Child(0)->Name, u"b");
}

TEST(Text, BeforeTheFirstChildIsTheElementsText) {
    Loaded file("<a> przed <b/></a>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Text, u"przed");
}

TEST(Attributes, ValueKeepsBlanksAndDecodesEntities) {
    Loaded file("<a b=\"  a&quot;b  \"/>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Attrs[0].Value, u"  a\"b  ");
}

TEST(Attributes, BlanksAroundEqualsAndNoneBetweenAttributes) {
    Loaded file("<a b = \"1\"c=\"2\">");
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.Top(0).Attrs.Count(), 2);
    EXPECT_EQ(file.Top(0).Attrs[1].Name, u"c");
    EXPECT_EQ(file.Top(0).Attrs[1].Value, u"2");
}

// Space, tab, CR and LF alike end a name and may stand around "=" and before ">".
TEST(Attributes, EveryBlankSeparatesAlike) {
    for (const std::string blank : {" ", "\t", "\r", "\n"}) {
        Loaded file("<a" + blank + "b" + blank + "=" + blank + "\"1\"" + blank + ">x</a" + blank + ">");
        EXPECT_TRUE(file.result) << testing::PrintToString(blank);
        EXPECT_EQ(file.Top(0).Name, u"a") << testing::PrintToString(blank);
        ASSERT_EQ(file.Top(0).Attrs.Count(), 1) << testing::PrintToString(blank);
        EXPECT_EQ(file.Top(0).Attrs[0].Name, u"b") << testing::PrintToString(blank);
    }
}

TEST(Attributes, DuplicateAndEmptyNamesStayInOrder) {
    Loaded file("<a b=\"1\" b=\"2\" =\"3\"/>");
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.Top(0).Attrs.Count(), 3);
    EXPECT_EQ(file.Top(0).Attrs[1].Value, u"2");
    EXPECT_EQ(file.Top(0).Attrs[2].Name, u"");
}

TEST(Attributes, MalformedOnesFailTheLoad) {
    for (const char* text : {"<a b='1'>", "<a b>", "<a b=\"1>", "<a b=>", "<a b=\"1\"/x>"}) {
        Loaded file(text);
        EXPECT_FALSE(file.result) << text;
        EXPECT_EQ(file.doc.Root.ChildCount(), 0) << text;
    }
}

TEST(Instructions, QuestionMarkMustCloseAtOnce) {
    EXPECT_TRUE(Loaded("<?styl a=\"1\" ?>").result);
    EXPECT_FALSE(Loaded("<?styl a=\"1\" ?x>").result);
}

TEST(Instructions, HaveNoContentButTakeTheFollowingText) {
    Loaded file("<?styl a=\"1\"?>tekst<b/>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Text, u"tekst");
    EXPECT_EQ(file.Top(0).ChildCount(), 0);
    EXPECT_EQ(file.Top(1).Name, u"b");
}

TEST(CData, GoesToTheEnclosingElementUntouched) {
    Loaded file("<a><![CDATA[ x<y &amp; ]]></a>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).CData, u" x<y &amp; ");
    EXPECT_EQ(file.Top(0).ChildCount(), 0);
    EXPECT_EQ(file.Top(0).Text, u"");
}

TEST(CData, LaterSectionReplacesEarlierAndTopLevelGoesToRoot) {
    Loaded file("<![cdata[top]]><a><![CDATA[1]]><![CDATA[2]]></a>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.doc.Root.CData, u"top");
    EXPECT_EQ(file.Top(0).CData, u"2");
}

TEST(CData, UnterminatedConsumesTheRestAsNothing) {
    Loaded file("<a><![CDATA[x</a>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).CData, u"");
}

TEST(CData, TextAfterASectionFails) {
    EXPECT_FALSE(Loaded("<a><![CDATA[x]]>y</a>").result);
}

TEST(Comments, AreTrimmedAndNotDecoded) {
    Loaded file("<!--  uwaga &amp; -->");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Kind, TpkXMLNodeKind::nkComment);
    EXPECT_EQ(file.Top(0).Name, u"");
    EXPECT_EQ(file.Top(0).Text, u"uwaga &amp;");
}

TEST(Comments, DoctypeRunsToTheNextCommentEnd) {
    Loaded file("<!DOCTYPE Szkola><a/><!-- x --><b/>");
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.doc.Root.ChildCount(), 2);
    EXPECT_EQ(file.Top(0).Kind, TpkXMLNodeKind::nkComment);
    EXPECT_EQ(file.Top(0).Text, u"CTYPE Szkola><a/><!-- x");
    EXPECT_EQ(file.Top(1).Name, u"b");
}

TEST(Comments, UnterminatedIsEmptyAndEndsTheFile) {
    Loaded file("<a/><!-- bez konca <b/>");
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.doc.Root.ChildCount(), 2);
    EXPECT_EQ(file.Top(1).Text, u"");
}

TEST(Comments, FewerThanSevenCharactersAfterBangFail) {
    Loaded file("<a/><!-- x->");
    EXPECT_FALSE(file.result);
    EXPECT_EQ(file.doc.Root.ChildCount(), 1);
}

TEST(EndTags, MatchIgnoringCaseAndAllowBlanksBeforeTheBracket) {
    EXPECT_TRUE(Loaded("<Doc>x</DOC >").result);
    EXPECT_TRUE(Loaded(Cp1250("<Łódź>x</łÓDŹ>")).result);
    EXPECT_FALSE(Loaded("<Doc>x</Dok>").result);
    EXPECT_FALSE(Loaded("<Doc>x</Doc x>").result);
}

TEST(EndOfText, ClosesEveryOpenElement) {
    Loaded file("<Szkola><Doc>x");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Child(0)->Text, u"x");
}

TEST(EndOfText, NameCutOffKeepsTheEndOfTextCharacter) {
    Loaded file("<a><bc");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.Top(0).Child(0)->Name, std::u16string(u"bc\0", 3));
}

TEST(EndOfText, ValueCutOffAfterItsQuoteStillCounts) {
    Loaded file("<a b=\"");
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.Top(0).Attrs.Count(), 1);
    EXPECT_EQ(file.Top(0).Attrs[0].Value, std::u16string(u"\0", 1));
}

TEST(Failures, KeepTheTreeBuiltSoFar) {
    Loaded broken("<Szkola a=\"1\"><Doc>x</Doc><Klasa>1A</Klasa>zle<Dalej/></Szkola>");
    EXPECT_FALSE(broken.result);
    ASSERT_EQ(broken.Top(0).ChildCount(), 2);
    EXPECT_EQ(broken.Top(0).Attrs[0].Value, u"1");
    EXPECT_EQ(broken.Top(0).Child(1)->Text, u"1A");
}

TEST(Failures, SyntaxThatStopsTheReader) {
    for (const char* text : {"<>", "< a>", "<a/ >", "tekst<a/>", "<a></a>x", "</a>"}) {
        EXPECT_FALSE(Loaded(text).result) << text;
    }
}

TEST(Tolerated, SeveralTopLevelElementsAndOddNameCharacters) {
    Loaded file("<a:b/><c<d/>\r\n<e/>");
    EXPECT_TRUE(file.result);
    ASSERT_EQ(file.doc.Root.ChildCount(), 3);
    EXPECT_EQ(file.Top(0).Name, u"a:b");
    EXPECT_EQ(file.Top(1).Name, u"c<d");
}

TEST(Tolerated, EmptyEndTagClosesTheTopLevel) {
    Loaded file("<a/></><b/>");
    EXPECT_TRUE(file.result);
    EXPECT_EQ(file.doc.Root.ChildCount(), 1);
}

}  // namespace
