// What the editor's text control shows beside the text: the status bar,
// the colours of the lines about to be painted, the bracket marks, the keys
// the editor handles itself, the zoom and the search with F3.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ide/samples.h"
#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

class EditorViewTest : public EditorTest {};

TEST(CaretPlaceRows, LinesAndColumnsCountCharacters) {
  struct Row {
    const char* text;
    int32_t caret;
    const char* place;
  };
  const Row rows[] = {
      {"", 0, "行 1  列 1"},
      {"ab", 2, "行 1  列 3"},
      {"a\r\nb", 3, "行 2  列 1"},
      {"a\r\n表示x", 5, "行 2  列 3"},  // 表 and 示 are one character each
      {"a\r\n\r\nb", 5, "行 3  列 1"},
  };
  for (const Row& row : rows) EXPECT_EQ(CaretPlace(row.text, row.caret), row.place) << row.text;
}

TEST(NextZoomRows, StepsUpDownAndBack) {
  struct Row {
    int32_t from;
    int step;
    int32_t to;
  };
  const Row rows[] = {{100, 1, 110}, {100, -1, 90}, {110, -1, 100}, {300, 1, 300},
                      {50, -1, 50},  {250, 0, 100}, {105, 1, 110},  {105, -1, 100}};
  for (const Row& row : rows) EXPECT_EQ(NextZoom(row.from, row.step), row.to) << row.from;
}

TEST_F(EditorViewTest, TheStatusBarFollowsTheCaretAndTheChanges) {
  Open();
  EXPECT_EQ(editor_system_.status[1], "");
  Type("PAINT\r\n{");
  EXPECT_EQ(editor_system_.status[0], "行 2  列 2");
  EXPECT_EQ(editor_system_.status[1], "変更あり");
}

// A file opened, an example, a recovered copy: the text comes in at the
// kept size, and the status bar says where the caret is and whether the
// document now differs from its file, whatever it said before.
TEST_F(EditorViewTest, AWholeTextPutInShowsTheDocumentAsItNowStands) {
  struct Row {
    const char* name;
    bool typed_before;
    std::function<void()> put_in;
    const char* text;
    const char* changed;
  };
  const Row rows[] = {
      {"open", true, [] { OnEditorCommand(kCmdOpen, 0); }, "P{}", ""},
      {"open with lone line ends", false, [] { OnEditorCommand(kCmdOpen, 0); }, "L\r\n{}",
       "変更あり"},
      {"example", true, [] { OnEditorCommand(kSampleCommandBase, 0); }, "S{}", ""},
      {"recovered copy", false, [] { OfferRecoveryCopies(); }, "R{}", "変更あり"},
  };
  for (const Row& row : rows) {
    SetUp();
    editor_system_.settings["zoom"] = 125;
    editor_system_.samples = {{"s.zep", "S{}"}};
    host_.files["C:\\work\\prog.zep"] = std::string(row.name) == "open" ? "P{}" : "L\n{}";
    Open();
    if (row.typed_before) Type("x\r\ny");
    if (std::string(row.name) == "recovered copy") {
      host_.files[editor_system_.recovery_folder + "\\game.zep"] = "R{}";
    }
    host_.box_answers = {row.typed_before ? kNo : kYes};
    row.put_in();
    EXPECT_EQ(Text().text, row.text) << row.name;
    EXPECT_TRUE(Called("LoadText 125")) << row.name;
    EXPECT_EQ(editor_system_.status[0], "行 1  列 1") << row.name;
    EXPECT_EQ(editor_system_.status[1], row.changed) << row.name;
    TearDown();
  }
}

TEST_F(EditorViewTest, PaintingColoursTheShownLinesOnce) {
  Open();
  editor_system_.shown_first = 1;
  editor_system_.shown_last = 2;
  Type("PAINT\r\n{\r\nBox(1) ;\r\n}");
  editor_system_.coloured.clear();
  OnEditorTextPaint();
  // Lines 1 and 2 (the last one shown in part): plain, then Box and 1.
  EXPECT_EQ(::testing::PrintToString(editor_system_.coloured),
            "{ \"6-16:0\", \"8-11:2\", \"12-13:6\" }");
  editor_system_.coloured.clear();
  OnEditorTextPaint();
  EXPECT_TRUE(editor_system_.coloured.empty());
}

TEST_F(EditorViewTest, TheBracketAtTheCaretAndItsMatchAreMarked) {
  Open();
  Type("A{\r\nBox(1)\r\n}");
  editor_system_.coloured.clear();
  Select(8, 8);  // after "Box(": the bracket before the caret
  OnEditorSelectionChanged();
  // The marks typing left on "}" and "{" go; "(" and ")" (the control's
  // characters: a line end counts one) are marked.
  EXPECT_EQ(::testing::PrintToString(editor_system_.coloured),
            "{ \"10-11:0\", \"1-2:0\", \"6-7:0!\", \"8-9:0!\" }");
  editor_system_.coloured.clear();
  Select(0, 0);
  OnEditorSelectionChanged();
  EXPECT_EQ(::testing::PrintToString(editor_system_.coloured), "{ \"6-7:0\", \"8-9:0\" }");
}

