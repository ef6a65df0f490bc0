// The RUN window and the script dialog answer the same events through their
// tables: each event runs the window's own section (the dialog's after its
// ID string) and no section of the other window; keys and characters set
// KEY and ASC for both; the focus goes to the window after its section.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "core/run_settings.h"
#include "core/variables.h"
#include "runtime/dialog.h"
#include "runtime/events.h"
#include "runtime/script_window.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

struct EventRow {
  const char* name;
  const char* section;  // without the dialog's ID string
  void (*send)(const ScriptWindowEvents& events, WindowRef window);
  const char* value;  // what the section stores, as the script writes it
  double stored;
};

const EventRow kEventRows[] = {
    {"key down", "KEYDOWN", [](const ScriptWindowEvents& e, WindowRef w) { e.key(w, true, 65); },
     "KEY", 65},
    {"key up", "KEYUP", [](const ScriptWindowEvents& e, WindowRef w) { e.key(w, false, 66); },
     "KEY", 66},
    {"character", "CHARDOWN",
     [](const ScriptWindowEvents& e, WindowRef w) { e.character(w, 0x61); }, "ASC", 0x61},
    {"timer", "TIMER", [](const ScriptWindowEvents& e, WindowRef w) { e.timer(w); }, "7", 7},
    {"focus", "SETFOCUS", [](const ScriptWindowEvents& e, WindowRef w) { e.set_focus(w); }, "8",
     8},
    {"paint", "PAINT", [](const ScriptWindowEvents& e, WindowRef w) { e.section(w, "PAINT"); },
     "9", 9},
    {"mouse button", "LBUTTONDOWN",
     [](const ScriptWindowEvents& e, WindowRef w) { e.section(w, "LBUTTONDOWN"); }, "10", 10},
    {"mouse move", "MOUSEMOVE",
     [](const ScriptWindowEvents& e, WindowRef w) { e.mouse_move(w, 9, 7); }, "11", 11},
    {"move", "MOVE", [](const ScriptWindowEvents& e, WindowRef w) { e.move(w, 30, 40); }, "12",
     12},
    {"size", "SIZE", [](const ScriptWindowEvents& e, WindowRef w) { e.size(w, 200, 100); }, "13",
     13},
};

struct WindowRow {
  const char* name;
  const char* prefix;  // of its sections
  const ScriptWindowEvents* events;
  WindowRef window;
};

class ScriptWindowTest : public RunTest,
                         public ::testing::WithParamInterface<std::tuple<EventRow, WindowRow>> {
 protected:
  // Every section of both windows stores its value in a variable of its own
  // window ("r" or "d" before the section's name).
  std::string Script() const {
    std::string script = "MAIN{DlgBox(\"ID_d\");}\r\n";
    for (const char* prefix : {"", "ID_d"}) {
      const char* mark = *prefix == '\0' ? "r" : "d";
      for (const EventRow& row : kEventRows) {
        script += std::string(prefix) + row.section + "{" + mark + row.section + "=" + row.value +
                  ";}\r\n";
      }
    }
    return script;
  }
};

TEST_P(ScriptWindowTest, EachEventRunsTheSectionOfItsOwnWindow) {
  const EventRow& event = std::get<0>(GetParam());
  const WindowRow& window = std::get<1>(GetParam());
  ASSERT_EQ(Load(Script().c_str()), 0) << error_name;
  OnRunCreate(kWindow);
  RunSection(kWindow, "MAIN");
  ASSERT_EQ(script_dialog.window, FakeDialogSystem::kDialog);
  host_.calls.clear();
  WindowRef target = window.window == nullptr ? kWindow : window.window;
  event.send(*window.events, target);
  EXPECT_EQ(error_code, 0) << error_name;
  std::string own = std::string(*window.prefix == '\0' ? "r" : "d") + event.section;
  std::string other = std::string(*window.prefix == '\0' ? "d" : "r") + event.section;
  EXPECT_EQ(Var(own.c_str()), event.stored);
  EXPECT_LT(FindVariable(other.c_str(), 1), 0) << "the other window's section ran";
  if (std::string(event.section) == "SETFOCUS") {
    ASSERT_FALSE(host_.calls.empty());
    EXPECT_EQ(host_.calls.back(), "SetFocusTo");
  }
}

const WindowRow kWindowRows[] = {
    {"run", "", &run_window_events, nullptr},  // the fixture's run window
    {"dialog", "ID_d", &dialog_window_events, FakeDialogSystem::kDialog},
};

INSTANTIATE_TEST_SUITE_P(
    Events, ScriptWindowTest,
    ::testing::Combine(::testing::ValuesIn(kEventRows), ::testing::ValuesIn(kWindowRows)),
    [](const auto& info) {
      std::string name = std::string(std::get<1>(info.param).name) + "_" +
                         std::get<0>(info.param).name;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace zep
