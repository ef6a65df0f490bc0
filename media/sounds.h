// The sound registry: wave and MIDI files registered under IDs 0..31 and
// played, paused, resumed and stopped by ID through the media interface's
// string commands (each ID is the device alias "sound<ID>"), the loop of a
// sound played with flag 1, and the system sounds.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/command_table.h"
#include "core/common.h"
#include "core/run_parts.h"

namespace zep {

constexpr int kSoundIds = 32;

// The `extra` of EntryWaveFile and EntryMidiFile: which device opens the file.
constexpr int kWaveDevice = 0;
constexpr int kMidiDevice = 1;

// Writes the command that opens name on the device under the alias of id.
// Refuses (false) a name holding a double quote, which would end the name
// inside the command and let the rest reach the media interface as
// commands of its own, and a name too long for out.
bool BuildOpenCommand(int device, const char* name, int id, char* out, size_t cap);

// The rows of the sound commands.
extern const CommandList sound_commands;

// The media interface reported the end of a playback to the run window:
// restarts the last sound started when it was played with flag 1 and ended
// successfully (status 1).
void OnSoundNotify(WindowRef window, uint32_t status);

// Releases every registered ID.
void CloseAllSounds();

// Resets the IDs before CREATE, remembers the run window as the one told of
// playbacks' ends, and releases every ID at the window's end or a failed load.
extern const RunPart sound_part;

}  // namespace zep