TEST_F(EditorViewTest, EnterBraceAndTabChangeTheTextAsOneStep) {
  struct Row {
    const char* text;
    int32_t start, end;
    unsigned key;  // '\r', '}', '\t' (Tab) or 'T' (Shift+Tab)
    bool taken;
    const char* after;
  };
  const Row rows[] = {
      {"A {", 3, 3, '\r', true, "A {\r\n\t"},
      {"\tx", 2, 2, '\r', true, "\tx\r\n\t"},
      {"x", 1, 1, '\r', true, "x\r\n"},
      {"A {\r\n\t", 6, 6, '}', true, "A {\r\n}"},
      {"A {\r\n\tx", 7, 7, '}', false, "A {\r\n\tx"},
      {"a\r\nb", 0, 4, '\t', true, "\ta\r\n\tb"},
      {"ab", 0, 1, '\t', false, "ab"},
      {"\ta\r\n\tb", 0, 6, 'T', true, "a\r\nb"},
      {"\tab", 2, 2, 'T', true, "ab"},
  };
  for (const Row& row : rows) {
    Open();
    Type(row.text);
    Select(row.start, row.end);
    bool taken = row.key == '\t' || row.key == 'T' ? OnEditorTextTab(row.key == 'T')
                                                     : OnEditorTextChar(row.key);
    EXPECT_EQ(taken, row.taken) << row.text;
    EXPECT_EQ(Text().text, row.after) << row.text;
  }
}

TEST_F(EditorViewTest, ZoomStepsAreKeptForTheNextStart) {
  editor_system_.settings["zoom"] = 125;
  Open();
  EXPECT_EQ(editor.zoom, 125);
  OnEditorCommand(kCmdZoomIn, 0);
  EXPECT_EQ(editor_system_.settings["zoom"], 150);
  EXPECT_TRUE(Called("ZoomText 150"));
  OnEditorCommand(kCmdZoomReset, 0);
  EXPECT_EQ(editor_system_.settings["zoom"], 100);
  OnEditorCommand(kCmdZoomOut, 0);
  EXPECT_EQ(editor_system_.settings["zoom"], 90);
}

TEST_F(EditorViewTest, F1OpensTheReferenceAtTheNameThere) {
  struct Row {
    const char* text;
    int32_t start, end;
    const char* call;
  };
  const Row rows[] = {
      {"Box(1,2,3,4,0,0) ;", 1, 1, "HelpOn Box known"},
      {"a = MOUSE_X ;", 11, 11, "HelpOn MOUSE_X known"},   // just after the name
      {"TIMER\r\n{", 2, 2, "HelpOn TIMER known"},
      {"Boxx(1) ;", 0, 0, "HelpOn Boxx unknown"},          // searched for
      {"x = 1 ;", 0, 5, "HelpOn x = 1 unknown"},           // the selection
      {"  SetTimer \r\nx", 0, 13, "HelpOn SetTimer known"},
      {"( )", 1, 1, "Help ZEP2.HLP 3"},                     // no name: the contents
  };
  for (const Row& row : rows) {
    Open();
    Type(row.text);
    Select(row.start, row.end);
    host_.calls.clear();
    OnEditorCommand(kCmdHelpWord, 0);
    EXPECT_TRUE(Called(row.call)) << row.text << ": " << ::testing::PrintToString(host_.calls);
  }
}

TEST_F(EditorViewTest, FindNextGoesOnFromTheTopAndSaysSo) {
  struct Row {
    const char* wanted;
    int32_t caret;
    int32_t start;  // -1: not found
    const char* result;
  };
  const Row rows[] = {
      {"Box", 0, 2, ""},
      {"Box", 3, 2, "先頭に戻って見つけました"},
      {"ab", 1, 0, "先頭に戻って見つけました"},
      {"Prin", 0, -1, "見つかりません"},
  };
  for (const Row& row : rows) {
    Open();
    Type("abBox");
    control_system_.SetText(editor.search, row.wanted);
    Select(row.caret, row.caret);
    OnEditorCommand(kCmdFindNext, 0);
    EXPECT_EQ(editor_system_.status[2], row.result) << row.wanted << " " << row.caret;
    if (row.start >= 0) {
      EXPECT_EQ(Text().sel_start, row.start) << row.wanted;
      EXPECT_EQ(Selected(), row.wanted);
    }
  }
}

}  // namespace
}  // namespace zep
