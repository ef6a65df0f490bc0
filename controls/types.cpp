#include "controls/types.h"

namespace zep {

namespace {

struct TypeRow {
  int32_t type;
  ControlClass cls;
};

// The sorted list box (40) also asks for notifications (LBS_NOTIFY, bit 0),
// so that picking an item reports the selection change that runs its
// section; without it the list box would never run its section.
const TypeRow kTypes[] = {
    {0, {"BUTTON", 0x50000000u}},    {10, {"BUTTON", 0x50000004u}},
    {20, {"BUTTON", 0x50000002u}},   {30, {"COMBOBOX", 0x50200942u}},
    {31, {"COMBOBOX", 0x50200842u}}, {32, {"COMBOBOX", 0x50200943u}},
    {33, {"COMBOBOX", 0x50200843u}}, {40, {"LISTBOX", 0x50A01003u}},
    {41, {"LISTBOX", 0x50A01000u}},  {50, {"BUTTON", 0x50000107u}},
    {51, {"BUTTON", 0x50000307u}},   {52, {"BUTTON", 0x50000207u}},
    {60, {"STATIC", 0x50000000u}},   {70, {"SCROLLBAR", 0x50000000u}},
    {71, {"SCROLLBAR", 0x50000001u}}, {100, {"EDIT", 0x50B01104u}},
    {101, {"EDIT", 0x50801180u}},
};

constexpr ControlClass kPushButton = {"BUTTON", 0x50000000u};
constexpr ControlClass kPlainCombo = {"COMBOBOX", 0x50200840u};

}  // namespace

ControlClass ClassOfType(int32_t type) {
  for (const TypeRow& row : kTypes) {
    if (row.type == type) return row.cls;
  }
  return (type >= 34 && type <= 39) ? kPlainCombo : kPushButton;
}

bool TypeInRange(int32_t type, TypeRange range) {
  switch (range) {
    case TypeRange::kButton: return type >= 0 && type <= 29;
    case TypeRange::kCheck: return type >= 10 && type <= 29;
    case TypeRange::kCombo: return type >= 30 && type <= 39;
    case TypeRange::kList: return type >= 30 && type <= 49;
    case TypeRange::kScroll: return type >= 70 && type <= 79;
    case TypeRange::kEdit: return type >= 100;
    case TypeRange::kSingleLine: return type == 101;
    case TypeRange::kBitmapButton: return type == 1;
  }
  return false;
}

bool NotificationRunsSection(int32_t type, int code) {
  constexpr int kSelectionChanged = 1;
  if ((type >= 30 && type <= 39) || type == 40) return code == kSelectionChanged;
  return true;
}

}  // namespace zep
