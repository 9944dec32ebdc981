// Where a file breaks off: the reader keeps its results, and says where and why.
#include <gtest/gtest.h>

#include "xml_test_support.h"

namespace {

TEST(Breaks, SayWhereAndWhyTheReaderStopped) {
    const struct {
        std::string bytes;
        bool result;
        XmlBreakReason reason;
        size_t line, column, byte;
        const char16_t* element;
    } cases[] = {
        {"<a>\r\n<b>x</b> tekst</a>", false, XmlBreakReason::TextWhereTagExpected, 2, 10, 14, u""},
        {"<a><b>x</c></a>", false, XmlBreakReason::EndTagMismatch, 1, 12, 11, u"b"},
        {"<a></a x>", false, XmlBreakReason::EndTagNotClosed, 1, 9, 8, u"a"},
        {"<a>< b/></a>", false, XmlBreakReason::TagWithoutName, 1, 6, 5, u""},
        {"<a/x>", false, XmlBreakReason::SlashNotClosing, 1, 4, 3, u""},
        {"<a b='1'/>", false, XmlBreakReason::BadAttribute, 1, 6, 5, u"a"},
        {"<?xml a=\"1\"? x>", false, XmlBreakReason::InstructionNotClosed, 1, 13, 12, u"xml"},
        {"<a><!-x", false, XmlBreakReason::ShortMarkup, 1, 8, 7, u""},
        {"<Szkola>\n<Doc>Z kar", true, XmlBreakReason::ElementNotClosed, 2, 11, 19, u"Doc"},
        {"<Szkola><P", true, XmlBreakReason::ElementNotClosed, 1, 11, 10, u"P"},
        {"<a><!-- uwaga", true, XmlBreakReason::CommentNotClosed, 1, 14, 13, u""},
        {"<a><![CDATA[x", true, XmlBreakReason::CDataNotClosed, 1, 14, 13, u""},
        // Bytes, not characters: two per character in UTF-16 after the mark, and a Polish
        // letter takes two in UTF-8.
        {Utf16File("<a>ż</b>"), false, XmlBreakReason::EndTagMismatch, 1, 9, 18, u"a"},
        {"<a>\xC5\xBC</b>", false, XmlBreakReason::EndTagMismatch, 1, 9, 9, u"a"},
        {"\xEF\xBB\xBF<a>\xC5\xBC</b>", false, XmlBreakReason::EndTagMismatch, 1, 9, 12, u"a"},
        // A UTF-8 character cut off by the end: where it began, unless the reader says more.
        {"<a>\xC5\xBC</a>\xE2\x80", true, XmlBreakReason::CharacterCut, 1, 9, 9, u""},
        {"<a>\xC5\xBC\xC5", true, XmlBreakReason::ElementNotClosed, 1, 5, 5, u"a"},
    };
    for (const auto& c : cases) {
        Loaded file(c.bytes);
        EXPECT_EQ(file.result, c.result) << c.bytes;
        ASSERT_TRUE(file.doc.Break) << c.bytes;
        const XmlBreak& where = *file.doc.Break;
        EXPECT_EQ(where.reason, c.reason) << c.bytes;
        EXPECT_EQ(where.line, c.line) << c.bytes;
        EXPECT_EQ(where.column, c.column) << c.bytes;
        EXPECT_EQ(where.byteOffset, c.byte) << c.bytes;
        EXPECT_EQ(where.element, c.element) << c.bytes;
    }
}

TEST(Breaks, ACompleteFileHasNoneAndAReloadForgetsThem) {
    Loaded file("<a><b>x</b></a>");
    EXPECT_FALSE(file.doc.Break);
    file.doc.LoadFromBuffer(Bytes("<a>"));
    EXPECT_TRUE(file.doc.Break);
    file.doc.LoadFromBuffer(Bytes("<?xml version=\"1.0\"?>\r\n<a/>\r\n"));
    EXPECT_FALSE(file.doc.Break);
}

}  // namespace
