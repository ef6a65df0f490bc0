// Bitmap buttons: creation, the frame lines, the drawing commands, the hover,
// press, release and hint steps, and the surfaces' release at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/bitmap_buttons.h"
#include "controls/registry.h"
#include "core/control_table.h"
#include "tests/run/bmp_test_files.h"
#include "tests/run/picture_test_files.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

// A bitmap button "ID_b" (hint "Hint", 20 by 10 at 30,40), a second one
// "ID_e" with no hint, and a push button "ID_p". ID_b's section counts its
// runs in n.
constexpr const char* kButtons =
    "CreateControl(1,\"Hint\",\"ID_b\",30,40,20,10);"
    "CreateControl(1,\"\",\"ID_e\",60,40,20,10);"
    "CreateControl(0,\"push\",\"ID_p\",90,40,20,10);";

class BitmapButtonsTest : public RunTest {
 protected:
  // Opens the window with the buttons and paints them (as the platform does
  // when it shows them), with the run window holding the focus.
  void Open() {
    std::string script = std::string("CREATE{") + kButtons + "}\r\nINIT{n=0;}\r\nID_b{n=n+1;}\r\n"
                         "DRAW{BmpBtPoint(\"ID_b\",1,1,0);}\r\n";
    ASSERT_EQ(Load(script.c_str()), 0) << error_name;
    OnRunCreate(kWindow);
    button_system_.focus = kWindow;
    OnButtonPaint(Button(0));
    OnButtonPaint(Button(1));
    host_.calls.clear();
    canvas_.calls.clear();
  }
  WindowRef Button(int k) { return control_table.records[k].window; }
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(host_.calls.begin(), host_.calls.end(), call));
  }
  // The canvas calls of one frame on surface<n> of a 20 by 10 button.
  static std::vector<std::string> Frame(int n, bool sunken) {
    std::string s = "Line surface" + std::to_string(n) + " ";
    const char* w = "ffffff brush none";
    const char* l = "e0e0e0 brush none";
    const char* g = "808080 brush none";
    const char* k = "000000 brush none";
    std::vector<std::string> top = {s + "(0,0)(19,0) pen " + (sunken ? k : w),
                                    s + "(1,1)(18,1) pen " + (sunken ? g : l),
                                    s + "(0,0)(0,9) pen " + (sunken ? k : w),
                                    s + "(1,1)(1,8) pen " + (sunken ? g : l)};
    std::vector<std::string> right = {s + "(19,0)(19,10) pen " + (sunken ? w : k),
                                      s + "(18,1)(18,9) pen " + (sunken ? l : g)};
    std::vector<std::string> bottom = {s + "(0,9)(20,9) pen " + (sunken ? w : k),
                                       s + "(1,8)(19,8) pen " + (sunken ? l : g)};
    for (auto& line : sunken ? bottom : right) top.push_back(line);
    for (auto& line : sunken ? right : bottom) top.push_back(line);
    return top;
  }
};

TEST(FrameLines, RaisedAndSunkenLineByLine) {
  struct Row {
    int32_t fx, fy, tx, ty;
    uint8_t grey;
  };
  // 20 by 10: a = 19, b = 9.
  const Row raised[] = {{0, 0, 19, 0, 255},  {1, 1, 18, 1, 224},  {0, 0, 0, 9, 255},
                        {1, 1, 1, 8, 224},   {19, 0, 19, 10, 0},  {18, 1, 18, 9, 128},
                        {0, 9, 20, 9, 0},    {1, 8, 19, 8, 128}};
  const Row sunken[] = {{0, 0, 19, 0, 0},    {1, 1, 18, 1, 128},  {0, 0, 0, 9, 0},
                        {1, 1, 1, 8, 128},   {0, 9, 20, 9, 255},  {1, 8, 19, 8, 224},
                        {19, 0, 19, 10, 255}, {18, 1, 18, 9, 224}};
  for (bool is_sunken : {false, true}) {
    FrameLine lines[kFrameLines];
    FrameLinesOf(20, 10, is_sunken, lines);
    const Row* rows = is_sunken ? sunken : raised;
    for (int i = 0; i < kFrameLines; ++i) {
      SCOPED_TRACE((is_sunken ? "sunken line " : "raised line ") + std::to_string(i));
      EXPECT_EQ(lines[i].from.x, rows[i].fx);
      EXPECT_EQ(lines[i].from.y, rows[i].fy);
      EXPECT_EQ(lines[i].to.x, rows[i].tx);
      EXPECT_EQ(lines[i].to.y, rows[i].ty);
      EXPECT_EQ(lines[i].colour.r, rows[i].grey);
      EXPECT_EQ(lines[i].colour.g, rows[i].grey);
      EXPECT_EQ(lines[i].colour.b, rows[i].grey);
    }
  }
}

