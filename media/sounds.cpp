#include "media/sounds.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/args.h"
#include "core/data_file.h"
#include "core/errors.h"
#include "media/sound_system.h"
#include "media/wave_format.h"

namespace zep {

SoundSystem* sound_system = nullptr;

namespace {

enum : int32_t { kFree = -1, kStopped = 1, kPlaying = 2 };

constexpr std::array<int32_t, kSoundIds> AllFree() {
  std::array<int32_t, kSoundIds> ids{};
  for (int32_t& id : ids) id = kFree;
  return ids;
}

// Per ID: kFree, kStopped (registered, not playing: never played, stopped
// or paused) or kPlaying; and the flag of its last successful PlaySound.
std::array<int32_t, kSoundIds> sound_state = AllFree();
std::array<int32_t, kSoundIds> sound_loop{};
// The ID whose playback was started last, -1 when none: only it can loop.
int32_t looping_id = -1;
// The run window, told when a playback ends; nullptr before it opens.
WindowRef sound_window = nullptr;

constexpr uint32_t kNotifySuccessful = 1;

void ResetSounds() {
  sound_state = AllFree();
  sound_loop = {};
  looping_id = -1;
  sound_window = nullptr;
}

// Sends the command format (holding one %d) for id.
bool Send(const char* format, int id, WindowRef notify) {
  char command[64];
  std::snprintf(command, sizeof command, format, id);
  return sound_system->SendCommand(command, notify) == 0;
}

// Code 16 for an ID outside 0..31, 51 for one that holds no file.
bool CheckRegisteredId(int32_t id) {
  if (id < 0 || id >= kSoundIds) {
    SetError(kErrBadValue);
    return false;
  }
  if (sound_state[id] == kFree) {
    SetError(kErrNoSoundFile);
    return false;
  }
  return true;
}

// The first argument of PauseSound and StopSound: one registered ID.
bool GetRegisteredId(WindowRef window, const ArgList& args, int32_t* id) {
  return GetIntArgs(window, args, 0, 0, id) && CheckRegisteredId(*id);
}

// True when the named file is a wave file the player can play (CheckWave).
// The file is read and checked here, before the media interface opens it,
// because the wave driver trusts the format block and divides by it.
bool PlayableWaveFile(const char* name) {
  std::string bytes;
  if (file_system->ReadWholeFile(name, kMaxWaveFile, &bytes) != WholeFile::kRead) return false;
  WaveLayout layout;
  return CheckWave(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &layout) ==
         WaveCheck::kOk;
}

void OpenSounds(WindowRef window) { sound_window = window; }
void FreeSounds(WindowRef) { CloseAllSounds(); }

}  // namespace

bool BuildOpenCommand(int device, const char* name, int id, char* out, size_t cap) {
  if (std::strchr(name, '"') != nullptr) return false;
  const char* type = device == kMidiDevice ? "sequencer" : "waveaudio";
  int n = std::snprintf(out, cap, "open \"%s\" type %s alias sound%d", name, type, id);
  return n >= 0 && static_cast<size_t>(n) < cap;
}

// Every end reported is taken as the end of looping_id's playback: the
// notification names no device.
void OnSoundNotify(WindowRef window, uint32_t status) {
  int32_t id = looping_id;
  if (id < 0 || sound_state[id] == kStopped || sound_loop[id] != 1) return;
  if (status != kNotifySuccessful) return;
  Send("seek sound%d to start", id, window);
  if (!Send("play sound%d from 0 notify", id, window)) {
    sound_state[id] = kStopped;
    looping_id = -1;
  }
}

void CloseAllSounds() {
  for (int id = 0; id < kSoundIds; ++id) {
    if (sound_state[id] == kFree) continue;
    Send("close sound%d", id, nullptr);
    sound_state[id] = kFree;
  }
  looping_id = -1;
}

const RunPart sound_part = {"sounds", ResetSounds, OpenSounds, nullptr, FreeSounds};

namespace {

// EntryWaveFile(ID,"file_name"), EntryMidiFile(ID,"file_name"): opens the
// file on the wave or MIDI device under the ID. Codes 16 for an ID outside
// 0..31, 50 for an ID already in use, 52 (wave) or 53 (MIDI) when the file
// cannot be opened. A wave file is read and checked first: one the player
// cannot play (CheckWave) is refused with 52 and never reaches the media
// interface, which would accept it and fail only when it plays.
void CmdEntrySoundFile(WindowRef window, const ArgList& args, int device) {
  int32_t id;
  char name[kMaxStatement];
  if (!GetIntArgs(window, args, 0, 0, &id)) return;
  if (!GetResolvedStrArg(args, 1, name)) return;
  if (id < 0 || id >= kSoundIds) return SetError(kErrBadValue);
  if (sound_state[id] != kFree) return SetError(kErrSoundInUse);
  if (device == kWaveDevice && !PlayableWaveFile(name)) return SetError(kErrWaveFile);
  char command[kMaxStatement + 64];
  if (!BuildOpenCommand(device, name, id, command, sizeof command) ||
      sound_system->SendCommand(command, nullptr) != 0) {
    return SetError(device == kMidiDevice ? kErrMidiFile : kErrWaveFile);
  }
  sound_state[id] = kStopped;
}

// PlaySound(ID,flag): plays from the start; flag -1 waits until the end, 0
// plays once, 1 loops. A play the media interface refuses changes nothing.
void CmdPlaySound(WindowRef window, const ArgList& args, int) {
  int32_t v[2];
  if (!GetIntArgs(window, args, 0, 1, v) || !CheckRegisteredId(v[0])) return;
  int32_t id = v[0], flag = v[1];
  if (flag < -1 || flag > 1) return SetError(kErrBadValue);
  const char* format = flag == -1 ? "play sound%d from 0 wait" : "play sound%d from 0 notify";
  if (!Send(format, id, sound_window)) return;
  sound_loop[id] = flag;
  sound_state[id] = kPlaying;
  looping_id = id;
}

// PauseSound(ID): pauses a playing sound, or resumes a paused one.
void CmdPauseSound(WindowRef window, const ArgList& args, int) {
  int32_t id;
  if (!GetRegisteredId(window, args, &id)) return;
  if (sound_state[id] == kPlaying) {
    if (Send("pause sound%d notify", id, nullptr)) sound_state[id] = kStopped;
  } else if (Send("resume sound%d notify", id, nullptr)) {
    sound_state[id] = kPlaying;
  }
}

// StopSound(ID): stops the sound; a stopped sound no longer loops.
void CmdStopSound(WindowRef window, const ArgList& args, int) {
  int32_t id;
  if (!GetRegisteredId(window, args, &id)) return;
  if (Send("stop sound%d", id, nullptr)) sound_state[id] = kStopped;
}

// Beep(n): the system sound of type n; never fails.
void CmdBeep(WindowRef window, const ArgList& args, int) {
  int32_t n;
  if (GetIntArgs(window, args, 0, 0, &n)) sound_system->Beep(n);
}

const CommandRow kRows[] = {
    {"EntryWaveFile", CmdEntrySoundFile, kWaveDevice, kPhaseBoth, false, "ir"},
    {"EntryMidiFile", CmdEntrySoundFile, kMidiDevice, kPhaseBoth, false, "ir"},
    {"PlaySound", CmdPlaySound, 0, kPhaseRun, false, "ii"},
    {"PauseSound", CmdPauseSound, 0, kPhaseRun, false, "i"},
    {"StopSound", CmdStopSound, 0, kPhaseRun, false, "i"},
    {"Beep", CmdBeep, 0, kPhaseRun, false, "i"},
};

}  // namespace

const CommandList sound_commands = {"media", kRows, RowCount(kRows)};

}  // namespace zep
