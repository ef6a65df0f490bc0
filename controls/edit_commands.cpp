// The commands on edit fields. Each fetches its strings and numbers (the
// count is checked before it runs), resolves the texts, finds the control
// and checks its type, then acts; the first error stops it before it acts.
#include "controls/edit_commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "controls/control_system.h"
#include "controls/registry.h"
#include "controls/text_search.h"
#include "core/args.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/run_settings.h"
#include "core/text.h"

namespace zep {

namespace {

// The window of the control with ID id in range, or nullptr with the code set.
WindowRef Control(const char* id, TypeRange range = TypeRange::kEdit) {
  int index = LookUpControlOf(id, range);
  return index < 0 ? nullptr : control_table.records[index].window;
}

// Inserts text at the caret of edit field id.
void InsertInto(const char* id, const char* text) {
  if (WindowRef edit = Control(id)) control_system->ReplaceSelection(edit, text);
}

// The text length as the commands count it: 16 bits, unsigned.
uint16_t Length16(const std::string& text) { return static_cast<uint16_t>(text.size()); }

// SetEditText("ID","text"): inserts the resolved text at the caret.
void CmdSetEditText(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement], text[kMaxStatement];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 1, text)) return;
  ResolveStrArg(text, sizeof text);
  InsertInto(id, text);
}

// SetEditCode("ID",data): inserts the one byte of data's low 8 bits.
void CmdSetEditCode(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  const char text[2] = {static_cast<char>(a[1] & 0xFF), '\0'};
  InsertInto(id, text);
}

// SetEditCodeRet("ID"): inserts a line break.
void CmdSetEditCodeRet(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (GetStrArg(args, 0, id)) InsertInto(id, "\r\n");
}

// SetEditData("ID",data,n): inserts data with n decimals, as PrintData writes it.
void CmdSetEditData(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[3];
  if (!GetStrArg(args, 0, id)) return;
  float data = GetNumArg(window, args, 1);
  if (error_code != 0 || !GetIntArgs(window, args, 2, 2, a)) return;
  char text[kMaxPrintText + 1];
  FormatPrintData(data, a[2], text, sizeof text);
  InsertInto(id, text);
}

// SetEditData16("ID",data): inserts data in lower-case hexadecimal, a
// negative value as its 32-bit two's complement.
void CmdSetEditData16(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  char text[12];
  std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(static_cast<uint32_t>(a[1])));
  InsertInto(id, text);
}

// A byte offset of the field's text as the control counts positions
// (characters); a negative one (the end, for the platform) as it is.
int32_t ControlPosition(const std::string& text, int32_t bytes) {
  return bytes < 0 ? bytes : CharOffsetOf(text, static_cast<size_t>(bytes));
}

// SetEditCursol("ID",st,sp): selects bytes st..sp of the text, as every
// edit command counts; a negative st first selects all.
void CmdSetEditCursol(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[3];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 2, a)) return;
  WindowRef edit = Control(id);
  if (edit == nullptr) return;
  if (a[1] < 0) control_system->SetSelection(edit, 0, -1);
  std::string text = control_system->GetText(edit);
  control_system->SetSelection(edit, ControlPosition(text, a[1]), ControlPosition(text, a[2]));
}

// SetEditNoChange("ID"): clears the field's modified flag.
void CmdSetEditNoChange(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (WindowRef edit = Control(id)) control_system->ClearModified(edit);
}

// GetEditChange("ID"): 1 when the field was modified, else 0.
void CmdGetEditChange(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (WindowRef edit = Control(id)) run_state.function_result = control_system->IsModified(edit) ? 1 : 0;
}

// GetEditLength("ID"): the text length in bytes.
void CmdGetEditLength(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (WindowRef edit = Control(id)) {
    run_state.function_result = static_cast<uint16_t>(control_system->TextLength(edit));
  }
}

// GetEditCursolStart/End("ID"): the start (extra 0) or end of the
// selection, as a byte offset of the text.
void CmdGetEditCursol(WindowRef, const ArgList& args, int which) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  WindowRef edit = Control(id);
  if (edit == nullptr) return;
  int32_t start = 0, end = 0;
  control_system->GetSelection(edit, &start, &end);
  std::string text = control_system->GetText(edit);
  run_state.function_result = static_cast<double>(ByteOffsetOf(text, which == 0 ? start : end));
}

// GetEditCode("ID",n): the byte at n as a signed 8-bit number; code 16
// outside the text.
void CmdGetEditCode(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  WindowRef edit = Control(id);
  if (edit == nullptr) return;
  std::string text = control_system->GetText(edit);
  if (a[1] < 0 || a[1] >= Length16(text)) return SetError(kErrBadValue);
  run_state.function_result = static_cast<int8_t>(text[static_cast<size_t>(a[1])]);
}

// GetEditData("ID"): the one-line field's text (511 bytes at most) read as a
// decimal number, full-width digits and signs as their half-width forms; 0
// when it does not start with one.
void CmdGetEditData(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  WindowRef edit = Control(id, TypeRange::kSingleLine);
  if (edit == nullptr) return;
  std::string text = control_system->GetText(edit).substr(0, 511);
  run_state.function_result = std::strtod(HalfWidthNumberText(text).c_str(), nullptr);
}

