// The editor's own platform calls for the host tests: the file dialogs
// answer from the test's settings, the run window's creation runs the run
// window's opening (as the platform's WM_CREATE does), the examples are the
// test's, and every call is recorded into the shared call list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/control_system.h"
#include "core/common.h"
#include "ide/editor_system.h"

namespace zep {

class FakeEditorSystem : public EditorSystem {
 public:
  explicit FakeEditorSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  // What the next file dialog answers: a path and name, or a cancel.
  bool dialog_cancels = false;
  std::string dialog_path = "C:\\work\\prog.zep";
  std::string dialog_name = "prog.zep";
  bool run_window_fails = false;
  bool registration_fails = false;
  // The run window's opening, called with its handle when one is made.
  std::function<void(WindowRef)> on_run_window;
  static inline const WindowRef kRunWindow = reinterpret_cast<WindowRef>(0x2222);
  // The examples the program holds, in its order: file name and bytes.
  std::vector<std::pair<std::string, std::string>> samples;

  // Recorded as "ChooseScriptFile open|save TITLE FILTERS start PATH".
  bool ChooseScriptFile(WindowRef, bool save, const char* title, const char* filters,
                        char* path, char* name) override {
    Log(std::string("ChooseScriptFile ") + (save ? "save " : "open ") + title + " " +
        Filters(filters) + " start " + path);
    if (dialog_cancels) return false;
    CopyText(path, kMaxPath, dialog_path.c_str());
    CopyText(name, kMaxPath, dialog_name.c_str());
    return true;
  }
  void UseFixedFont(WindowRef) override { Log("UseFixedFont"); }
  void LimitText(WindowRef, int32_t characters) override {
    Log("LimitText " + std::to_string(characters));
  }
  // Selects as the control system does (which also scrolls: no matter here).
  void SelectAll(WindowRef control) override {
    Log("SelectAll");
    control_system->SetSelection(control, 0, -1);
  }
  void Help(WindowRef, const char* file, HelpCommand command) override {
    Log(std::string("Help ") + file + " " + std::to_string(command));
  }
  void DestroyEditor(WindowRef) override { Log("DestroyEditor"); }
  bool OpenRunWindow(WindowRef) override {
    Log("OpenRunWindow");
    if (run_window_fails) return false;
    if (on_run_window) on_run_window(kRunWindow);
    return true;
  }
  void OpenAssist(WindowRef, WindowRef, int id) override { Log("OpenAssist " + std::to_string(id)); }
  void OpenCompileDialog(WindowRef, const char* text, size_t size, const char* saved_path) override {
    Log("OpenCompileDialog " + std::string(text, size).substr(0, 16) + " " + saved_path);
  }
  bool RegisterToolbarClasses(WindowRef) override {
    Log("RegisterToolbarClasses");
    return !registration_fails;
  }
  bool LoadSample(int index, std::string* name, std::string* bytes) override {
    if (index < 0 || index >= static_cast<int>(samples.size())) return false;
    *name = samples[index].first;
    *bytes = samples[index].second;
    return true;
  }
  // Recorded as "InsertMenuPopup #N TITLE", the popup as the menu fake names it.
  void InsertMenuPopup(WindowRef, MenuRef popup, const char* title) override {
    Log("InsertMenuPopup #" + std::to_string(reinterpret_cast<intptr_t>(popup)) + " " + title);
  }

 private:
  static std::string Filters(const char* filters) {
    std::string shown;
    for (const char* p = filters; *p != '\0'; p += std::string(p).size() + 1) {
      shown += std::string(p) + "|";
    }
    return shown;
  }
  void Log(const std::string& call) { calls_.push_back(call); }
  std::vector<std::string>& calls_;
};

}  // namespace zep
