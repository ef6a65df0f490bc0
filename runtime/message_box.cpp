#include "runtime/message_box.h"

#include "core/args.h"
#include "core/host.h"
#include "core/run_settings.h"
#include "core/section_runs.h"

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

int32_t MessBoxValue(int32_t btn, int pressed) {
  constexpr int kOk = 1, kYes = 6, kNo = 7;
  switch (btn) {
    case 2: return pressed == kOk ? 1 : -1;
    case 3: return pressed == kYes ? 1 : 0;
    case 4: return pressed == kYes ? 1 : pressed == kNo ? 0 : -1;
    default: return 1;
  }
}

namespace {

// MessBox("message","title",btn,icon): value 1 for OK or Yes, 0 for No, -1
// for Cancel; ANSWER is left alone.
void CmdMessBox(WindowRef window, const ArgList& args, int) {
  char message[kMaxStatement], title[kMaxStatement];
  int32_t a[4];
  if (!GetStrArg(args, 0, message) || !GetStrArg(args, 1, title) ||
      !GetIntArgs(window, args, 2, 3, a)) {
    return;
  }
  ResolveStrArg(message, sizeof message);
  ResolveStrArg(title, sizeof title);
  int pressed = host_system->ShowMessage(window, message, title, MessBoxFlags(a[2], a[3]));
  if (SectionStopped()) return;
  run_state.function_result = MessBoxValue(a[2], pressed);
}

const CommandRow kRows[] = {
    {"MessBox", CmdMessBox, 0, kPhaseRun, true, "rrii"},
};

}  // namespace

const CommandList message_box_commands = {"runtime", kRows, RowCount(kRows)};

}  // namespace zep
