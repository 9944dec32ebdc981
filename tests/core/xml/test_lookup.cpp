#include <gtest/gtest.h>

#include "xml_test_support.h"

namespace {

std::unique_ptr<TpkXMLNode> Named(std::u16string name) {
    auto node = std::make_unique<TpkXMLNode>();
    node->Name = std::move(name);
    return node;
}

TEST(FindChild, MatchesNamesWithoutRegardToCase) {
    TpkXMLNode node;
    node.AddChild(Named(u"Doc"));
    TpkXMLNode* doc = node.Child(0);
    EXPECT_EQ(node.FindChild(u"doc", false), doc);
    EXPECT_EQ(node.FindChild(u"DOC", true), doc);
    EXPECT_EQ(node.ChildCount(), 1);
}

TEST(FindChild, CreatesAMissingElementOnceAsTheLastChild) {
    TpkXMLNode node;
    node.AddChild(Named(u"Doc"));
    TpkXMLNode* klasa = node.FindChild(u"Klasa", true);
    ASSERT_NE(klasa, nullptr);
    EXPECT_EQ(klasa->Name, u"Klasa");
    EXPECT_EQ(klasa->Kind, TpkXMLNodeKind::nkElement);
    EXPECT_TRUE(klasa->Text.empty());
    EXPECT_EQ(node.Child(1), klasa);
    EXPECT_EQ(node.FindChild(u"KLASA", true), klasa);
    EXPECT_EQ(node.ChildCount(), 2);
}

TEST(FindChild, MissWithoutCreationIsNullAndChangesNothing) {
    TpkXMLNode node;
    EXPECT_EQ(node.FindChild(u"Klasa", false), nullptr);
    EXPECT_EQ(node.ChildCount(), 0);
}

TEST(FindChild, FirstOfTwoEqualNamesWins) {
    TpkXMLNode node;
    node.AddChild(Named(u"Wiersz"));
    node.AddChild(Named(u"WIERSZ"));
    EXPECT_EQ(node.FindChild(u"wiersz", false), node.Child(0));
}

TEST(FindChild, PolishLettersMatchAcrossCase) {
    TpkXMLNode node;
    node.AddChild(Named(W("ŁĄCZNIE_ŻÓŁW")));
    EXPECT_EQ(node.FindChild(W("łącznie_żółw"), false), node.Child(0));
}

TEST(FindChild, CharactersOutsideTheCodePageAllCompareAsQuestionMarks) {
    TpkXMLNode node;
    node.AddChild(Named(W("a\u0416")));  // Cyrillic Zhe
    EXPECT_EQ(node.FindChild(W("a\u4E2D"), false), node.Child(0));
    EXPECT_EQ(node.FindChild(u"A?", false), node.Child(0));
}

TEST(FindChild, CommentsAndInstructionsTakePartByTheirNames) {
    Loaded file("<!-- c --><?xml version=\"1.0\"?><a/>");
    EXPECT_EQ(file.doc.FindNode(u"", false), &file.Top(0));
    EXPECT_EQ(file.doc.FindNode(u"XML", false), &file.Top(1));
}

// Past a handful of children lookups go through an index; it must give the same answers.
TEST(FindChild, ManyChildrenGiveTheSameResultsAsFew) {
    TpkXMLNode node;
    for (int i = 0; i < 50; ++i) node.AddChild(Named(u"w" + W(std::to_string(i % 25))));
    EXPECT_EQ(node.FindChild(u"W3", false), node.Child(3));
    EXPECT_EQ(node.FindChild(u"w24", false), node.Child(24));
    EXPECT_EQ(node.FindChild(u"w50", false), nullptr);

    TpkXMLNode* created = node.FindChild(u"Nowy", true);
    EXPECT_EQ(node.Child(50), created);
    node.AddChild(Named(u"nowy"));
    EXPECT_EQ(node.FindChild(u"NOWY", true), created);
    node.AddChild(Named(u"Pozniej"));
    EXPECT_EQ(node.FindChild(u"pozniej", false), node.Child(52));
}

TEST(FindChild, ClearForgetsTheIndexedChildren) {
    TpkXMLNode node;
    for (int i = 0; i < 20; ++i) node.AddChild(Named(u"w" + W(std::to_string(i))));
    ASSERT_NE(node.FindChild(u"w7", false), nullptr);
    node.Clear();
    EXPECT_EQ(node.FindChild(u"w7", false), nullptr);
    node.AddChild(Named(u"W7"));
    EXPECT_EQ(node.FindChild(u"w7", false), node.Child(0));
}

TEST(Child, IndexOutsideTheChildrenIsNull) {
    TpkXMLNode node;
    node.AddChild(Named(u"a"));
    EXPECT_EQ(node.Child(-1), nullptr);
    EXPECT_EQ(node.Child(node.ChildCount()), nullptr);
    EXPECT_NE(node.Child(0), nullptr);
}

TEST(Clear, DestroysTheSubtreeButKeepsTheNodesOwnData) {
    TpkXMLNode node;
    node.Name = u"a";
    node.Text = u"t";
    node.Attrs.Add(std::make_unique<TpkXMLAttr>(u"k", u"v"));
    node.FindChild(u"b", true)->FindChild(u"c", true);
    node.Clear();
    EXPECT_EQ(node.ChildCount(), 0);
    EXPECT_EQ(node.Name, u"a");
    EXPECT_EQ(node.Text, u"t");
    EXPECT_EQ(node.Attrs.Count(), 1);
}

TEST(FindNode, LooksAtTopLevelItemsOnly) {
    Loaded file("<Szkola><Doc>x</Doc></Szkola>");
    EXPECT_EQ(file.doc.FindNode(u"Doc", false), nullptr);
    EXPECT_EQ(file.doc.FindNode(u"szkola", false), &file.Top(0));
}

TEST(UpperKey, UpperCasesThroughTheCodePage) {
    EXPECT_EQ(UpperKey(W("zażółć gęślą jaźń ß")), W("ZAŻÓŁĆ GĘŚLĄ JAŹŃ ß"));
    EXPECT_EQ(UpperKey(W("\u0416\U0001F600")), u"???");
}

}  // namespace
