#include <gtest/gtest.h>

#include <algorithm>

#include "tree_dump.h"
#include "xml_test_support.h"

namespace {

TEST(DumpTree, SmallReportByteForByte) {
    Loaded file(Utf16File("<?xml version=\"1.0\"?>\r\n<!-- uwaga -->"
                          "<Szkola typ=\"a\" b=\"&quot;\"><Doc>Zażółć</Doc><![CDATA[c]]><Pusty/></Szkola>"));
    EXPECT_EQ(DumpTree(file.doc, file.result),
              "result: true\n"
              "bom: true\n"
              "root\n"
              "  instruction name=\"xml\" text=\"\"\n"
              "    @\"version\"=\"1.0\"\n"
              "  comment name=\"\" text=\"uwaga\"\n"
              "  element name=\"Szkola\" text=\"\" cdata=\"c\"\n"
              "    @\"typ\"=\"a\"\n"
              "    @\"b\"=\"\\\"\"\n"
              "    element name=\"Doc\" text=\"Zażółć\"\n"
              "    element name=\"Pusty\" text=\"\"\n");
}

TEST(DumpTree, FailedLoadAndRootCData) {
    Loaded file("<![CDATA[x]]>zle");
    EXPECT_EQ(DumpTree(file.doc, file.result), "result: false\nbom: false\nroot cdata=\"x\"\n");
}

TEST(JsonString, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(JsonString(std::u16string(u"a\"b\\c\0\n\x1F\x7F", 9)), "\"a\\\"b\\\\c\\u0000\\u000a\\u001f\x7F\"");
}

TEST(JsonString, PairedSurrogatesAsUtf8AndLoneOnesEscaped) {
    EXPECT_EQ(JsonString(u"\U0001F600"), "\"\xF0\x9F\x98\x80\"");
    EXPECT_EQ(JsonString(u"\xD83D" u"x\xDE00"), "\"\\ud83dx\\ude00\"");
    EXPECT_EQ(JsonString(u"\xDE00\xD83D"), "\"\\ude00\\ud83d\"");
}

TEST(DumpTree, DeepTreesDoNotExhaustTheStack) {
    TpkXML doc;
    TpkXMLNode* node = &doc.Root;
    for (int i = 0; i < 3000; ++i) node = node->FindChild(u"e", true);
    const std::string dump = DumpTree(doc, true);
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), 3 + 3000);
    const std::string last = std::string(2 * 3000, ' ') + "element name=\"e\" text=\"\"\n";
    EXPECT_EQ(dump.substr(dump.size() - last.size()), last);
}

}  // namespace
