// The sound's platform calls for the host tests, recorded into the shared
// call list: "mci <command>" (with " @<window>" when a window is to be told
// of its end), "PlayImage <flag> <bytes>", "StopImage", "Beep <n>". Commands
// listed in `failing` are refused by the media interface.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "media/sound_system.h"
#include "media/wave_format.h"

namespace zep {

class FakeSoundSystem : public SoundSystem {
 public:
  explicit FakeSoundSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  std::set<std::string> failing;
  // The image last given to PlayImage, as it was then.
  std::vector<uint8_t> played;

  int SendCommand(const char* command, WindowRef notify) override {
    std::string call = std::string("mci ") + command;
    if (notify != nullptr) {
      char at[32];
      std::snprintf(at, sizeof at, " @%p", notify);
      call += at;
    }
    calls_.push_back(call);
    return failing.count(command) != 0 ? 263 : 0;
  }
  // The platform is given no length: the image's RIFF size is its length
  // less 8. An image the player could not play is recorded with
  // " unplayable" after its length.
  void PlayImage(const uint8_t* image, int flag) override {
    uint32_t riff;
    std::memcpy(&riff, image + 4, 4);  // little-endian here
    played.assign(image, image + riff + 8);
    WaveLayout layout;
    bool playable = CheckWave(image, riff + 8, &layout) == WaveCheck::kOk;
    calls_.push_back("PlayImage " + std::to_string(flag) + " " + std::to_string(riff + 8) +
                     (playable ? "" : " unplayable"));
  }
  void StopImage() override { calls_.push_back("StopImage"); }
  void Beep(int n) override { calls_.push_back("Beep " + std::to_string(n)); }

 private:
  std::vector<std::string>& calls_;
};

}  // namespace zep
