// The window settings commands of the CREATE section, their run-phase forms,
// the start values of the run settings and the load's size corrections.
#pragma once

#include <cstdint>

#include "core/command_table.h"

namespace zep {

// Sets every run setting to its start value; the screen size comes from the
// platform, and the window's outer size is the screen less 80 pixels.
void ResetRunSettings();

// Corrects the outer size recorded by CREATE for the menu bar, a missing
// caption and the window's own scroll bars; done once after a good load.
void CorrectWindowSize();

// Window styles of SetWinStyle 0..4; other types give style 0.
uint32_t WindowStyleFor(int style_type);
constexpr uint32_t kStyleHScroll = 0x00100000u;
constexpr uint32_t kStyleVScroll = 0x00200000u;

// The rows of the window settings commands: SetWinStyle, SetWinStyleOption,
// SetWinColor, SetScrollBar, SetTimer, SetWinSize, SetWinPos and SetCaption
// in CREATE, then the run-phase SetWinSize, SetWinPos and SetCaption.
extern const CommandList window_settings_commands;

}  // namespace zep
