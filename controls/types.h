// The control types a script names in CreateControl: the platform class and
// window style of each, the type ranges that the control commands accept,
// and which notifications run a control's section.
#pragma once

#include <cstdint>

namespace zep {

struct ControlClass {
  const char* class_name;  // "BUTTON", "COMBOBOX", ...
  uint32_t style;          // the full window style, child and visible included
};

// The class and style of a type. Type codes are not validated: unlisted codes
// below 30 or from 42 on make push buttons, 34..39 plain combo boxes. The
// bitmap button (type 1) is made by its own class.
ControlClass ClassOfType(int32_t type);

enum class TypeRange { kButton, kCheck, kCombo, kList, kScroll, kEdit, kSingleLine, kBitmapButton };
bool TypeInRange(int32_t type, TypeRange range);

constexpr int32_t kTypeBitmapButton = 1;
constexpr int32_t kTypeHScroll = 70;
constexpr int32_t kTypeVScroll = 71;

// Whether a command notification (its code) from a control of this type runs
// the control's section: combo boxes and the sorted list box only on a
// selection change, every other type on every notification it sends.
bool NotificationRunsSection(int32_t type, int code);

}  // namespace zep
