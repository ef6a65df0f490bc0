// The fixture of the run tests: every subsystem installed as the program
// installs them, with a recording host, window system and canvas.
#pragma once

#include <cstring>
#include <functional>
#include <string>

#include "core/errors.h"
#include "core/exec.h"
#include "graphics/palette.h"
#include "controls/button_system.h"
#include "runtime/events.h"
#include "runtime/start.h"
#include "runtime/subsystems.h"
#include "tests/core/interpreter_fixture.h"
#include "tests/doubles/fake_button_system.h"
#include "tests/doubles/fake_canvas.h"
#include "tests/doubles/fake_control_system.h"
#include "tests/doubles/fake_dialog_system.h"
#include "tests/doubles/fake_menu_system.h"
#include "tests/doubles/fake_sound_system.h"
#include "tests/doubles/fake_window_system.h"

namespace zep {

class RunTest : public InterpreterTest {
 protected:
  void SetUp() override {
    window_system = &window_system_;
    control_system = &control_system_;
    button_system = &button_system_;
    button_system_.on_command = [](WindowRef window, int id) { OnRunCommand(window, id, 0); };
    dialog_system = &dialog_system_;
    canvas_system = &canvas_;
    menu_system = &menu_system_;
    sound_system = &sound_system_;
    InterpreterTest::SetUp();
    ResetPalette();
  }
  void TearDown() override {
    EXPECT_EQ(canvas_.open_fronts, 0) << "a client-area context was not given back";
    InterpreterTest::TearDown();
    canvas_system = nullptr;
    menu_system = nullptr;
    window_system = nullptr;
    control_system = nullptr;
    button_system = nullptr;
    dialog_system = nullptr;
    sound_system = nullptr;
  }
  void Install() override { InstallSubsystems(); }
  // Loads as a run loads, with the window-size corrections.
  int Load(const char* script) override { return LoadRun(script, std::strlen(script)); }

  // Loads "CREATE{create}MAIN{body}", opens the window (palette reset, back
  // screen) and runs MAIN. Gives the error code; canvas_.calls then holds only
  // the calls made by MAIN.
  int RunBody(const std::string& body, const std::string& create = "") {
    std::string script = "CREATE{" + create + "}\r\nMAIN{" + body + "}\r\n";
    int code = Load(script.c_str());
    if (code != 0) return code;
    OnRunCreate(kWindow);
    canvas_.calls.clear();
    RunSection(kWindow, "MAIN");
    return error_code;
  }

  // Runs a script as a pupil first meets it: its load, its window's opening
  // and INIT, a paint, timer ticks, a move and a click of the mouse, a key
  // and a typed character, more ticks, then `more` (the caller's own
  // events), and its close. After each step there is no error and no box,
  // or, when own_boxes, no box but the script's own (MessBox); a failure
  // names the step.
  void RunAsMet(const std::string& script, bool own_boxes = false, const std::function<void()>& more = nullptr) {
    auto step = [&](const char* what) {
      EXPECT_EQ(error_code, 0) << what << ": " << error_name;
      for (const ShownBox& box : host_.boxes) {
        bool ours = box.title == "ZEP Error" || box.title == "ZEP Warning";
        EXPECT_TRUE(own_boxes && !ours) << what << ": " << box.text;
      }
    };
    ASSERT_EQ(Load(script.c_str()), 0) << error_name;
    OnRunCreate(kWindow);
    step("INIT");
    OnRunEvent(kWindow, "PAINT");
    step("PAINT");
    for (int i = 0; i < 60; ++i) OnRunTimer(kWindow);
    step("TIMER");
    OnRunMouseMove(kWindow, 100, 100);
    OnRunEvent(kWindow, "LBUTTONDOWN");
    OnRunEvent(kWindow, "LBUTTONUP");
    step("a click");
    OnRunKey(kWindow, true, 39);
    OnRunChar(kWindow, 'A');
    OnRunKey(kWindow, false, 39);
    step("a key");
    for (int i = 0; i < 30; ++i) OnRunTimer(kWindow);
    step("TIMER after the click and the key");
    if (more) {
      more();
      step("the events of its own");
    }
    // Without a CLOSE section the window closes as it is (the run meets the
    // quiet code of a missing section); a CLOSE section must end the run.
    bool closes = OnRunClose(kWindow);
    if (error_code == kErrNoSection) {
      error_code = 0;
    } else {
      EXPECT_TRUE(closes) << "CLOSE does not end the run";
    }
    step("CLOSE");
  }

  // The section made exactly the one canvas call given, or none when call is empty.
  void ExpectOnlyCall(const char* call) {
    if (call[0] == '\0') {
      EXPECT_TRUE(canvas_.calls.empty()) << canvas_.Last();
    } else {
      ASSERT_EQ(canvas_.calls.size(), 1u);
      EXPECT_EQ(canvas_.calls[0], call);
    }
  }

  static inline const WindowRef kWindow = reinterpret_cast<WindowRef>(0x1234);
  FakeWindowSystem window_system_{&host_.calls};
  FakeControlSystem control_system_{&host_.calls};
  FakeDialogSystem dialog_system_{&host_.calls};
  FakeCanvas canvas_;
  FakeButtonSystem button_system_{&host_.calls, &canvas_};
  FakeMenuSystem menu_system_{&host_.calls};
  FakeSoundSystem sound_system_{&host_.calls};
};

// The drawing, screen and text commands' tests.
class GraphicsTest : public RunTest {};

}  // namespace zep

namespace zep {

// A table row's name for test listings: its script text with every byte
// that is not a letter or digit shown as '_', so that test runners can use it.
inline std::string RowName(const char* text) {
  std::string name;
  for (const char* p = text; *p != '\0' && name.size() < 48; ++p) {
    bool plain = (*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z');
    name += plain ? *p : '_';
  }
  return name;
}

}  // namespace zep
