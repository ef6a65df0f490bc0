// The Win32 implementation of the sound interface (the media interface's
// string commands, PlaySoundA from memory, MessageBeep).
#pragma once

#include "media/sound_system.h"

namespace zep {

SoundSystem* Win32Sound();

}  // namespace zep