// GetEditText("ID_A",st,sp,"ID_B"): inserts bytes st..sp of A's text at B's
// caret; sp beyond the text is its last byte; code 16 for sp < st or st < 0.
void CmdGetEditText(WindowRef window, const ArgList& args, int) {
  char id_a[kMaxStatement], id_b[kMaxStatement];
  int32_t a[3];
  if (!GetStrArg(args, 0, id_a) || !GetStrArg(args, 3, id_b) ||
      !GetIntArgs(window, args, 1, 2, a)) {
    return;
  }
  int from_index, to_index;
  if (!LookUpTwoControls(id_a, TypeRange::kEdit, id_b, TypeRange::kEdit, &from_index, &to_index)) {
    return;
  }
  WindowRef from = control_table.records[from_index].window;
  WindowRef to = control_table.records[to_index].window;
  if (a[2] < a[1] || a[1] < 0) return SetError(kErrBadValue);
  std::string text = control_system->GetText(from);
  int32_t sp = a[2] >= Length16(text) ? Length16(text) - 1 : a[2];
  if (a[1] > sp) return;
  control_system->ReplaceSelection(to, text.substr(static_cast<size_t>(a[1]),
                                                   static_cast<size_t>(sp - a[1] + 1)).c_str());
}

// The text of edit field id, the start n and the resolved str of
// CompEditText and SearchEditText; false on an error.
bool TextQuery(WindowRef window, const ArgList& args, std::string* text, int32_t* n, char* str) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 2, str) || !GetIntArgs(window, args, 1, 1, a)) {
    return false;
  }
  ResolveStrArg(str, kMaxStatement);
  WindowRef edit = Control(id);
  if (edit == nullptr) return false;
  std::string all = control_system->GetText(edit);
  *text = all.substr(0, Length16(all));
  *n = a[1];
  return true;
}

// CompEditText("ID",n,"str"): 1 when the text at n starts with str.
void CmdCompEditText(WindowRef window, const ArgList& args, int) {
  std::string text;
  int32_t n;
  char str[kMaxStatement];
  if (!TextQuery(window, args, &text, &n, str)) return;
  run_state.function_result = CompareText(text.data(), text.size(), n, str, std::strlen(str));
}

// SearchEditText("ID",n,"str"): the offset of str at or after n, else -1.
void CmdSearchEditText(WindowRef window, const ArgList& args, int) {
  std::string text;
  int32_t n;
  char str[kMaxStatement];
  if (!TextQuery(window, args, &text, &n, str)) return;
  run_state.function_result = SearchText(text.data(), text.size(), n, str, std::strlen(str));
}

// The clipboard and selection commands, by their row's extra number.
enum EditAction { kActClip, kActCut, kActPaste, kActClear, kActUndo, kActAllSelect,
                  kActAllClip, kActAllClear };

// ClipEdit, CutEdit, PasteEdit, ClearEdit, UndoEdit, AllSelectEdit,
// AllClipEdit, AllClearEdit("ID"): nothing, and no error, on a control that
// is not an edit field.
void CmdEditAction(WindowRef, const ArgList& args, int action) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  int index = LookUpControl(id);
  if (index < 0 || !TypeInRange(control_table.records[index].type, TypeRange::kEdit)) return;
  WindowRef edit = control_table.records[index].window;
  static const EditOp kOps[] = {EditOp::kCopy, EditOp::kCut,  EditOp::kPaste, EditOp::kClear,
                                EditOp::kUndo, EditOp::kCopy, EditOp::kCopy,  EditOp::kClear};
  if (action >= kActAllSelect) control_system->SetSelection(edit, 0, -1);
  if (action != kActAllSelect) control_system->EditCommand(edit, kOps[action]);
}

const CommandRow kRows[] = {
    {"SetEditText", CmdSetEditText, 0, kPhaseRun, false, "cr"},
    {"SetEditCode", CmdSetEditCode, 0, kPhaseRun, false, "ci"},
    {"SetEditCodeRet", CmdSetEditCodeRet, 0, kPhaseRun, false, "c"},
    {"SetEditData", CmdSetEditData, 0, kPhaseRun, false, "cni"},
    {"SetEditData16", CmdSetEditData16, 0, kPhaseRun, false, "ci"},
    {"SetEditCursol", CmdSetEditCursol, 0, kPhaseRun, false, "cii"},
    {"SetEditNoChange", CmdSetEditNoChange, 0, kPhaseRun, false, "c"},
    {"GetEditChange", CmdGetEditChange, 0, kPhaseRun, true, "c"},
    {"GetEditLength", CmdGetEditLength, 0, kPhaseRun, true, "c"},
    {"GetEditCursolStart", CmdGetEditCursol, 0, kPhaseRun, true, "c"},
    {"GetEditCursolEnd", CmdGetEditCursol, 1, kPhaseRun, true, "c"},
    {"GetEditCode", CmdGetEditCode, 0, kPhaseRun, true, "ci"},
    {"GetEditData", CmdGetEditData, 0, kPhaseRun, true, "c"},
    {"GetEditText", CmdGetEditText, 0, kPhaseRun, false, "ciic"},
    {"CompEditText", CmdCompEditText, 0, kPhaseRun, true, "cir"},
    {"SearchEditText", CmdSearchEditText, 0, kPhaseRun, true, "cir"},
    {"ClipEdit", CmdEditAction, kActClip, kPhaseRun, false, "c"},
    {"CutEdit", CmdEditAction, kActCut, kPhaseRun, false, "c"},
    {"PasteEdit", CmdEditAction, kActPaste, kPhaseRun, false, "c"},
    {"ClearEdit", CmdEditAction, kActClear, kPhaseRun, false, "c"},
    {"UndoEdit", CmdEditAction, kActUndo, kPhaseRun, false, "c"},
    {"AllSelectEdit", CmdEditAction, kActAllSelect, kPhaseRun, false, "c"},
    {"AllClipEdit", CmdEditAction, kActAllClip, kPhaseRun, false, "c"},
    {"AllClearEdit", CmdEditAction, kActAllClear, kPhaseRun, false, "c"},
};

}  // namespace

const CommandList edit_commands = {"controls", kRows, RowCount(kRows)};

}  // namespace zep
