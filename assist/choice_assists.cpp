#include "assist/choice_assists.h"

namespace zep {

namespace {

// The control types of radio buttons 500..517, in id order (517, the
// bitmap button, was added after the others and sits second in the dialog).
const int kControlTypes[] = {0, 10, 20, 30, 31, 32, 33, 40, 50, 51, 52, 60, 70, 71, 100, 101, 41, 1};

}  // namespace

std::string StyleText(int id) {
  if (id < kFirstStyle || id > kLastStyle) return "";
  if (id <= kFirstStyle + 4) return "SetWinStyle(" + std::to_string(id - kFirstStyle) + ") ;\r\n";
  return "SetWinStyleOption(" + std::to_string(id - kFirstStyle - 4) + ",80,80) ;\r\n";
}

int ControlType(int id) {
  if (id < kFirstControl || id > kLastControl) return -1;
  return kControlTypes[id - kFirstControl];
}

std::string ControlText(int id) {
  int type = ControlType(id);
  if (type < 0) return "";
  return "CreateControl(" + std::to_string(type) + ",\"str\",\"ID_control\",x,y,w,h) ;\r\n";
}

}  // namespace zep