TEST_F(BitmapButtonsTest, CreationMakesTheWindowAndAGreySurface) {
  std::string script = std::string("CREATE{") + kButtons + "}\r\n";
  ASSERT_EQ(Load(script.c_str()), 0);
  host_.calls.clear();
  OnRunCreate(kWindow);
  EXPECT_EQ(button_system_.registrations, 1);
  EXPECT_EQ(Count("CreateButtonWindow 30,40,20,10"), 1);
  EXPECT_EQ(Count("CreateSurface button1 20,10"), 1);
  EXPECT_EQ(Count("ShowAndUpdate button1"), 1);
  EXPECT_EQ(Count("CreateButtonWindow 60,40,20,10"), 1);
  // Only the push button is a standard child; every control gets its font.
  EXPECT_EQ(Count("CreateChild BUTTON \"push\" 50000000 90,40,20,10 id 602"), 1);
  EXPECT_EQ(control_system_.fonts_alive, 3);
  ASSERT_GE(canvas_.calls.size(), 2u);
  EXPECT_EQ(canvas_.calls[0], "Rectangle surface1 0,0,20,10 pen c0c0c0 brush c0c0c0");
  EXPECT_EQ(canvas_.calls[1], "Rectangle surface2 0,0,20,10 pen c0c0c0 brush c0c0c0");
  EXPECT_EQ(control_table.records[0].command_id, 600);
  EXPECT_EQ(control_table.records[1].command_id, 601);
  EXPECT_EQ(control_table.records[0].pressed, 0);
  EXPECT_EQ(bitmap_buttons.button_parent, kWindow);
  EXPECT_EQ(bitmap_buttons.hint_owner, -1);
}

TEST_F(BitmapButtonsTest, InADialogTypeOneIsAPushButton) {
  std::string script = std::string("CREATE{") + kButtons + "}\r\n";
  ASSERT_EQ(Load(script.c_str()), 0);
  host_.calls.clear();
  CreateControls(kWindow, 0, ControlOwner::kDialog);
  EXPECT_EQ(Count("CreateChild BUTTON \"Hint\" 50000000 30,40,20,10 id 600"), 1);
  EXPECT_EQ(Count("CreateButtonWindow 30,40,20,10"), 0);
  EXPECT_TRUE(button_system_.live_surfaces.empty());
  DeleteControlFonts(0);
}

TEST_F(BitmapButtonsTest, PaintDrawsTheFrameOfThePressedState) {
  Open();
  OnButtonPaint(Button(0));
  EXPECT_EQ(canvas_.calls, Frame(1, false));
  EXPECT_EQ(host_.calls, std::vector<std::string>{"ShowSurface button1 surface1 20,10"});
  canvas_.calls.clear();
  OnButtonDown(Button(0));
  EXPECT_EQ(canvas_.calls, Frame(1, true));
  canvas_.calls.clear();
  OnButtonPaint(Button(0));
  EXPECT_EQ(canvas_.calls, Frame(1, true));
}

struct CommandRow {
  const char* body;
  int code;
  const char* figure;  // the drawing call before the frame; "" for none
  const char* host;    // a platform call that must be made, or ""
};

