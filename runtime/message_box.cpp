#include "runtime/message_box.h"

#include "core/args.h"
#include "core/host.h"
#include "core/run_settings.h"

namespace zep {

unsigned MessBoxFlags(int32_t btn, int32_t icon) {
  unsigned flags = kBoxOk;
  if (btn == 2) flags = kBoxOkCancel;
  if (btn == 3) flags = kBoxYesNo;
  if (btn == 4) flags = kBoxYesNoCancel;
  static const unsigned kIcons[] = {kBoxIconExclamation, kBoxIconInformation, kBoxIconQuestion,
                                    kBoxIconError};
  if (icon >= 1 && icon <= 4) flags |= kIcons[icon - 1];
  return flags;
}

int32_t MessBoxValue(int pressed) {
  constexpr int kCancel = 2, kNo = 7;
  if (pressed == kCancel) return -1;
  if (pressed == kNo) return 0;
  return 1;  // OK or Yes
}

void CmdMessBox(WindowRef window, const char* args, int) {
  char message[kMaxStatement], title[kMaxStatement];
  int32_t a[4];
  if (!CheckArgCount(args, 4) || !GetStrArg(args, 0, message) || !GetStrArg(args, 1, title) ||
      !GetIntArgs(window, args, 2, 3, a)) {
    return;
  }
  ResolveStrArg(message, sizeof message);
  ResolveStrArg(title, sizeof title);
  int pressed = host->ShowMessage(window, message, title, MessBoxFlags(a[2], a[3]));
  function_result = MessBoxValue(pressed);
}

}  // namespace zep
