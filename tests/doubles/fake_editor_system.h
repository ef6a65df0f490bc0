// The editor's own platform calls for the host tests: the file dialogs
// answer from the test's settings, the run window's creation runs the run
// window's opening (as the platform's WM_CREATE does), the examples are the
// test's, the recovery folder's files are those of the shared file map
// (when given) under its path, and every call is recorded into the shared
// call list.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controls/control_system.h"
#include "core/common.h"
#include "ide/editor_system.h"

namespace zep {

class FakeEditorSystem : public EditorSystem {
 public:
  explicit FakeEditorSystem(std::vector<std::string>* calls,
                            std::map<std::string, std::string>* files = nullptr)
      : calls_(*calls), files_(files) {}

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
  // The recovery folder, or none ("").
  std::string recovery_folder = "C:\\AppData\\ZEP\\recovery";
  // The last-write times of files by path (0 when not given).
  std::map<std::string, uint64_t> written;
  // Paths that cannot be removed.
  std::vector<std::string> stuck;

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
  void PrepareText(WindowRef) override { Log("PrepareText"); }
  void ZoomText(WindowRef, int32_t percent) override {
    Log("ZoomText " + std::to_string(percent));
  }
  void StartCheckTimer(WindowRef, int32_t ms) override { Log("StartCheckTimer " + std::to_string(ms)); }
  void StopCheckTimer(WindowRef) override { Log("StopCheckTimer"); }
  void LoadText(WindowRef control, const char* text, int32_t percent) override {
    Log("LoadText " + std::to_string(percent));
    control_system->SetText(control, text);
    control_system->SetSelection(control, 0, 0);
  }
  // Every run coloured, in order, as "start-end:COLOUR" (plus "!" when
  // marked), a problem's mark as "start-end:problem".
  void ColourRuns(WindowRef, const ColourRun* runs, size_t count, bool marked) override {
    for (size_t i = 0; i < count; ++i) {
      if (runs[i].problem) {
        coloured.push_back(std::to_string(runs[i].start) + "-" + std::to_string(runs[i].end) +
                           ":problem");
        continue;
      }
      coloured.push_back(std::to_string(runs[i].start) + "-" + std::to_string(runs[i].end) + ":" +
                         std::to_string(static_cast<int>(runs[i].colour)) + (marked ? "!" : ""));
    }
  }
  std::vector<std::string> coloured;
  // The lines the control shows.
  int32_t shown_first = 0, shown_last = 40;
  void ShownLines(WindowRef, int32_t* first, int32_t* last) override {
    *first = shown_first;
    *last = shown_last;
  }
  int32_t margin_digits = 0;
  void SetNumberMargin(WindowRef, int32_t digits) override { margin_digits = digits; }
  std::map<std::string, int32_t> settings;
  int32_t ReadSetting(const char* name, int32_t fallback) override {
    auto it = settings.find(name);
    return it == settings.end() ? fallback : it->second;
  }
  void WriteSetting(const char* name, int32_t value) override { settings[name] = value; }
  // The status bar's texts by part.
  std::map<int, std::string> status;
  void SetStatusParts(WindowRef, const int32_t*, int) override {}
  void SetStatusText(WindowRef, int part, const char* text) override { status[part] = text; }
  void LimitText(WindowRef, int32_t characters) override {
    Log("LimitText " + std::to_string(characters));
  }
  // Selects as the control system does (which also scrolls: no matter here).
  void SelectAll(WindowRef control) override {
    Log("SelectAll");
    control_system->SetSelection(control, 0, -1);
  }
  void HelpOn(WindowRef, const char* name, bool known) override {
    Log(std::string("HelpOn ") + name + (known ? " known" : " unknown"));
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
  std::string guide;  // what LoadGuide gives
  bool LoadSample(int index, std::string* name, std::string* bytes) override {
    if (index < 0 || index >= static_cast<int>(samples.size())) return false;
    *name = samples[index].first;
    *bytes = samples[index].second;
    return true;
  }
  bool LoadGuide(std::string* bytes) override {
    *bytes = guide;
    return !guide.empty();
  }
  std::string GuidePicture(const std::string& name) override {
    Log("GuidePicture " + name);
    return "";
  }
  // Recorded as "InsertMenuPopup #N TITLE", the popup as the menu fake names it.
  void InsertMenuPopup(WindowRef, MenuRef popup, const char* title) override {
    Log("InsertMenuPopup #" + std::to_string(reinterpret_cast<intptr_t>(popup)) + " " + title);
  }
  bool RecoveryFolder(char* path) override {
    CopyText(path, kMaxPath, recovery_folder.c_str());
    return !recovery_folder.empty();
  }
  // The files of the shared map directly in the folder.
  std::vector<FolderFile> ListFolder(const char* folder) override {
    Log(std::string("ListFolder ") + folder);
    std::vector<FolderFile> found;
    if (files_ == nullptr) return found;
    std::string prefix = std::string(folder) + "\\";
    for (const auto& [path, bytes] : *files_) {
      if (path.compare(0, prefix.size(), prefix) != 0) continue;
      if (path.find('\\', prefix.size()) != std::string::npos) continue;
      found.push_back({path.substr(prefix.size()), bytes.size(), written[path]});
    }
    return found;
  }
  // Recorded as "RemoveFile PATH".
  bool RemoveFile(const char* path) override {
    Log(std::string("RemoveFile ") + path);
    for (const std::string& s : stuck) {
      if (s == path) return false;
    }
    if (files_ != nullptr) files_->erase(path);
    return true;
  }

  // The debugger's calls are counted, not recorded (every run makes them).
  // A pause runs while_paused (a test's commands during the pause) and is
  // recorded as "WaitWhilePaused"; the fake never waits.
  int64_t Milliseconds() override { return clock_ms; }
  void WaitWhilePaused(WindowRef, const bool* paused) override {
    Log("WaitWhilePaused");
    if (while_paused) while_paused();
    still_paused = *paused;
  }
  void OpenWatchWindow(WindowRef) override {
    Log("OpenWatchWindow");
    watch_open = true;
  }
  bool WatchWindowOpen() override { return watch_open; }
  void ShowWatch() override { ++watch_shown; }
  void RedrawMargin(WindowRef) override { ++margin_drawn; }

  int64_t clock_ms = 0;
  std::function<void()> while_paused;
  bool still_paused = false;  // the last pause's flag when it returned
  bool watch_open = false;
  int watch_shown = 0;
  int margin_drawn = 0;

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
  std::map<std::string, std::string>* files_;
};

}  // namespace zep
