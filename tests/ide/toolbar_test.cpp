// The editor's toolbar: the editor's face of the button model, with its
// single frame, icons, hover rule, hint and commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

class ToolbarTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    button_system_.on_command = [](WindowRef, int id) { OnEditorCommand(id, 0); };
  }
  // The editor with its buttons painted once, the text control focused.
  void OpenToolbar() {
    OnEditorCreate(kEditor);
    for (int k = 0; k < editor.toolbar.count; ++k) toolbar_buttons.OnPaint(Button(k));
    button_system_.focus = editor.text;
    host_.calls.clear();
    canvas_.calls.clear();
  }
  WindowRef Button(int k) { return editor.toolbar.buttons[k].window; }
  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(host_.calls.begin(), host_.calls.end(),
        [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
  }
};

TEST(ToolbarFrame, OneLineEachSide) {
  struct Row {
    int32_t fx, fy, tx, ty;
    uint8_t raised, sunken;
  };
  // 22 by 22: w = 21, h = 21; top, left, bottom, right.
  const Row rows[] = {{0, 0, 21, 0, 255, 0}, {0, 0, 0, 21, 255, 0},
                      {0, 21, 22, 21, 0, 255}, {21, 0, 21, 22, 0, 255}};
  for (bool sunken : {false, true}) {
    FrameLine lines[kFrameLines];
    ASSERT_EQ(SingleFrameLines(22, 22, sunken, lines), 4);
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(lines[i].from.x, rows[i].fx);
      EXPECT_EQ(lines[i].from.y, rows[i].fy);
      EXPECT_EQ(lines[i].to.x, rows[i].tx);
      EXPECT_EQ(lines[i].to.y, rows[i].ty);
      EXPECT_EQ(lines[i].colour.g, sunken ? rows[i].sunken : rows[i].raised);
    }
  }
}

TEST_F(ToolbarTest, CreationPaintsTheFaceAndTheIcon) {
  OnEditorCreate(kEditor);
  EXPECT_EQ(Count("RegisterToolbarClasses"), 1);
  EXPECT_EQ(Count("CreateFont"), 2);  // the search box's font and the hints' font
  EXPECT_EQ(Count("DrawIconAt surface1 139"), 1);
  EXPECT_EQ(Count("DrawIconAt surface2 140"), 1);
  EXPECT_EQ(Count("DrawIconAt surface3 163"), 1);  // the watch window's
  EXPECT_EQ(Count("DrawIconAt surface4 143"), 1);
  EXPECT_EQ(canvas_.calls.at(0), "Rectangle surface1 0,0,22,22 pen c0c0c0 brush c0c0c0");
  EXPECT_EQ(Count("ShowAndUpdate button"), 4);
  EXPECT_STREQ(editor.toolbar.buttons[1].hint, "プログラム実行");
  EXPECT_EQ(editor.toolbar.state.button_parent, kEditor);
}

TEST_F(ToolbarTest, ASeventhButtonIsRefused) {
  OpenToolbar();
  EXPECT_NE(CreateToolbarButton(kEditor, 400, 4, 22, 22, "5", 139), nullptr);
  EXPECT_NE(CreateToolbarButton(kEditor, 430, 4, 22, 22, "6", 139), nullptr);
  EXPECT_EQ(CreateToolbarButton(kEditor, 460, 4, 22, 22, "7", 139), nullptr);
  EXPECT_EQ(editor.toolbar.count, 6);
}

TEST_F(ToolbarTest, AFailedRegistrationMakesNoButton) {
  editor_system_.registration_fails = true;
  OnEditorCreate(kEditor);
  EXPECT_EQ(editor.toolbar.count, 0);
  EXPECT_EQ(Count("CreateButtonWindow"), 0);
  EXPECT_EQ(Count("CreateFont"), 2);  // the hints' font is made once, not per try
}

TEST_F(ToolbarTest, HoverOnlyWhileTheTextControlHasTheFocus) {
  OpenToolbar();
  button_system_.focus = editor.search;
  toolbar_buttons.OnMouseMove(Button(0), 5, 5);
  EXPECT_EQ(editor.toolbar.state.hovering, 0);
  EXPECT_TRUE(host_.calls.empty());
  button_system_.focus = editor.text;
  toolbar_buttons.OnMouseMove(Button(0), 5, 5);
  EXPECT_EQ(editor.toolbar.state.hovering, 1);
  EXPECT_EQ(Count("StartTimer1 button1 1000"), 1);
}

TEST_F(ToolbarTest, TheHintIsSizedForItsBytesAndGivesTheFocusToTheEditor) {
  OpenToolbar();
  toolbar_buttons.OnMouseMove(Button(0), 5, 6);
  toolbar_buttons.OnTimer(Button(0));
  // "上書き保存": 10 bytes of 6 pixels + 12; 12 + 4 high; (5,6) of the
  // button at (105,206) on the screen, plus (8,24).
  EXPECT_EQ(Count("CreateHintWindow BStr_class button1 113,230,72,16"), 1);
  toolbar_buttons.OnHintCreate(editor.toolbar.state.hint_window);
  EXPECT_EQ(Count("StartTimer1 hint1 8000"), 1);
  EXPECT_EQ(toolbar_buttons.face.HintFocusTarget(editor.text), kEditor);
  toolbar_buttons.OnDown(Button(0));
  EXPECT_EQ(editor.toolbar.state.hint_visible, 0);
  EXPECT_EQ(Count("SendClose hint1"), 1);
}

TEST_F(ToolbarTest, AClickRunsTheCommandAndLeavingWhilePressedDoesNot) {
  OpenToolbar();
  toolbar_buttons.OnMouseMove(Button(2), 5, 5);
  toolbar_buttons.OnDown(Button(2));
  toolbar_buttons.OnMouseMove(Button(2), 30, 5);
  toolbar_buttons.OnUp(Button(2));
  EXPECT_EQ(Count("SendCommand"), 0);
  toolbar_buttons.OnMouseMove(Button(1), 5, 5);
  toolbar_buttons.OnDown(Button(1));
  toolbar_buttons.OnUp(Button(1));
  EXPECT_EQ(Count("SendCommand 140"), 1);
  EXPECT_EQ(LastBox(), "内容がありません");  // Run on the empty text
}

TEST_F(ToolbarTest, ClosingTheFirstButtonDeletesTheHintFont) {
  OpenToolbar();
  int fonts = control_system_.fonts_alive;
  toolbar_buttons.OnClose(Button(1));
  EXPECT_EQ(control_system_.fonts_alive, fonts);
  toolbar_buttons.OnClose(Button(0));
  EXPECT_EQ(control_system_.fonts_alive, fonts - 1);
  EXPECT_EQ(Count("ReleaseSurface"), 2);
  ReleaseToolbar();
  EXPECT_TRUE(button_system_.live_surfaces.empty());
}

}  // namespace
}  // namespace zep
