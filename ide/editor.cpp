#include "ide/editor.h"

#include <new>

#include "assist/reference_system.h"
#include "controls/button_system.h"
#include "controls/registry.h"
#include "core/host.h"
#include "ide/debugger.h"
#include "ide/editor_system.h"
#include "ide/problem_panel.h"
#include "ide/recovery.h"
#include "ide/samples.h"
#include "ide/toolbar.h"
#include "runtime/events.h"
#include "runtime/window_system.h"

namespace zep {

EditorSystem* editor_system = nullptr;
Editor editor;

namespace {

constexpr char kHelpFile[] = "ZEP2.HLP";
constexpr int32_t kStripHeight = 28;

// WS_CHILD WS_VISIBLE WS_BORDER WS_VSCROLL WS_HSCROLL ES_MULTILINE ES_WANTRETURN
// ES_AUTOVSCROLL ES_AUTOHSCROLL ES_NOHIDESEL
constexpr uint32_t kTextStyle = 0x50B011C4u;
// WS_CHILD WS_VISIBLE WS_VSCROLL CBS_DROPDOWN CBS_AUTOHSCROLL CBS_DISABLENOSCROLL
constexpr uint32_t kSearchStyle = 0x50200842u;
// WS_CHILD WS_VISIBLE SBARS_SIZEGRIP
constexpr uint32_t kStatusStyle = 0x50000100u;
// WS_CHILD WS_VISIBLE WS_BORDER WS_VSCROLL LBS_NOTIFY LBS_NOINTEGRALHEIGHT
constexpr uint32_t kProblemListStyle = 0x50A00101u;
constexpr int32_t kProblemListHeight = 84;
// The status bar's parts: the caret's place, the changed mark, the result.
constexpr int32_t kStatusEdges[] = {150, 230, -1};

struct ToolbarRow {
  int32_t x;
  const char* hint;
  int command;
};
const ToolbarRow kToolbar[] = {
    {4, "上書き保存", kCmdSaveButton},
    {27, "プログラム実行", kCmdRunButton},
    {50, "変数とイベント", kCmdWatchButton},
    {338, "下方向へ検索", kCmdFindButton},
};

int32_t StatusHeight() {
  return editor.status != nullptr ? button_system->ClientRect(editor.status).bottom : 0;
}

int32_t ProblemListHeight() { return editor.problem_list != nullptr ? kProblemListHeight : 0; }

// The text control's height in a client area of the given height.
int32_t TextHeight(int32_t height) {
  return height - kStripHeight - ProblemListHeight() - StatusHeight();
}

// The status bar and the problem list above it first: the text control
// fills what is left below the strip. Without the list the editor only
// misses its checks.
bool MakeTextControl() {
  editor.status = control_system->CreateChild(editor.window, "msctls_statusbar32", "",
                                              kStatusStyle, 0, 0, 0, 0, kStatusBarId);
  if (editor.status != nullptr) {
    editor_system->SetStatusParts(editor.status, kStatusEdges, 3);
  }
  ClientArea c = button_system->ClientRect(editor.window);
  editor.problem_list = control_system->CreateChild(
      editor.window, "LISTBOX", "", kProblemListStyle, 0, c.bottom - StatusHeight() - kProblemListHeight,
      c.right, kProblemListHeight, kProblemListId);
  editor.text = control_system->CreateChild(editor.window, "RICHEDIT50W", "", kTextStyle, 0,
                                            kStripHeight, c.right, TextHeight(c.bottom),
                                            kTextControlId);
  if (editor.text == nullptr) return false;
  editor_system->PrepareText(editor.text);
  editor_system->LimitText(editor.text, kMaxEditorCharacters);
  RestoreEditorZoom();
  ShowNewText("");
  return true;
}

bool MakeSearchBox() {
  editor.search = control_system->CreateChild(editor.window, "COMBOBOX", "", kSearchStyle, 80, 4,
                                              256, 256, kSearchBoxId);
  return editor.search != nullptr;
}

void EditCommand(EditOp op) { control_system->EditCommand(editor.text, op); }

void Help(HelpCommand command) { editor_system->Help(editor.window, kHelpFile, command); }

// The menu's Edit commands, on the text control.
bool OnEditCommand(int id) {
  switch (id) {
    case kCmdUndo: EditCommand(EditOp::kUndo); return true;
    case kCmdRedo: EditCommand(EditOp::kRedo); return true;
    case kCmdCut: EditCommand(EditOp::kCut); return true;
    case kCmdCopy: EditCommand(EditOp::kCopy); return true;
    case kCmdPaste: EditCommand(EditOp::kPaste); return true;
    case kCmdDelete: EditCommand(EditOp::kClear); return true;
    case kCmdSelectAll: editor_system->SelectAll(editor.text); return true;
    default: return false;
  }
}

// The debugger's commands.
bool OnDebugCommand(int id) {
  switch (id) {
    case kCmdDebugWatch: case kCmdWatchButton: editor_system->OpenWatchWindow(editor.window); return true;
    case kCmdDebugContinue: DebugContinue(); return true;
    case kCmdDebugPause: DebugPause(); return true;
    case kCmdDebugStep: DebugStep(false); return true;
    case kCmdDebugStepInto: DebugStep(true); return true;
    case kCmdDebugStop: DebugStop(); return true;
    case kCmdDebugBreakpoint: ToggleBreakpointAtCaret(); return true;
    case kCmdDebugClear: ClearBreakpoints(); return true;
    default: return false;
  }
}

// The assist dialogs and the version dialog.
bool OnAssistCommand(int id) {
  switch (id) {
    case kCmdCommandAssist: case kCmdPaletteAssist: case kCmdFontAssist:
    case kCmdStyleAssist: case kCmdControlAssist: case kCmdFileNameAssist:
    case kCmdVersion:
      editor_system->OpenAssist(editor.window, editor.text, id);
      return true;
    default:
      return false;
  }
}

}  // namespace

// The controls in order; when one of them cannot be made nothing after it
// is built (the window itself stays).
void OnEditorCreate(WindowRef window) {
  editor.window = window;
  run_ended = OnEditorRunEnded;
  if (!MakeTextControl() || !MakeSearchBox()) return;
  editor.font = control_system->MakeFont(DefaultFont());
  control_system->SetFont(editor.search, editor.font);
  if (editor.problem_list != nullptr) control_system->SetFont(editor.problem_list, editor.font);
  SetEditorTitle(editor.document.file_title);
  editor.toolbar.focus_holder = editor.text;
  for (const ToolbarRow& b : kToolbar) {
    CreateToolbarButton(window, b.x, 4, 22, 22, b.hint, b.command);
  }
  AddSampleMenu();
  StartRecoveryTimer();
}

void OnEditorSize(int32_t width, int32_t height) {
  if (editor.text == nullptr) return;
  if (editor.status != nullptr) {
    control_system->PlaceControl(editor.status, 0, height - StatusHeight(), width, StatusHeight());
  }
  if (editor.problem_list != nullptr) {
    control_system->PlaceControl(editor.problem_list, 0,
                                 height - StatusHeight() - kProblemListHeight, width,
                                 kProblemListHeight);
  }
  control_system->PlaceControl(editor.text, 0, kStripHeight, width, TextHeight(height));
}

void OnEditorSetFocus() {
  if (editor.text != nullptr) control_system->SetFocusTo(editor.text);
}

namespace {

bool MenuCommand(int id, int code) {
  switch (id) {
    case kCmdNew: EditorNew(); return true;
    case kCmdOpen: EditorOpen(); return true;
    case kCmdSave: case kCmdSaveButton: EditorSave(); return true;
    case kCmdSaveAs: EditorSaveAs(true); return true;
    case kCmdRun: case kCmdRunButton: EditorRun(); return true;
    case kCmdCompile: EditorCompile(); return true;
    case kCmdExit: host_system->PostCloseRequest(editor.window); return true;
    case kCmdFindButton: EditorFindDown(); return true;
    case kCmdHelpIndex: Help(kHelpIndex); return true;
    case kCmdHelpKeyword: Help(kHelpPartialKey); return true;
    case kCmdHelpWord: EditorHelpOnWord(); return true;
    case kCmdHelpGuide: reference_system->ShowReferenceWindow(editor.window, "guide:0"); return true;
    case kCmdFind: EditorFocusSearch(); return true;
    case kCmdFindNext: EditorFindNext(); return true;
    case kCmdZoomIn: ZoomEditorText(1); return true;
    case kCmdZoomOut: ZoomEditorText(-1); return true;
    case kCmdZoomReset: ZoomEditorText(0); return true;
    case kTextControlId:
      if (code == kTextChanged) OnEditorTextChanged();
      return true;
    case kProblemListId: OnProblemListCommand(code); return true;
    default:
      return OnEditCommand(id) || OnAssistCommand(id) || OnDebugCommand(id) || OnSampleCommand(id);
  }
}

}  // namespace

// A command that can't get the memory it needs (a large file read, a run's
// copy of the text) says so and leaves the text as it is.
bool OnEditorCommand(int id, int code) {
  try {
    bool known = MenuCommand(id, code);
    ShowEditorChanged();
    return known;
  } catch (const std::bad_alloc&) {
    ShowEditorMessage(EditorMessage::kNoMemory);
    return true;
  }
}

void OnEditorClose() {
  if (MayDropText(DropAction::kClose)) editor_system->DestroyEditor(editor.window);
}

// The window's end ends the program; the help viewer is closed.
void OnEditorDestroy() {
  ReleaseToolbar();
  if (editor.font != nullptr) control_system->FreeFont(editor.font);
  editor.font = nullptr;
  Help(kHelpQuit);
  run_ended = nullptr;
  window_system->PostQuit(0);
}

void ShowEditorError(const char* text) {
  host_system->ShowMessage(editor.window, text, "ZEP Error", kBoxOk | kBoxIconExclamation);
}

void ShowEditorMessage(EditorMessage message) { ShowEditorError(EditorMessageText(message)); }

void SetEditorTitle(const char* name) {
  char title[256];
  EditorTitle(editor.document, name, title, sizeof title);
  window_system->SetTitle(editor.window, title);
}

}  // namespace zep
