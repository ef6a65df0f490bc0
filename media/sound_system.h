// The platform's sound: string commands to the media interface, in-memory
// WAV images and the system sounds. One global pointer, set at start-up to
// the Win32 implementation and in the tests to a recording double.
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;

  // Sends one command string; its completion is reported to notify (nullptr:
  // to no window). Gives the media interface's code, 0 for success.
  virtual int SendCommand(const char* command, WindowRef notify) = 0;

  // Plays a complete WAV image from memory: flag -1 to its end before
  // returning, 0 once in the background, 1 in a loop in the background. A
  // new image replaces the one playing. The image must stay alive until
  // StopImage or until it has played.
  virtual void PlayImage(const uint8_t* image, int flag) = 0;
  // Stops the image that plays, if any.
  virtual void StopImage() = 0;

  // The system sound of type n (0, 16, 32, 48, 64 or -1).
  virtual void Beep(int n) = 0;
};

extern SoundSystem* sound_system;

}  // namespace zep
