// The fixture of the editor tests: every subsystem installed as the program
// installs them, the editor's platform recorded, its text control counting
// characters as the platform's does and telling the editor of each change.
// Open() makes the editor window as the platform's WM_CREATE does.
#pragma once

#include <string>

#include "core/args.h"
#include "core/run_settings.h"
#include "ide/document.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/recovery.h"
#include "ide/toolbar.h"
#include "runtime/events.h"
#include "tests/doubles/fake_editor_system.h"
#include "tests/run/run_fixture.h"

namespace zep {

class EditorTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    editor_system = &editor_system_;
    control_system_.character_positions = true;
    control_system_.on_change = [](WindowRef w) {
      if (w == editor.text) OnEditorCommand(kTextControlId, kTextChanged);
    };
    editor_system_.on_run_window = [](WindowRef w) { OnRunCreate(w); };
    button_system_.clients[kStatusBar] = {0, 0, 400, 20};
    editor = Editor{};
    file_name[0] = '\0';
    run_state.running = 0;
    recovery_interval_ms = kRecoveryIntervalMs;
  }
  void TearDown() override {
    if (run_window != nullptr) OnRunDestroy(run_window);
    run_ended = nullptr;
    editor_system = nullptr;
    RunTest::TearDown();
  }

  void Open() {
    OnEditorCreate(kEditor);
    host_.calls.clear();
  }
  FakeControlSystem::Child& Text() { return control_system_.children[editor.text]; }
  FakeControlSystem::Child& Search() { return control_system_.children[editor.search]; }
  // Types text at the caret, as the user does (a change).
  void Type(const std::string& text) { control_system_.ReplaceSelection(editor.text, text.c_str()); }
  void Select(int32_t start, int32_t end) { control_system_.SetSelection(editor.text, start, end); }
  std::string Selected() {
    FakeControlSystem::Child& c = Text();
    std::string shown;
    int32_t n = 0;
    for (size_t at = 0; at < c.text.size(); at += CharLength(&c.text[at]), ++n) {
      if (n >= c.sel_start && n < c.sel_end) shown += c.text.substr(at, CharLength(&c.text[at]));
    }
    return shown;
  }
  std::string LastBoxTitle() const { return host_.boxes.empty() ? "" : host_.boxes.back().title; }
  bool Called(const std::string& call) const {
    for (const std::string& c : host_.calls) {
      if (c == call) return true;
    }
    return false;
  }
  std::string Title() const { return window_system_.title; }

  static constexpr int kYes = 6, kNo = 7, kCancel = 2;
  static inline const WindowRef kEditor = reinterpret_cast<WindowRef>(0x7777);
  // The fake control system's window for the status bar (id 202).
  static inline const WindowRef kStatusBar = reinterpret_cast<WindowRef>(0x1000 + 202);
  FakeEditorSystem editor_system_{&host_.calls, &host_.files};
};

}  // namespace zep
