// The editor: one window that holds one script text in a text control, a
// strip above it with three toolbar buttons and a drop-down box of search
// strings, and a menu. Its commands open, save, search and run the script.
// The window procedure (Windows only) calls the On... functions below with
// plain numbers; the commands reach the platform through the interfaces of
// the controls, buttons, windows, files, message boxes and the editor's own.
#pragma once

#include <cstdint>
#include <string>

#include "checker/checker.h"
#include "controls/control_system.h"
#include "core/common.h"
#include "ide/colour_view.h"
#include "ide/document.h"
#include "ide/editor_texts.h"
#include "ide/recovery.h"
#include "ide/toolbar.h"
#include "resources/resource_ids.h"

namespace zep {

// The command ids of the menu (numbered in resources/resource_ids.h, which
// the menu and the shortcuts use), of the toolbar buttons (the ids of their
// icons) and of the editor's child windows.
enum EditorCommand : int {
  kCmdNew = ZEP_CMD_NEW, kCmdOpen = ZEP_CMD_OPEN, kCmdSave = ZEP_CMD_SAVE, kCmdSaveAs = ZEP_CMD_SAVE_AS,
  kCmdRun = ZEP_CMD_RUN, kCmdCompile = ZEP_CMD_COMPILE, kCmdExit = ZEP_CMD_EXIT,
  kCmdUndo = ZEP_CMD_UNDO, kCmdCut = ZEP_CMD_CUT, kCmdCopy = ZEP_CMD_COPY, kCmdPaste = ZEP_CMD_PASTE,
  kCmdDelete = ZEP_CMD_DELETE, kCmdSelectAll = ZEP_CMD_SELECT_ALL,
  kCmdCommandAssist = ZEP_CMD_COMMAND_ASSIST, kCmdPaletteAssist = ZEP_CMD_PALETTE_ASSIST,
  kCmdFontAssist = ZEP_CMD_FONT_ASSIST, kCmdStyleAssist = ZEP_CMD_STYLE_ASSIST,
  kCmdControlAssist = ZEP_CMD_CONTROL_ASSIST, kCmdFileNameAssist = ZEP_CMD_FILE_NAME_ASSIST,
  kCmdHelpIndex = ZEP_CMD_HELP_INDEX, kCmdHelpKeyword = ZEP_CMD_HELP_KEYWORD, kCmdVersion = ZEP_CMD_VERSION,
  kCmdRedo = ZEP_CMD_REDO, kCmdFind = ZEP_CMD_FIND, kCmdFindNext = ZEP_CMD_FIND_NEXT,
  kCmdZoomIn = ZEP_CMD_ZOOM_IN, kCmdZoomOut = ZEP_CMD_ZOOM_OUT, kCmdZoomReset = ZEP_CMD_ZOOM_RESET,
  kCmdHelpWord = ZEP_CMD_HELP_WORD, kCmdHelpGuide = ZEP_CMD_HELP_GUIDE,
  kCmdDebugWatch = ZEP_CMD_DEBUG_WATCH, kCmdDebugContinue = ZEP_CMD_DEBUG_CONTINUE,
  kCmdDebugPause = ZEP_CMD_DEBUG_PAUSE, kCmdDebugStep = ZEP_CMD_DEBUG_STEP,
  kCmdDebugStepInto = ZEP_CMD_DEBUG_STEP_INTO, kCmdDebugStop = ZEP_CMD_DEBUG_STOP,
  kCmdDebugBreakpoint = ZEP_CMD_DEBUG_BREAKPOINT, kCmdDebugClear = ZEP_CMD_DEBUG_CLEAR,
  kCmdWatchButton = ZEP_GLYPH_GRID,
  kCmdSaveButton = ZEP_GLYPH_SAVE, kCmdRunButton = ZEP_GLYPH_EXCLAMATION, kCmdFindButton = ZEP_GLYPH_FIND,
  kTextControlId = 200, kSearchBoxId = 201, kStatusBarId = 202, kProblemListId = 203,
};

// The text control's notification that its text changed.
constexpr int kTextChanged = 0x300;

// The editor: its windows, its document, its toolbar, the recovery copy of
// its text, and what it keeps for the run it started.
struct Editor {
  WindowRef window = nullptr;
  EditorDocument document;
  Toolbar toolbar;
  RecoveryCopy recovery;
  WindowRef text = nullptr;     // the script text (id 200)
  WindowRef search = nullptr;   // the search strings (id 201)
  FontRef font = nullptr;       // the search box's font
  std::string ran_text;         // the text of the last run started here
  int32_t errors_before = 0;    // the error boxes shown before it started
  WindowRef status = nullptr;   // the status bar (id 202)
  std::string shown;            // the text control's text since its last change
  ColourView colours;           // which of its lines are coloured
  int32_t marks[2] = {-1, -1};  // the marked pair of brackets (control characters)
  int32_t zoom = 100;           // percent
  int32_t digits = 0;           // the line-number margin's width
  bool colouring = false;       // the editor is colouring: no change of the text
  WindowRef problem_list = nullptr;  // the problems the checker found (id 203)
  std::vector<Problem> problems;     // as of the last check
  std::vector<ColourRun> problem_marks;  // their places in the text now
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
// Ctrl+F: the search box takes the keyboard, its text selected. F3: the
// search box's string (or the selected text) found after the selection,
// then from the top; the status bar says so, or that nothing was found.
void EditorFocusSearch();
// F1: the reference at the selected name, or at the name at the caret; a
// name it does not know is looked for in it; no name opens its contents.
void EditorHelpOnWord();
void EditorFindNext();
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
// where it stopped, if the text is still the one that ran, and says the
// error in the problem list.
void SelectFailingStatement();

// The run's window has gone.
void OnEditorRunEnded();

// What the text control shows beside its text (editor_view.cpp): colours
// of the lines about to be seen, the line-number margin, the bracket that
// matches the one at the caret, the zoom and the status bar.
// A whole text put into the control (Open, an example, a recovered copy,
// the empty one at the start): at the editor's size, every line to be
// coloured afresh, the status bar told of the document as it now stands.
void ShowNewText(const char* bytes);
// The control's notifications: its text changed, its selection changed,
// it is about to paint.
void OnEditorTextChanged();
void OnEditorSelectionChanged();
void OnEditorTextPaint();
// Keys the editor handles itself; false leaves them to the control.
// Enter keeps the indentation (one step more after `{`), `}` on a blank
// line moves back a step, Tab and Shift+Tab on lines move them.
bool OnEditorTextChar(unsigned character);
bool OnEditorTextTab(bool shift);
// One zoom step up (1), down (-1) or back to 100 percent (0); the size is
// kept for the next start.
void ZoomEditorText(int step);
// The zoom kept from the last run, applied when the text control is made.
void RestoreEditorZoom();
// The zoom after step from percent, by the steps the editor offers.
int32_t NextZoom(int32_t percent, int step);
// The status bar: the caret's line and column, whether the text differs
// from its file, the result of the last find, save or run.
void ShowEditorChanged();
void ShowEditorResult(const char* text);
// "行 12  列 5" for the caret at plain character offset caret of text.
std::string CaretPlace(const std::string& text, int32_t caret);

}  // namespace zep
