// The commands on list and combo boxes, buttons and scroll-bar controls.
// Combo boxes (types 30..39) get the combo box's messages, list boxes
// (40..49) the list box's.
#include "controls/choice_commands.h"

#include <string>

#include "controls/control_system.h"
#include "controls/registry.h"
#include "core/args.h"
#include "core/errors.h"
#include "core/run_settings.h"

namespace zep {

namespace {

// The record of the control with ID id in range, or nullptr with the code set.
ControlRecord* Record(const char* id, TypeRange range) {
  int index = LookUpControlOf(id, range);
  return index < 0 ? nullptr : &control_table.records[index];
}

bool IsCombo(const ControlRecord& r) { return TypeInRange(r.type, TypeRange::kCombo); }

// The list or combo box of argument 0 and the one-line edit field of
// argument 1, for the commands that copy an item's text into the field.
bool ListAndEdit(const ArgList& args, TypeRange range, ControlRecord** list, ControlRecord** edit) {
  char id[kMaxStatement], edit_id[kMaxStatement];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 1, edit_id)) return false;
  int a, b;
  if (!LookUpTwoControls(id, range, edit_id, TypeRange::kSingleLine, &a, &b)) return false;
  *list = &control_table.records[a];
  *edit = &control_table.records[b];
  return true;
}

// SetListText("ID","text"): adds the resolved text as an item; sorted boxes
// put it in order.
void CmdSetListText(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement], text[kMaxStatement];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 1, text)) return;
  ResolveStrArg(text, sizeof text);
  if (ControlRecord* r = Record(id, TypeRange::kList)) {
    control_system->AddItem(r->window, IsCombo(*r), text);
  }
}

// GetListPos("ID"): the selected item's index, -1 when none.
void CmdGetListPos(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (ControlRecord* r = Record(id, TypeRange::kList)) {
    run_state.function_result = control_system->SelectedItem(r->window, IsCombo(*r));
  }
}

// SetListPos("ID",n): selects item n; -1 removes the selection.
void CmdSetListPos(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  if (ControlRecord* r = Record(id, TypeRange::kList)) {
    control_system->SelectItem(r->window, IsCombo(*r), a[1]);
  }
}

// GetListText("ID_list","ID_edit"): inserts the selected item's text (255
// bytes at most) at the edit field's caret; nothing when none is selected.
void CmdGetListText(WindowRef, const ArgList& args, int) {
  ControlRecord *list, *edit;
  if (!ListAndEdit(args, TypeRange::kList, &list, &edit)) return;
  int32_t item = control_system->SelectedItem(list->window, IsCombo(*list));
  if (item < 0) return;
  std::string text = control_system->ItemText(list->window, IsCombo(*list), item).substr(0, 255);
  control_system->ReplaceSelection(edit->window, text.c_str());
}

// ClearList("ID"): removes every item.
void CmdClearList(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (ControlRecord* r = Record(id, TypeRange::kList)) {
    control_system->ClearItems(r->window, IsCombo(*r));
  }
}

// GetComboText("ID_combo","ID_edit"): inserts the combo box's own text.
void CmdGetComboText(WindowRef, const ArgList& args, int) {
  ControlRecord *combo, *edit;
  if (!ListAndEdit(args, TypeRange::kCombo, &combo, &edit)) return;
  control_system->ReplaceSelection(edit->window, control_system->GetText(combo->window).c_str());
}

// SetButtonText("ID","text"): the button's label; for a bitmap button, its
// hint text, with nothing redrawn.
void CmdSetButtonText(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement], text[kMaxStatement];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 1, text)) return;
  ResolveStrArg(text, sizeof text);
  ControlRecord* r = Record(id, TypeRange::kButton);
  if (r == nullptr) return;
  if (r->type == kTypeBitmapButton) {
    CopyText(r->text, sizeof r->text, text);
  } else {
    control_system->SetText(r->window, text);
  }
}

// SetButtonCheck("ID",sw): 1 sets the mark, 0 clears it, others do nothing.
void CmdSetButtonCheck(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  ControlRecord* r = Record(id, TypeRange::kCheck);
  if (r != nullptr && (a[1] == 0 || a[1] == 1)) control_system->SetCheck(r->window, a[1] == 1);
}

// GetButtonCheck("ID"): 1 when the mark is set, else 0.
void CmdGetButtonCheck(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (ControlRecord* r = Record(id, TypeRange::kCheck)) {
    run_state.function_result = control_system->GetCheck(r->window) ? 1 : 0;
  }
}

// SetScrollRange("ID",renge): the range 0..renge; a position above it moves
// down to it.
void CmdSetScrollRange(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  ControlRecord* r = Record(id, TypeRange::kScroll);
  if (r == nullptr) return;
  r->scroll_max = a[1];
  control_system->SetScrollBarRange(r->window, a[1], false);
  if (r->scroll_pos > a[1]) r->scroll_pos = a[1];
  control_system->SetScrollBarPos(r->window, r->scroll_pos);
}

// SetScrollPos("ID",pos): the position, as given.
void CmdSetScrollPos(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[2];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 1, a)) return;
  ControlRecord* r = Record(id, TypeRange::kScroll);
  if (r == nullptr) return;
  r->scroll_pos = a[1];
  control_system->SetScrollBarPos(r->window, a[1]);
}

// GetScrollPos("ID"): the control's current position.
void CmdGetScrollPos(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  if (ControlRecord* r = Record(id, TypeRange::kScroll)) {
    run_state.function_result = control_system->GetScrollBarPos(r->window);
  }
}

const CommandRow kRows[] = {
    // List and combo boxes.
    {"SetListText", CmdSetListText, 0, kPhaseRun, false, "cr"},
    {"GetListPos", CmdGetListPos, 0, kPhaseRun, true, "c"},
    {"SetListPos", CmdSetListPos, 0, kPhaseRun, false, "ci"},
    {"GetListText", CmdGetListText, 0, kPhaseRun, false, "cc"},
    {"ClearList", CmdClearList, 0, kPhaseRun, false, "c"},
    {"GetComboText", CmdGetComboText, 0, kPhaseRun, false, "cc"},
    // Buttons.
    {"SetButtonText", CmdSetButtonText, 0, kPhaseRun, false, "cr"},
    {"SetButtonCheck", CmdSetButtonCheck, 0, kPhaseRun, false, "ci"},
    {"GetButtonCheck", CmdGetButtonCheck, 0, kPhaseRun, true, "c"},
};

const CommandRow kScrollBarRows[] = {
    {"SetScrollRange", CmdSetScrollRange, 0, kPhaseRun, false, "ci"},
    {"SetScrollPos", CmdSetScrollPos, 0, kPhaseRun, false, "ci"},
    {"GetScrollPos", CmdGetScrollPos, 0, kPhaseRun, true, "c"},
};

}  // namespace

const CommandList choice_commands = {"controls", kRows, RowCount(kRows)};
const CommandList scroll_bar_commands = {"controls", kScrollBarRows, RowCount(kScrollBarRows)};

}  // namespace zep
