// Sound through WINMM: mciSendStringA with the run window as the window
// told of a playback's end (MM_MCINOTIFY), PlaySoundA from memory, and the
// system sounds of MessageBeep.
#include "platform/win_sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace zep {

namespace {

class Win32SoundSystem : public SoundSystem {
 public:
  int SendCommand(const char* command, WindowRef notify) override {
    return static_cast<int>(mciSendStringA(command, nullptr, 0, static_cast<HWND>(notify)));
  }

  void PlayImage(const uint8_t* image, int flag) override {
    DWORD flags = SND_MEMORY;
    if (flag >= 0) flags |= SND_ASYNC;
    if (flag == 1) flags |= SND_LOOP;
    PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, flags);
  }

  void StopImage() override { PlaySoundA(nullptr, nullptr, 0); }

  void Beep(int n) override { MessageBeep(static_cast<UINT>(n)); }
};

}  // namespace

SoundSystem* Win32Sound() {
  static Win32SoundSystem the_sound;
  return &the_sound;
}

}  // namespace zep
