// The reference window's tree and links: every entry hangs once under its
// first category, the guide's chapters under its introduction, and a link
// to an example opens a copy of it as the サンプル menu does.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "assist/reference_entries.h"
#include "ide/help_window.h"
#include "ide/samples.h"
#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

class HelpWindowTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    editor_system_.samples = {
        {"b.zep", "// Bee：two\r\nPAINT { Box(1, 1, 5, 5, 0, 1) ; }\r\n"},
        {"a.zep", "// Ant：one\r\n// Box in a comment\r\nCREATE { SetCaption(\"Box\") ; }\r\n"},
    };
    editor_system_.guide = "# はじめてのZEP\r\n入門\r\n## 1. 動かす\r\n動かします\r\n## 2. 色\r\n色です\r\n";
  }
};

TEST_F(HelpWindowTest, TheTreeHoldsTheGuideThenEveryEntryOnce) {
  std::vector<HelpNode> tree = HelpTree();
  ASSERT_GE(tree.size(), 4u);
  EXPECT_EQ(tree[0].target, "guide:0");
  EXPECT_EQ(tree[0].parent, -1);
  EXPECT_EQ(tree[2].label, "2. 色");
  EXPECT_EQ(tree[2].parent, 0);
  EXPECT_EQ(tree[3].target, "contents");
  std::map<std::string, int> seen;
  for (const HelpNode& node : tree) {
    if (node.target.rfind("entry:", 0) == 0) {
      ++seen[node.target.substr(6)];
      EXPECT_GE(node.parent, 0) << node.label;
    }
  }
  for (const ReferenceEntry& entry : ReferenceEntries()) EXPECT_EQ(seen[entry.name], 1) << entry.name;
  EXPECT_EQ(HelpNodeOf(tree, "entry:Box"), HelpNodeOf(tree, "category:0") + 1);
  EXPECT_EQ(HelpNodeOf(tree, "entry:Nothing"), -1);
  EXPECT_EQ(HelpPage("guide:2").title, "2. 色");
}

// Code counts, comments do not; the title is the menu's.
TEST_F(HelpWindowTest, AnEntryListsTheExamplesWhoseCodeUsesIt) {
  std::vector<ExampleRef> found = ShippedExamplesUsing("Box");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].file_name, "a.zep");  // its string literal names it
  EXPECT_EQ(found[0].title, "Ant");
  EXPECT_EQ(found[1].file_name, "b.zep");
  EXPECT_TRUE(ShippedExamplesUsing("comment").empty());
}

TEST_F(HelpWindowTest, ExampleLinksOpenUnnamedCopiesAndPageLinksAreLeftToTheWindow) {
  Open();
  Type("mine");
  host_.box_answers = {kNo};
  EXPECT_TRUE(ActOnHelpLink(kEditor, "sample:b.zep"));
  EXPECT_EQ(Text().text, editor_system_.samples[0].second);
  EXPECT_EQ(Title(), "ZEP - [NONAME.ZEP]");
  EXPECT_EQ(editor.document.clean, 1);
  EXPECT_TRUE(ActOnHelpLink(kEditor, "example:Box"));
  std::string example;  // as the editor holds it: CR LF
  for (char c : std::string(FindReferenceEntry("Box")->example)) example += c == '\n' ? "\r\n" : std::string(1, c);
  ASSERT_NE(example, "");
  EXPECT_EQ(Text().text, example);
  EXPECT_EQ(Title(), "ZEP - [NONAME.ZEP]");
  EXPECT_EQ(host_.boxes.size(), 1u) << "the changed text was offered for saving once";
  EXPECT_TRUE(ActOnHelpLink(kEditor, "sample:none.zep"));
  EXPECT_FALSE(ActOnHelpLink(kEditor, "entry:Box"));
  EXPECT_FALSE(ActOnHelpLink(kEditor, "guide:1"));
  EXPECT_EQ(Text().text, example);
}

}  // namespace
}  // namespace zep
