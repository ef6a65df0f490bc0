#include "controls/registry.h"

#include "controls/bitmap_buttons.h"
#include "controls/control_system.h"
#include "controls/types.h"
#include "core/args.h"
#include "core/errors.h"

namespace zep {

ControlSystem* control_system = nullptr;

ControlFont DefaultFont() {
  ControlFont font = {12, 6, 0, false, ""};
  CopyText(font.face, sizeof font.face, "ＭＳ ゴシック");
  return font;
}

namespace {

void CreateOne(WindowRef window, int index, ControlOwner owner) {
  ControlRecord& r = control_table.records[index];
  r.font = control_system->MakeFont(DefaultFont());
  r.font_width = 6;
  r.font_height = 12;
  if (r.type == kTypeBitmapButton && owner == ControlOwner::kRunWindow) {
    return CreateBitmapButton(window, index);
  }
  ControlClass cls = ClassOfType(r.type);
  r.window = control_system->CreateChild(window, cls.class_name, r.text, cls.style, r.x, r.y, r.w,
                                         r.h, index + kControlIdBase);
  if (r.window == nullptr) return;
  control_system->SetFont(r.window, r.font);
  if (r.type == kTypeHScroll || r.type == kTypeVScroll) {
    r.scroll_max = r.type == kTypeHScroll ? r.w : r.h;
    r.scroll_pos = 0;
    control_system->SetScrollBarRange(r.window, r.scroll_max, false);
    control_system->SetScrollBarPos(r.window, 0);
  }
}

void ResetControls() { ResetControlTable(); }
void OpenControls(WindowRef window) { CreateControls(window, 0, ControlOwner::kRunWindow); }
void FreeControls(WindowRef) {
  DeleteControlFonts(0);
  ResetControlTable();
}

}  // namespace

const RunPart controls_part = {"controls", ResetControls, OpenControls, nullptr, FreeControls};

void CreateControls(WindowRef window, int first, ControlOwner owner) {
  for (int i = first; i < control_table.control_count; ++i) CreateOne(window, i, owner);
}

void DeleteControlFonts(int first) {
  for (int i = first; i < control_table.control_count; ++i) {
    ControlRecord& r = control_table.records[i];
    if (r.font != nullptr) control_system->FreeFont(r.font);
    r.font = nullptr;
  }
}

int LookUpControl(const char* id) {
  int index = FindControlIndex(id);
  if (index == -2) SetError(kErrNoControl);
  return index < 0 ? -1 : index;
}

namespace {

bool TypeFits(int index, TypeRange range) {
  if (TypeInRange(control_table.records[index].type, range)) return true;
  SetError(kErrControlType);
  return false;
}

}  // namespace

int LookUpControlOf(const char* id, TypeRange range) {
  int index = LookUpControl(id);
  if (index < 0) return -1;
  return TypeFits(index, range) ? index : -1;
}

bool LookUpTwoControls(const char* id_a, TypeRange range_a, const char* id_b, TypeRange range_b,
                       int* a, int* b) {
  *a = LookUpControl(id_a);
  if (*a < 0) return false;
  *b = LookUpControl(id_b);
  if (*b < 0) return false;
  return TypeFits(*a, range_a) && TypeFits(*b, range_b);
}

}  // namespace zep