class ButtonCommands : public BitmapButtonsTest, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(ButtonCommands, DrawThenRaisedFrame) {
  const CommandRow& row = GetParam();
  host_.files["p.jpg"] = MakeJpeg(16, 16);
  EXPECT_EQ(RunBody(row.body, kButtons), row.code) << row.body;
  bool drawn = row.code == 0 && (row.figure[0] != '\0' || row.host[0] != '\0');
  std::vector<std::string> expected;
  if (row.figure[0] != '\0') expected.push_back(row.figure);
  if (drawn) {
    for (const std::string& line : Frame(1, false)) expected.push_back(line);
  }
  if (std::string(row.body).find("GrpFile") == std::string::npos) {
    EXPECT_EQ(canvas_.calls, expected);
  } else if (drawn) {  // the picture's own calls come first
    ASSERT_GE(canvas_.calls.size(), 8u);
    std::vector<std::string> tail(canvas_.calls.end() - 8, canvas_.calls.end());
    EXPECT_EQ(tail, Frame(1, false));
    EXPECT_EQ(canvas_.calls[canvas_.calls.size() - 9], row.figure);
  }
  EXPECT_EQ(Count("ShowSurface button1 surface1 20,10"), drawn ? 1 : 0);
  if (row.host[0] != '\0') {
    EXPECT_EQ(Count(row.host), row.code == 0 ? 1 : 0) << row.host;
  }
}

