#include "runtime/subsystems.h"

#include "controls/bitmap_buttons.h"
#include "controls/button_commands.h"
#include "controls/choice_commands.h"
#include "controls/edit_commands.h"
#include "controls/layout.h"
#include "controls/registry.h"
#include "core/commands.h"
#include "core/data_file.h"
#include "core/run_parts.h"
#include "graphics/figures.h"
#include "graphics/packs.h"
#include "graphics/pictures.h"
#include "graphics/screen_state.h"
#include "graphics/screens.h"
#include "graphics/text_output.h"
#include "media/files.h"
#include "media/sounds.h"
#include "media/wave_buffers.h"
#include "runtime/dialog.h"
#include "runtime/menus.h"
#include "runtime/message_box.h"
#include "runtime/settings.h"
#include "runtime/window_parts.h"

namespace zep {

namespace {

const CommandList* const kCommandLists[] = {
    &core_commands,
    &window_settings_commands,
    &dialog_commands,
    &message_box_commands,
    &menu_commands,
    &figure_commands,
    &screen_commands,
    &picture_commands,
    &text_commands,
    &pack_commands,
    &file_commands,
    &edit_file_commands,
    &sound_commands,
    &wave_buffer_commands,
    &control_commands,
    &edit_commands,
    &choice_commands,
    &bitmap_button_commands,
    &scroll_bar_commands,
};

// Reset and opened in this order, freed in the reverse order.
const RunPart* const kRunParts[] = {
    &core_run_part,  // run flags, variables, program text
    &settings_part,
    &screen_part,
    &palette_part,
    &timer_part,
    &data_file_part,
    &sound_part,
    &wave_buffer_part,  // freed before the sounds: playback stops, then memory goes
    &menu_part,  // the bar, after the timer and before the controls
    &bitmap_buttons_part,  // the button classes, before the controls
    &controls_part,
    &frame_part,
    &back_screen_part,
    &packs_part,
    &shape_part,
    &dialog_part,
};

}  // namespace

void InstallSubsystems() {
  InstallCommandLists(kCommandLists, static_cast<int>(sizeof kCommandLists / sizeof *kCommandLists));
  InstallRunParts(kRunParts, static_cast<int>(sizeof kRunParts / sizeof *kRunParts));
}

}  // namespace zep
