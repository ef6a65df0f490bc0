// The commands on any control: size, font and focus.
#include "controls/layout.h"

#include "controls/control_system.h"
#include "controls/registry.h"
#include "core/args.h"
#include "core/errors.h"

namespace zep {

// SetControlSize("ID",x,y,w,h): moves and sizes the control's window, on top
// and shown; the record keeps the declared place.
void CmdSetControlSize(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement];
  int32_t a[5];
  if (!CheckArgCount(args, 5) || !GetStrArg(args, 0, id) || !GetIntArgs(window, args, 1, 4, a)) {
    return;
  }
  int index = LookUpControl(id);
  if (index < 0) return;
  control_system->PlaceControl(control_table.records[index].window, a[1], a[2], a[3], a[4]);
}

// The font of SetControlFont: sw 1 italic, 2 heavy, 3 both, others plain.
ControlFont ScriptFont(const char* face, int32_t w, int32_t h, int32_t sw) {
  ControlFont font = {h, w, 0, false, ""};
  if (sw == 2 || sw == 3) font.weight = 900;
  font.italic = sw == 1 || sw == 3;
  CopyText(font.face, sizeof font.face, face);
  return font;
}

// SetControlFont("ID","font_name",w,h,sw): replaces the control's font.
void CmdSetControlFont(WindowRef window, const ArgList& args, int) {
  char id[kMaxStatement], face[kMaxStatement];
  int32_t a[5];
  if (!CheckArgCount(args, 5) || !GetStrArg(args, 0, id) || !GetStrArg(args, 1, face) ||
      !GetIntArgs(window, args, 2, 4, a)) {
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
  if (!CheckArgCount(args, 1) || !GetStrArg(args, 0, id)) return;
  int index = LookUpControl(id);
  if (index < 0) return;
  control_system->SetFocusTo(control_table.records[index].window);
}

// KillControlFocus: the window whose section runs takes the focus back.
void CmdKillControlFocus(WindowRef window, const ArgList& args, int) {
  if (!CheckArgCount(args, 0)) return;
  control_system->SetFocusTo(window);
}

}  // namespace zep
