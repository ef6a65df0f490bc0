// The dialog window's platform calls for the host tests: OpenDialog gives a
// fixed handle (or fails on request) and runs the dialog's opening steps as
// the window's creation would; calls are recorded into the shared list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/dialog.h"
#include "runtime/dialog_system.h"

namespace zep {

class FakeDialogSystem : public DialogSystem {
 public:
  explicit FakeDialogSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  static inline const WindowRef kDialog = reinterpret_cast<WindowRef>(0x2222);
  bool refuse = false;
  WindowRef next = kDialog;  // the handle the next dialog gets

  WindowRef OpenDialog(WindowRef, const DialogSettings& s) override {
    calls_.push_back("OpenDialog \"" + std::string(s.caption) + "\" " + std::to_string(s.left) +
                     "," + std::to_string(s.top) + " " + std::to_string(s.width) + "x" +
                     std::to_string(s.height) + " colour " + std::to_string(s.background));
    if (refuse) return nullptr;
    OnDialogCreate(next);
    return next;
  }
  void DestroyDialog(WindowRef dialog) override {
    calls_.push_back("DestroyDialog");
    OnDialogDestroy(dialog);
  }
  void StartDialogTimer(WindowRef, int32_t ms) override {
    calls_.push_back("StartDialogTimer " + std::to_string(ms));
  }
  void StopDialogTimer(WindowRef) override { calls_.push_back("StopDialogTimer"); }

 private:
  std::vector<std::string>& calls_;
};

}  // namespace zep
