#include "controls/routing.h"

#include "controls/control_system.h"
#include "controls/types.h"
#include "core/control_table.h"
#include "core/exec.h"

namespace zep {

void OnControlCommand(WindowRef window, int id, int code) {
  int index = id - kControlIdBase;
  if (index < 0 || index >= control_table.control_count) return;
  const ControlRecord& r = control_table.records[index];
  if (NotificationRunsSection(r.type, code)) RunSection(window, r.id);
}

int32_t ScrollTarget(ScrollStep step, int32_t current, int32_t pos, int32_t max) {
  int32_t target = current;
  switch (step) {
    case ScrollStep::kLineBack: target = current - 1; break;
    case ScrollStep::kLineForward: target = current + 1; break;
    case ScrollStep::kThumb: target = pos; break;
    case ScrollStep::kOther: break;
  }
  if (target < 1) target = 0;
  if (target >= max) target = max;
  return target;
}

void OnControlScroll(WindowRef window, WindowRef control, ScrollStep step, int32_t pos,
                     int first) {
  for (int i = first; i < control_table.control_count; ++i) {
    ControlRecord& r = control_table.records[i];
    if (r.window != control) continue;
    int32_t target =
        ScrollTarget(step, control_system->GetScrollBarPos(control), pos, r.scroll_max);
    if (target == r.scroll_pos) return;
    control_system->SetScrollBarPos(control, target);
    r.scroll_pos = target;
    RunSection(window, r.id);
    return;
  }
}

}  // namespace zep