const CommandRow kCommandRows[] = {
    {"BmpBtBox(\"ID_b\",1,2,8,9,2,-1);", 0, "Rectangle surface1 1,2,8,9 pen ff0000 brush none", ""},
    {"BmpBtBox(\"ID_b\",1,2,8,9,-4,6);", 0, "Rectangle surface1 1,2,8,9 pen 00ff00 dot brush ffff00", ""},
    {"BmpBtBox(\"ID_b\",1,2,8,9,-15,-100);", 0, "Rectangle surface1 1,2,8,9 pen c0c0c0 dot brush none", ""},
    {"BmpBtBox(\"ID_b\",1,2,8,9,16,0);", 1, "", ""},
    {"BmpBtBox(\"ID_b\",1,2,8,9,-16,0);", 1, "", ""},
    {"BmpBtBox(\"ID_b\",1,2,8,9,0,16);", 1, "", ""},
    {"BmpBtBox(\"ID_b\",1,2,8,9,0);", 8, "", ""},
    {"BmpBtBox(\"ID_x\",1,2,8,9,0,0);", 24, "", ""},
    {"BmpBtBox(\"ID_p\",1,2,8,9,0,0);", 26, "", ""},
    {"BmpBtCircle(\"ID_b\",0,0,20,10,0,7);", 0, "Ellipse surface1 0,0,20,10 pen 000000 brush ffffff", ""},
    {"BmpBtCircle(\"ID_b\",0,0,20,10,0,16);", 1, "", ""},
    {"BmpBtCircle(\"ID_p\",0,0,20,10,0,7);", 26, "", ""},
    {"BmpBtLine(\"ID_b\",0,0,5,5,-1);", 0, "Line surface1 (0,0)(5,5) pen 0000ff dot brush 0000ff", ""},
    {"BmpBtLine(\"ID_b\",2,3,4,5,9);", 0, "Line surface1 (2,3)(4,5) pen 800000 brush 0000ff", ""},
    {"BmpBtLine(\"ID_b\",0,0,5,5,-16);", 1, "", ""},
    {"BmpBtLine(\"ID_b\",0,0,5,5,1,1);", 23, "", ""},
    {"BmpBtPoint(\"ID_b\",3,4,2);", 0, "SetPixel surface1 3,4 ff0000", ""},
    {"BmpBtPoint(\"ID_b\",3,4,16);", 1, "", ""},
    {"BmpBtPoint(\"ID_b\",3,4,-1);", 1, "", ""},
    {"BmpBtPoint(\"ID_x\",3,4,16);", 24, "", ""},
    {"BmpBtPoint(\"ID_p\",3,4,16);", 26, "", ""},
    {"SetButtonGrp(\"ID_b\",3);", 0, "", "DrawIconAt surface1 139"},
    {"SetButtonGrp(\"ID_b\",20);", 0, "", "DrawIconAt surface1 163"},
    {"SetButtonGrp(\"ID_b\",0);", 0, "", ""},
    {"SetButtonGrp(\"ID_b\",21);", 0, "", ""},
    {"SetButtonGrp(\"ID_p\",1);", 26, "", "DrawIconAt surface1 161"},
    {"SetButtonGrp(\"ID_y\",1);", 24, "", ""},
    {"SetButtonGrpFile(\"ID_b\",\"p.jpg\");", 0, "RenderPicture surface1 0,0,96,96", ""},
    {"SetButtonGrpFile(\"ID_b\",\"none.jpg\");", 15, "", ""},
    {"SetButtonGrpFile(\"ID_p\",\"p.jpg\");", 26, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, ButtonCommands, ::testing::ValuesIn(kCommandRows),
                         [](const auto& info) { return RowName(info.param.body); });

// A picture file that fails the checks (here a 154-byte bitmap that
// declares 1,000,000 x 7 pixels) never reaches the decoder: the face keeps
// what it had, gets its frame, and the section goes on.
TEST_F(BitmapButtonsTest, UncheckedPictureFileDrawsNothingAndTheSectionGoesOn) {
  host_.files["wide.bmp"] = FileHeader() + InfoHeader(40, 1000000, 7, 24, 0) + std::string(100, '\0');
  EXPECT_EQ(RunBody("SetButtonGrpFile(\"ID_b\",\"wide.bmp\");BmpBtPoint(\"ID_b\",3,4,2);", kButtons),
            0);
  std::vector<std::string> expected = Frame(1, false);
  expected.push_back("SetPixel surface1 3,4 ff0000");
  for (const std::string& line : Frame(1, false)) expected.push_back(line);
  EXPECT_EQ(canvas_.calls, expected);
}

TEST_F(BitmapButtonsTest, EachButtonDrawsOnItsOwnSurface) {
  EXPECT_EQ(RunBody("BmpBtPoint(\"ID_e\",3,4,2);", kButtons), 0);
  ASSERT_FALSE(canvas_.calls.empty());
  EXPECT_EQ(canvas_.calls[0], "SetPixel surface2 3,4 ff0000");
  EXPECT_EQ(Count("ShowSurface button2 surface2 20,10"), 1);
}

TEST_F(BitmapButtonsTest, DrawingWhileHeldDownShowsItRaised) {
  Open();
  OnButtonDown(Button(0));
  canvas_.calls.clear();
  RunSection(kWindow, "DRAW");
  EXPECT_EQ(error_code, 0);
  std::vector<std::string> expected = {"SetPixel surface1 1,1 000000"};
  for (const std::string& line : Frame(1, false)) expected.push_back(line);
  EXPECT_EQ(canvas_.calls, expected);
  EXPECT_EQ(control_table.records[0].pressed, 1);
}

// One step of the pointer and timers on ID_b: 'm' x y a move, 'd' down,
// 'u' up, 't' the button's timer, 'h' the hint's own timer.
struct Step {
  char what;
  int32_t x = 0, y = 0;
};

struct MachineRow {
  const char* name;
  std::vector<Step> steps;
  double runs;         // how often ID_b's section ran
  int hint_visible, hovering, pressed;
  int hints_made, closes_sent, captures;
};

class ButtonMachine : public BitmapButtonsTest, public ::testing::WithParamInterface<MachineRow> {};

TEST_P(ButtonMachine, StepsAndOutcome) {
  const MachineRow& row = GetParam();
  Open();
  WindowRef b = Button(0);
  WindowRef hint = nullptr;
  for (const Step& s : row.steps) {
    switch (s.what) {
      case 'm': OnButtonMouseMove(b, s.x, s.y); break;
      case 'd': OnButtonDown(b); break;
      case 'u': OnButtonUp(b); break;
      case 't': OnButtonTimer(b); hint = bitmap_buttons.hint_window; break;
      case 'h': if (hint != nullptr) OnHintTimer(hint); break;
    }
  }
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(Var("n"), row.runs);
  EXPECT_EQ(bitmap_buttons.hint_visible, row.hint_visible);
  EXPECT_EQ(bitmap_buttons.hovering, row.hovering);
  EXPECT_EQ(control_table.records[0].pressed, row.pressed);
  auto starts = [&](const char* prefix) {
    return std::count_if(host_.calls.begin(), host_.calls.end(),
                         [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
  };
  EXPECT_EQ(starts("CreateHintWindow"), row.hints_made);
  EXPECT_EQ(starts("SendClose hint"), row.closes_sent);
  EXPECT_EQ(starts("CaptureMouse button1"), row.captures);
  EXPECT_EQ(button_system_.live_hints.size(), static_cast<size_t>(row.hint_visible));
}

const MachineRow kMachineRows[] = {
    {"press_release_inside", {{'m', 5, 5}, {'d'}, {'u'}}, 1, 0, 0, 0, 0, 0, 1},
    {"press_release_without_move", {{'d'}, {'u'}}, 1, 0, 0, 0, 0, 0, 0},
    {"release_without_press", {{'m', 5, 5}, {'u'}}, 0, 0, 1, 0, 0, 0, 1},
    {"press_leave_release", {{'m', 5, 5}, {'d'}, {'m', 25, 5}, {'u'}}, 0, 0, 0, 0, 0, 0, 1},
    {"press_leave_left_release", {{'m', 5, 5}, {'d'}, {'m', 65535, 5}, {'u'}}, 0, 0, 0, 0, 0, 0, 1},
    {"two_clicks", {{'m', 5, 5}, {'d'}, {'u'}, {'m', 6, 5}, {'d'}, {'u'}}, 2, 0, 0, 0, 0, 0, 2},
    {"moves_inside_capture_once", {{'m', 5, 5}, {'m', 6, 6}, {'m', 7, 7}}, 0, 0, 1, 0, 0, 0, 1},
    {"edge_is_outside", {{'m', 0, 5}, {'m', 5, 0}, {'m', 20, 5}, {'m', 5, 10}}, 0, 0, 0, 0, 0, 0, 0},
    {"timer_shows_hint", {{'m', 5, 5}, {'t'}}, 0, 1, 1, 0, 1, 0, 1},
    {"leave_closes_hint", {{'m', 5, 5}, {'t'}, {'m', 30, 30}}, 0, 0, 0, 0, 1, 1, 1},
    {"press_closes_hint", {{'m', 5, 5}, {'t'}, {'d'}}, 0, 0, 1, 1, 1, 1, 1},
    {"hint_life_ends", {{'m', 5, 5}, {'t'}, {'h'}}, 0, 0, 1, 0, 1, 1, 1},
    {"release_after_hint", {{'m', 5, 5}, {'t'}, {'d'}, {'u'}}, 1, 0, 0, 0, 1, 1, 1},
};

INSTANTIATE_TEST_SUITE_P(Rows, ButtonMachine, ::testing::ValuesIn(kMachineRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitmapButtonsTest, HoverStartsCaptureCursorAndDelay) {
  Open();
  OnButtonMouseMove(Button(0), 5, 5);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"SetArrowCursor", "CaptureMouse button1",
                                                   "StartTimer1 button1 1000"}));
  host_.calls.clear();
  OnButtonMouseMove(Button(0), 40, 5);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"ReleaseMouse", "StopTimer1 button1",
                                                   "ShowSurface button1 surface1 20,10"}));
}

