#include "core/commands.h"

#include <cstring>

#include "core/system_commands.h"
#include "core/variables.h"
#include "graphics/commands.h"
#include "runtime/settings.h"

namespace zep {

namespace {

const CommandRow kCommands[] = {
    // Arrays.
    {"Data", CmdData, 0, kPhaseCreate, false},
    {"DataInit", CmdDataInit, 0, kPhaseBoth, false},
    // Window settings of the CREATE section, and their run-phase forms.
    {"SetWinStyle", CmdSetWinStyle, 0, kPhaseCreate, false},
    {"SetWinStyleOption", CmdSetWinStyleOption, 0, kPhaseCreate, false},
    {"SetWinColor", CmdSetWinColor, 0, kPhaseCreate, false},
    {"SetScrollBar", CmdSetScrollBar, 0, kPhaseCreate, false},
    {"SetTimer", CmdSetTimer, 0, kPhaseCreate, false},
    {"SetWinSize", CmdSetWinSizeCreate, 0, kPhaseCreate, false},
    {"SetWinPos", CmdSetWinPosCreate, 0, kPhaseCreate, false},
    {"SetCaption", CmdSetCaptionCreate, 0, kPhaseCreate, false},
    {"SetWinSize", CmdSetWinSizeRun, 0, kPhaseRun, false},
    {"SetWinPos", CmdSetWinPosRun, 0, kPhaseRun, false},
    {"SetCaption", CmdSetCaptionRun, 0, kPhaseRun, false},
    // Programs and help.
    {"WinExec", CmdWinExec, 0, kPhaseRun, false},
    {"WinHelp", CmdWinHelp, 0, kPhaseRun, false},
#define ZEP_GRAPHICS_COMMANDS
#include "graphics/command_rows.inc"
#undef ZEP_GRAPHICS_COMMANDS
};

constexpr int kCommandCount = static_cast<int>(sizeof kCommands / sizeof kCommands[0]);

// Rows grouped by the first byte of their name, so that a lookup compares
// only names that can match; built once.
struct Index {
  uint16_t start[257];
  uint16_t order[kCommandCount];
  Index() {
    uint16_t counts[256] = {};
    for (const CommandRow& row : kCommands) ++counts[static_cast<unsigned char>(row.name[0])];
    start[0] = 0;
    for (int c = 0; c < 256; ++c) start[c + 1] = static_cast<uint16_t>(start[c] + counts[c]);
    uint16_t fill[256];
    std::memcpy(fill, start, sizeof fill);
    for (int i = 0; i < kCommandCount; ++i) {
      order[fill[static_cast<unsigned char>(kCommands[i].name[0])]++] = static_cast<uint16_t>(i);
    }
  }
};

const Index& CommandIndex() {
  static const Index index;
  return index;
}

}  // namespace

const CommandRow* FindCommand(const char* name, Phase phase) {
  const Index& index = CommandIndex();
  unsigned char first = static_cast<unsigned char>(name[0]);
  for (int i = index.start[first]; i < index.start[first + 1]; ++i) {
    const CommandRow& row = kCommands[index.order[i]];
    if ((row.phase & phase) != 0 && std::strcmp(row.name, name) == 0) return &row;
  }
  return nullptr;
}

const CommandRow* CommandTable(int* count) {
  *count = kCommandCount;
  return kCommands;
}

}  // namespace zep
