// The commands on any control: creation, size, font and focus.
#include "controls/layout.h"

#include <cstring>

#include "controls/control_system.h"
#include "controls/registry.h"
#include "core/args.h"
#include "core/errors.h"

namespace zep {

// A full table (code 25) is refused before the argument count is checked.
void CmdCreateControl(WindowRef window, const ArgList& args, int) {
  if (control_table.control_count == kMaxControls) return SetError(kErrControlCreate);
  char text[kMaxStatement], id[kMaxStatement];
  int32_t a[7];
  if (!CheckArgCount(args, 7) || !GetStrArg(args, 1, text) || !GetStrArg(args, 2, id)) return;
  if (!GetIntArgs(window, args, 0, 0, a) || !GetIntArgs(window, args, 3, 6, a)) return;
  // An ID is a section name: one that would not fit whole could never run.
  if (std::strlen(id) > kMaxToken) return SetError(kErrControlCreate);
  ControlRecord& r = control_table.records[control_table.control_count++];
  r = ControlRecord{};
  r.type = a[0];
  CopyText(r.text, sizeof r.text, text);
  CopyText(r.id, sizeof r.id, id);
  r.x = a[3], r.y = a[4], r.w = a[5], r.h = a[6];
}

// The font of SetControlFont: sw 1 italic, 2 heavy, 3 both, others plain.
ControlFont ScriptFont(const char* face, int32_t w, int32_t h, int32_t sw) {
  ControlFont font = {h, w, 0, false, ""};
  if (sw == 2 || sw == 3) font.weight = 900;
  font.italic = sw == 1 || sw == 3;
  CopyText(font.face, sizeof font.face, face);
  return font;
}

namespace {

// SetControlSize("ID",x,y,w,h): moves and sizes the control's window, on top
// and shown; the record keeps the declared place.
void CmdSetControlSize(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[5];
  if (!GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 4, a)) return;
  int index = LookUpControl(id);
  if (index < 0) return;
  control_system->PlaceControl(control_table.records[index].window, a[1], a[2], a[3], a[4]);
}

// SetControlFont("ID","font_name",w,h,sw): replaces the control's font.
void CmdSetControlFont(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement], face[kMaxStatement];
  int32_t a[5];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 1, face) || !GetIntArgs(window, args, 2, 4, a)) {
    return;
  }
  ResolveStrArg(face, sizeof face);
  int index = LookUpControl(id);
  if (index < 0) return;
  ControlRecord& r = control_table.records[index];
  if (r.font != nullptr) control_system->FreeFont(r.font);
  r.font = control_system->MakeFont(ScriptFont(face, a[2], a[3], a[4]));
  control_system->SetFont(r.window, r.font);
  r.font_width = a[2];
  r.font_height = a[3];
}

// SetControlFocus("ID"): the control takes the keyboard focus.
void CmdSetControlFocus(WindowRef, const ArgList& args, int) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return;
  int index = LookUpControl(id);
  if (index < 0) return;
  control_system->SetFocusTo(control_table.records[index].window);
}

// KillControlFocus: the window whose section runs takes the focus back.
void CmdKillControlFocus(WindowRef window, const ArgList&, int) {
  control_system->SetFocusTo(window);
}

const CommandRow kRows[] = {
    {"CreateControl", CmdCreateControl, 0, kPhaseCreate, false, "*itciiii"},
    {"SetControlSize", CmdSetControlSize, 0, kPhaseRun, false, "ciiii"},
    {"SetControlFont", CmdSetControlFont, 0, kPhaseRun, false, "criii"},
    {"SetControlFocus", CmdSetControlFocus, 0, kPhaseRun, false, "c"},
    {"KillControlFocus", CmdKillControlFocus, 0, kPhaseRun, false, ""},
};

}  // namespace

const CommandList control_commands = {"controls", kRows, RowCount(kRows)};

}  // namespace zep