TEST_F(BitmapButtonsTest, NoHoverWhileAnotherWindowHasTheFocus) {
  Open();
  button_system_.focus = reinterpret_cast<WindowRef>(0x9999);
  OnButtonMouseMove(Button(0), 5, 5);
  EXPECT_TRUE(host_.calls.empty());
  EXPECT_EQ(bitmap_buttons.hovering, 0);
  button_system_.focus = control_table.records[2].window;  // the push button
  OnButtonMouseMove(Button(0), 5, 5);
  EXPECT_EQ(bitmap_buttons.hovering, 1);
}

TEST_F(BitmapButtonsTest, PointOutsideTheParentsClientAreaIsOutside) {
  Open();
  button_system_.button_origin = {395, 10};  // the button hangs over the right edge
  OnButtonMouseMove(Button(0), 5, 5);  // 400 in the parent: outside
  EXPECT_EQ(bitmap_buttons.hovering, 0);
  OnButtonMouseMove(Button(0), 4, 5);  // 399
  EXPECT_EQ(bitmap_buttons.hovering, 1);
}

TEST_F(BitmapButtonsTest, HintSizeAndPlace) {
  Open();
  OnButtonMouseMove(Button(0), 5, 6);
  OnButtonTimer(Button(0));
  // "Hint": 4 bytes of 6 + 12 wide, 12 + 4 high; (5,6) on the screen at
  // (105,206), plus (8,24).
  EXPECT_EQ(Count("CreateHintWindow button1 113,230,36,16"), 1);
  EXPECT_EQ(Count("StopTimer1 button1"), 1);
  EXPECT_EQ(bitmap_buttons.hint_owner, 0);
  OnHintCreate(bitmap_buttons.hint_window);
  EXPECT_EQ(Count("StartTimer1 hint1 8000"), 1);
  // No frame is drawn over the button while its hint shows.
  canvas_.calls.clear();
  OnButtonPaint(Button(0));
  EXPECT_TRUE(canvas_.calls.empty());
}

