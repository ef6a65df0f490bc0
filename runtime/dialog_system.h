// What the script's dialog box needs of the platform: its window, made with
// this run's settings, and its timer (timer 2 of the dialog window).
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

struct DialogSettings;

class DialogSystem {
 public:
  virtual ~DialogSystem() = default;
  // Registers the DLG window class again with the dialog's background and
  // creates and shows the dialog, owned by owner; nullptr when it cannot.
  virtual WindowRef OpenDialog(WindowRef owner, const DialogSettings& settings) = 0;
  // Destroys the dialog window now (its end runs before this returns).
  virtual void DestroyDialog(WindowRef dialog) = 0;
  virtual void StartDialogTimer(WindowRef dialog, int32_t milliseconds) = 0;
  virtual void StopDialogTimer(WindowRef dialog) = 0;
};

// The dialog system in use. Set once at start-up (or by a test).
extern DialogSystem* dialog_system;

}  // namespace zep
