#include <gtest/gtest.h>

#include <sstream>

#include "file_access.h"
#include "held_file.h"
#include "temp_dir.h"
#include "xml_test_support.h"

namespace {

const char kSchool[] = "<Szkola><Doc>Klasyfikacja klasy</Doc></Szkola>";

TEST(LoadFromFile, ReadsAnExistingReport) {
    TempDir dir;
    TpkXML doc;
    EXPECT_TRUE(doc.LoadFromFile(dir.Write("r.xml", Utf16File(kSchool))));
    EXPECT_TRUE(doc.HasBOM);
    EXPECT_EQ(doc.FindNode(u"Szkola", false)->FindChild(u"Doc", false)->Text, u"Klasyfikacja klasy");
}

TEST(LoadFromFile, MissingOrEmptyFileLeavesAnEarlierTree) {
    TempDir dir;
    TpkXML doc;
    ASSERT_TRUE(doc.LoadFromFile(dir.Write("r.xml", kSchool)));
    EXPECT_FALSE(doc.LoadFromFile(dir.PathOf("brak.xml")));
    EXPECT_FALSE(doc.LoadFromFile(dir.Write("pusty.xml", "")));
    EXPECT_NE(doc.FindNode(u"Szkola", false), nullptr);
}

TEST(LoadFromFile, OneByteFileEmptiesTheTree) {
    TempDir dir;
    TpkXML doc;
    ASSERT_TRUE(doc.LoadFromFile(dir.Write("r.xml", kSchool)));
    EXPECT_FALSE(doc.LoadFromFile(dir.Write("jeden.xml", "<")));
    EXPECT_EQ(doc.Root.ChildCount(), 0);
}

TEST(LoadFromFile, FileHeldLockedRaisesAndLeavesTheTree) {
    TempDir dir;
    const std::string path = dir.Write("r.xml", kSchool);
    TpkXML doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    LockedByAnotherReader holder(path);
    ASSERT_TRUE(holder.locked());
    EXPECT_THROW(doc.LoadFromFile(path), FileOpenError);
    holder.LetGo();
    EXPECT_EQ(doc.Root.ChildCount(), 1);
}

TEST(LoadFromStream, ReadsWhatRemainsAndRefusesAnEmptyStream) {
    TpkXML doc;
    std::istringstream stream(std::string("junk") + kSchool);
    stream.seekg(4);
    EXPECT_TRUE(doc.LoadFromStream(stream));
    EXPECT_EQ(doc.Root.ChildCount(), 1);
    std::istringstream empty("");
    EXPECT_FALSE(doc.LoadFromStream(empty));
    EXPECT_EQ(doc.Root.ChildCount(), 1);
}

TEST(LoadFromBuffer, ClearsTopLevelItemsButNotTheRootsOwnData) {
    TpkXML doc;
    ASSERT_TRUE(doc.LoadFromBuffer(Bytes("<![CDATA[x]]><a/>")));
    EXPECT_TRUE(doc.LoadFromBuffer(Bytes("<b/>")));
    ASSERT_EQ(doc.Root.ChildCount(), 1);
    EXPECT_EQ(doc.Root.Child(0)->Name, u"b");
    EXPECT_EQ(doc.Root.CData, u"x");
}

TEST(LoadFromBuffer, ShortBufferKeepsTheEarlierByteOrderFlag) {
    TpkXML doc;
    ASSERT_TRUE(doc.LoadFromBuffer(Bytes(Utf16File("<a/>"))));
    EXPECT_FALSE(doc.LoadFromBuffer(Bytes("<")));
    EXPECT_TRUE(doc.HasBOM);
    EXPECT_FALSE(doc.LoadFromBuffer(Bytes("\xFF\xFE")));
    EXPECT_FALSE(doc.LoadFromBuffer(Bytes("")));
}

TEST(LoadFromBuffer, LookupsAfterAReloadSeeTheNewTree) {
    TpkXML doc;
    ASSERT_TRUE(doc.LoadFromBuffer(Bytes(kSchool)));
    for (int i = 0; i < 20; ++i) doc.FindNode(u"x" + W(std::to_string(i)), true);
    ASSERT_TRUE(doc.LoadFromBuffer(Bytes("<X3>nowy</X3>")));
    EXPECT_EQ(doc.FindNode(u"x3", false)->Text, u"nowy");
    EXPECT_EQ(doc.FindNode(u"Szkola", false), nullptr);
}

std::string Nested(int depth, std::string_view inner = "") {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<e>";
    text += inner;
    for (int i = 0; i < depth; ++i) text += "</e>";
    return text;
}

TEST(Nesting, AThousandLevelsParse) {
    TpkXML doc;
    EXPECT_TRUE(doc.LoadFromBuffer(Bytes(Nested(1000, "dno"))));
    const TpkXMLNode* node = &doc.Root;
    for (int i = 0; i < 1000; ++i) node = node->Child(0);
    EXPECT_EQ(node->Text, u"dno");
}

TEST(Nesting, AMillionLevelsEndTheLoadWithAnError) {
    std::string text;
    for (int i = 0; i < 1000000; ++i) text += "<e>";
    TpkXML doc;
    EXPECT_THROW(doc.LoadFromBuffer(Bytes(text)), XmlNestingTooDeep);
    EXPECT_TRUE(doc.LoadFromBuffer(Bytes("<a/>")));
    EXPECT_EQ(doc.Root.ChildCount(), 1);
}

TEST(Nesting, AlsoGuardsUtf16Files) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "<e>";
    TpkXML doc;
    EXPECT_THROW(doc.LoadFromBuffer(Bytes(Utf16File(text))), XmlNestingTooDeep);
}

}  // namespace
