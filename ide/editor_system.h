// What the editor needs of the platform beyond what a run uses too (the
// controls, picture buttons, windows, files and message boxes of the other
// interfaces): its file dialogs, which also give the chosen file's name, a
// few things of its text control, the help viewer, its window's end, a run
// window it owns, its toolbar's window classes, the examples built into the
// program with a popup of them on its menu bar, and the folder of recovery
// copies. The Win32 layer implements it; host tests implement it to record
// calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "assist/reference_system.h"  // the help viewer's commands
#include "core/common.h"
#include "ide/colour_view.h"  // ColourRun
#include "runtime/menu_system.h"

namespace zep {

// The id of the check's timer on the editor's window (the recovery timer is 1).
constexpr unsigned kCheckTimerId = 2;

// A file found in a folder: its name without the folder, its size in bytes
// and when it was last written (a count that grows with time).
struct FolderFile {
  std::string name;
  uint64_t size = 0;
  uint64_t written = 0;
};

class EditorSystem {
 public:
  virtual ~EditorSystem() = default;

  // The common open dialog (save false: the file must exist) or save
  // dialog (save true: an existing file is confirmed), owned by owner, with
  // the title and the filter list (pairs of NUL-terminated description and
  // pattern, ending with an empty string). path (kMaxPath bytes) holds the
  // name the dialog starts with and receives the chosen path; name
  // (kMaxPath bytes) receives the chosen file's name without its folder.
  // False when the user cancelled.
  virtual bool ChooseScriptFile(WindowRef owner, bool save, const char* title,
                                const char* filters, char* path, char* name) = 0;

  // The text control, the platform's rich text control: PrepareText gives
  // it the editor's fixed-pitch Japanese font, no wrapping, plain-text
  // pastes, many-level undo, the notifications the editor takes and the
  // editor's handling of its keys and painting. Then the most characters it
  // takes, and the whole text selected without scrolling.
  virtual void PrepareText(WindowRef control) = 0;
  virtual void LimitText(WindowRef control, int32_t characters) = 0;
  virtual void SelectAll(WindowRef control) = 0;
  // The text shown at percent of its size (100: as made).
  virtual void ZoomText(WindowRef control, int32_t percent) = 0;
  // The whole text replaced by text (Shift-JIS), plain, at percent of its
  // size, with no notification; the undo history starts empty.
  virtual void LoadText(WindowRef control, const char* text, int32_t percent) = 0;
  // The check's timer on the editor's window (kCheckTimerId), and its end.
  virtual void StartCheckTimer(WindowRef window, int32_t milliseconds) = 0;
  virtual void StopCheckTimer(WindowRef window) = 0;
  // Colours runs of the text (the control's characters, a line end one),
  // foreground and underline for unknown calls; `marked` runs also get the
  // mark's background, the others none. Neither the undo history nor the
  // text's changed state sees it.
  virtual void ColourRuns(WindowRef control, const ColourRun* runs, size_t count, bool marked) = 0;
  // The lines the control shows now, [*first, *last).
  virtual void ShownLines(WindowRef control, int32_t* first, int32_t* last) = 0;
  // The width of the line-number margin at the control's left, in digits.
  virtual void SetNumberMargin(WindowRef control, int32_t digits) = 0;
  // A number the editor keeps between runs (the zoom); fallback when none.
  virtual int32_t ReadSetting(const char* name, int32_t fallback) = 0;
  virtual void WriteSetting(const char* name, int32_t value) = 0;
  // The status bar's parts (the right edge of each, -1 to the window's
  // edge) and a part's text.
  virtual void SetStatusParts(WindowRef bar, const int32_t* edges, int count) = 0;
  virtual void SetStatusText(WindowRef bar, int part, const char* text) = 0;

  // The reference at a name's entry (known) or searching for it.
  virtual void HelpOn(WindowRef owner, const char* name, bool known) = 0;
  // The help viewer on file, owned by owner.
  virtual void Help(WindowRef owner, const char* file, HelpCommand command) = 0;
  // Destroys the window (and the windows it owns).
  virtual void DestroyEditor(WindowRef window) = 0;
  // Registers the RUN class again, with this run's background, and creates
  // and shows the run window owned by editor; false when it cannot be made.
  virtual bool OpenRunWindow(WindowRef editor) = 0;
  // Registers the toolbar's button and hint classes; false when either fails.
  virtual bool RegisterToolbarClasses(WindowRef editor) = 0;
  // The assist dialog of the menu command id (command assist, palette,
  // font, window style, control, file name, version), owned by owner; its
  // result is pasted into the text control or copied to the clipboard.
  virtual void OpenAssist(WindowRef owner, WindowRef text, int id) = 0;
  // The compile dialog, owned by owner, for the text; saved_path is where
  // the script was last saved.
  virtual void OpenCompileDialog(WindowRef owner, const char* text, size_t size,
                                 const char* saved_path) = 0;

  // The examples built into the program, numbered from 0: the file name and
  // the bytes of the one at index. False past the last.
  virtual bool LoadSample(int index, std::string* name, std::string* bytes) = 0;
  // The beginner's guide built into the program (Shift-JIS, the Markdown
  // of guide_pages.h); false when there is none.
  virtual bool LoadGuide(std::string* bytes) = 0;
  // A picture the guide names ("pictures/hello.png") as a packed
  // device-independent bitmap of 32 bits a pixel, bottom row first; "" when
  // the program holds no such picture or it can't be read.
  virtual std::string GuidePicture(const std::string& name) = 0;
  // The popup becomes a title of the window's menu bar, before the bar's
  // last title (the help menu stays last); the bar owns it from then on.
  virtual void InsertMenuPopup(WindowRef window, MenuRef popup, const char* title) = 0;
  // The folder of the recovery copies, %APPDATA%\ZEP\recovery, made when
  // missing; its path goes into path (kMaxPath bytes). False when there is
  // no such folder and none can be made.
  virtual bool RecoveryFolder(char* path) = 0;
  // The files of a folder (not its subfolders), in no particular order.
  virtual std::vector<FolderFile> ListFolder(const char* folder) = 0;
  // Removes the file; false when it is still there.
  virtual bool RemoveFile(const char* path) = 0;

  // The debugger. A clock in milliseconds.
  virtual int64_t Milliseconds() = 0;
  // A run waits before a statement: the editor's messages (and those of
  // its other windows) are handled until *paused is false or the program
  // is told to end. Meanwhile the run's windows repaint as they were when
  // the pause began, their input and timer messages wait (the ticks of a
  // timer fold into one) and follow in order once the run goes on, a click
  // on their menu is dropped, and one on their close box ends the run.
  virtual void WaitWhilePaused(WindowRef editor, const bool* paused) = 0;
  // The window of the variables and the event strip, owned by editor:
  // opened (or brought to the front); whether it is open; its lists shown
  // anew from the debugger's state (nothing when it is closed).
  virtual void OpenWatchWindow(WindowRef editor) = 0;
  virtual bool WatchWindowOpen() = 0;
  virtual void ShowWatch() = 0;
  // The text control's margin drawn again (breakpoints and the run's marks).
  virtual void RedrawMargin(WindowRef control) = 0;
};

// The editor system in use. Set once at start-up (or by a test).
extern EditorSystem* editor_system;

}  // namespace zep
