// The editor: one window that holds one script text in a text control, a
// strip above it with three toolbar buttons and a drop-down box of search
// strings, and a menu. Its commands open, save, search and run the script.
// The window procedure (Windows only) calls the On... functions below with
// plain numbers; the commands reach the platform through the interfaces of
// the controls, buttons, windows, files, message boxes and the editor's own.
#pragma once

#include <cstdint>
#include <string>

#include "controls/control_system.h"
#include "core/common.h"
#include "ide/document.h"
#include "ide/editor_texts.h"

namespace zep {

// The command ids of the menu, the toolbar and the text control.
enum EditorCommand : int {
  kCmdNew = 32789, kCmdOpen = 32771, kCmdSave = 32772, kCmdSaveAs = 32773,
  kCmdRun = 32781, kCmdCompile = 32790, kCmdExit = 105,
  kCmdUndo = 32777, kCmdCut = 32774, kCmdCopy = 32775, kCmdPaste = 32776,
  kCmdDelete = 32778, kCmdSelectAll = 32779,
  kCmdCommandAssist = 32780, kCmdPaletteAssist = 132, kCmdFontAssist = 32784,
  kCmdStyleAssist = 32783, kCmdControlAssist = 32788, kCmdFileNameAssist = 32785,
  kCmdHelpIndex = 32786, kCmdHelpKeyword = 32787, kCmdVersion = 104,
  kCmdSaveButton = 139, kCmdRunButton = 140, kCmdFindButton = 143,
  kTextControlId = 200, kSearchBoxId = 201,
};

// The text control's notification that its text changed.
constexpr int kTextChanged = 0x300;

// The editor's windows and what it keeps for the run it started.
struct Editor {
  WindowRef window = nullptr;
  WindowRef text = nullptr;     // the script text (id 200)
  WindowRef search = nullptr;   // the search strings (id 201)
  FontRef font = nullptr;       // the search box's font
  std::string ran_text;         // the text of the last run started here
};

extern Editor editor;

// The window's messages. OnEditorCommand gives false for an id it does not
// know (the platform's default handling takes it).
void OnEditorCreate(WindowRef window);
void OnEditorSize(int32_t width, int32_t height);
void OnEditorSetFocus();
bool OnEditorCommand(int id, int code);
void OnEditorClose();
void OnEditorDestroy();

// The commands (editor_files.cpp, editor_find.cpp, editor_run.cpp).
void EditorNew();
void EditorOpen();
void EditorSave();
// from_menu: the chosen path becomes FILE_NAME (not when Save or a
// question before New, Open or closing asked for the name). True when the
// text was written.
bool EditorSaveAs(bool from_menu);
void EditorFindDown();
void EditorRun();
void EditorCompile();

// A "ZEP Error" box with the warning icon, owned by the editor.
void ShowEditorMessage(EditorMessage message);
void ShowEditorError(const char* text);

// Whether an action that would drop the edited text may go on: at once when
// the text is saved; else the user is asked to save first (Yes saves, in
// place when the document has a name, else through Save As, and the action
// goes on once the text is saved; No lets it go on; Cancel stops it).
bool MayDropText(DropAction action);

// The window title from a document name ("" for none).
void SetEditorTitle(const char* name);

// RunFromEditor: the text control's text is loaded as a run and its window
// opened, owned by window. 1 when the run window is open, 0 otherwise (a load
// error was shown, or the window could not be made).
int RunFromEditor(WindowRef window);

// After a run started here stopped with an error, selects the statement
// where it stopped, if the text is still the one that ran.
void SelectFailingStatement();

// The run's window has gone.
void OnEditorRunEnded();

}  // namespace zep