TEST_F(BitmapButtonsTest, SetControlFontResizesTheHint) {
  std::string script = std::string("CREATE{") + kButtons +
                       "}\r\nINIT{SetControlFont(\"ID_b\",\"x\",8,20,0);"
                       "SetButtonText(\"ID_b\",\"Hello\");}\r\n";
  ASSERT_EQ(Load(script.c_str()), 0);
  OnRunCreate(kWindow);
  ASSERT_EQ(error_code, 0);
  button_system_.focus = kWindow;
  OnButtonPaint(Button(0));
  OnButtonMouseMove(Button(0), 1, 1);
  OnButtonTimer(Button(0));
  EXPECT_EQ(Count("CreateHintWindow button1 109,225,52,24"), 1);  // 5 * 8 + 12, 20 + 4
}

TEST_F(BitmapButtonsTest, EmptyTextNeverShowsAHint) {
  Open();
  OnButtonMouseMove(Button(1), 5, 5);
  EXPECT_EQ(Count("CaptureMouse button2"), 1);
  EXPECT_EQ(Count("StartTimer1 button2 1000"), 1);
  OnButtonTimer(Button(1));
  EXPECT_EQ(bitmap_buttons.hint_visible, 0);
  EXPECT_TRUE(button_system_.live_hints.empty());
}

TEST_F(BitmapButtonsTest, ACloseReleasesTheSurfaceOnce) {
  Open();
  OnButtonMouseMove(Button(0), 5, 5);
  OnButtonClose(Button(0));
  EXPECT_EQ(Count("ReleaseMouse"), 1);
  EXPECT_EQ(Count("ReleaseSurface surface1"), 1);
  EXPECT_EQ(button_system_.live_surfaces.size(), 1u);
  OnRunDestroy(kWindow);
  EXPECT_TRUE(button_system_.live_surfaces.empty());
  EXPECT_EQ(Count("ReleaseSurface surface1"), 1);
}

TEST_F(BitmapButtonsTest, TwoRunsReleaseEverySurface) {
  Open();
  OnButtonMouseMove(Button(0), 5, 5);
  OnButtonTimer(Button(0));
  EXPECT_EQ(button_system_.live_surfaces.size(), 2u);
  OnRunDestroy(kWindow);
  EXPECT_TRUE(button_system_.live_surfaces.empty());
  EXPECT_TRUE(button_system_.live_hints.empty());
  EXPECT_EQ(bitmap_buttons.hint_visible, 0);
  ASSERT_EQ(Load("CREATE{CreateControl(1,\"a\",\"ID_a\",0,0,8,8);}\r\n"), 0);
  OnRunCreate(kWindow);
  EXPECT_EQ(button_system_.live_surfaces.size(), 1u);
  EXPECT_EQ(button_surfaces[1].surface, nullptr);
  EXPECT_EQ(bitmap_buttons.hovering, 0);
  OnRunDestroy(kWindow);
  EXPECT_TRUE(button_system_.live_surfaces.empty());
  EXPECT_EQ(button_system_.registrations, 2);
}

}  // namespace
}  // namespace zep
