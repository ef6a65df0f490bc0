// The sound registry and the wave buffers against the recording sound
// system: the exact command strings sent for each script, the per-ID states
// with the loop rule, the WAV image byte for byte, and the codes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/args.h"
#include "core/run_settings.h"
#include "media/sounds.h"
#include "media/wave_buffers.h"
#include "tests/run/run_fixture.h"
#include "tests/run/wave_test_files.h"

namespace zep {
namespace {

using Calls = std::vector<std::string>;

class SoundTest : public RunTest {
 protected:
  // Wave files the player plays, and some it cannot.
  void SetUp() override {
    RunTest::SetUp();
    for (const char* name : {"a.wav", "b.wav", "x.wav"}) host_.files[name] = MakeWave(WaveFields{});
    WaveFields none, one_bit;
    none.channels = 0;
    one_bit.bits = 1;
    host_.files["zero.wav"] = MakeWave(none);
    host_.files["one_bit.wav"] = MakeWave(one_bit);
    host_.files["cut.wav"] = MakeWave(WaveFields{}).substr(0, 60);
    host_.files["text.wav"] = "not a sound";
    host_.files["locked.wav"] = MakeWave(WaveFields{});
    host_.locked.insert("locked.wav");
  }
  // The sound system's calls so far, without those of the other doubles.
  Calls SoundCalls() const {
    Calls out;
    for (const std::string& call : host_.calls) {
      for (const char* prefix : {"mci ", "PlayImage ", "StopImage", "Beep "}) {
        if (call.rfind(prefix, 0) == 0) out.push_back(call);
      }
    }
    return out;
  }
  // A command to the run window (its end is reported there).
  static std::string ToWindow(const std::string& command) {
    char at[32];
    std::snprintf(at, sizeof at, " @%p", kWindow);
    return "mci " + command + at;
  }
};

struct SoundRow {
  const char* create;
  const char* body;
  const char* failing;  // a command the media interface refuses, or ""
  int code;
  Calls calls;  // "@" at the end: told to the run window
};

const SoundRow kSoundRows[] = {
    {"EntryWaveFile(3,\"a.wav\") ;", "PlaySound(3,0) ;", "", 0,
     {"open \"a.wav\" type waveaudio alias sound3", "play sound3 from 0 notify@"}},
    {"", "EntryMidiFile(0,\"b.mid\") ; PlaySound(0,1) ;", "", 0,
     {"open \"b.mid\" type sequencer alias sound0", "play sound0 from 0 notify@"}},
    {"", "EntryWaveFile(31,\"a.wav\") ; PlaySound(31,-1) ;", "", 0,
     {"open \"a.wav\" type waveaudio alias sound31", "play sound31 from 0 wait@"}},
    // Registered twice, even never played.
    {"EntryWaveFile(3,\"a.wav\") ;", "EntryWaveFile(3,\"b.wav\") ;", "", 50,
     {"open \"a.wav\" type waveaudio alias sound3"}},
    {"", "EntryWaveFile(32,\"a.wav\") ;", "", 16, {}},
    {"", "EntryMidiFile(-1,\"a.mid\") ;", "", 16, {}},
    {"", "EntryWaveFile(3) ;", "", 8, {}},
    // A file that cannot be opened leaves the ID free.
    {"", "EntryWaveFile(3,\"x.wav\") ;", "open \"x.wav\" type waveaudio alias sound3", 52,
     {"open \"x.wav\" type waveaudio alias sound3"}},
    // A wave file the player cannot play, or that cannot be read, never
    // reaches the media interface.
    {"", "EntryWaveFile(3,\"zero.wav\") ;", "", 52, {}},
    {"", "EntryWaveFile(3,\"one_bit.wav\") ;", "", 52, {}},
    {"", "EntryWaveFile(3,\"cut.wav\") ;", "", 52, {}},
    {"", "EntryWaveFile(3,\"text.wav\") ;", "", 52, {}},
    {"", "EntryWaveFile(3,\"none.wav\") ;", "", 52, {}},
    {"", "EntryWaveFile(3,\"locked.wav\") ;", "", 52, {}},
    {"EntryWaveFile(3,\"zero.wav\") ;", "", "", 52, {}},
    {"", "EntryMidiFile(3,\"x.mid\") ; if(error_code==0){PlaySound(3,0) ;}",
     "open \"x.mid\" type sequencer alias sound3", 53,
     {"open \"x.mid\" type sequencer alias sound3"}},
    {"EntryWaveFile(3,\"a.wav\") ;", "PlaySound(32,0) ;", "", 16, {"open \"a.wav\" type waveaudio alias sound3"}},
    {"", "PlaySound(5,0) ;", "", 51, {}},
    {"EntryWaveFile(3,\"a.wav\") ;", "PlaySound(3,2) ;", "", 16, {"open \"a.wav\" type waveaudio alias sound3"}},
    {"", "PlaySound(3) ;", "", 8, {}},
    // Pause, resume; a sound never played is resumed.
    {"EntryWaveFile(3,\"a.wav\") ;", "PlaySound(3,0) ; PauseSound(3) ; PauseSound(3) ;", "", 0,
     {"open \"a.wav\" type waveaudio alias sound3", "play sound3 from 0 notify@",
      "pause sound3 notify", "resume sound3 notify"}},
    {"EntryWaveFile(3,\"a.wav\") ;", "PauseSound(3) ;", "", 0,
     {"open \"a.wav\" type waveaudio alias sound3", "resume sound3 notify"}},
    // A refused play changes nothing and reports nothing.
    {"EntryWaveFile(3,\"a.wav\") ;", "PlaySound(3,0) ; PauseSound(3) ;", "play sound3 from 0 notify", 0,
     {"open \"a.wav\" type waveaudio alias sound3", "play sound3 from 0 notify@",
      "resume sound3 notify"}},
    {"EntryWaveFile(3,\"a.wav\") ;", "StopSound(3) ;", "", 0,
     {"open \"a.wav\" type waveaudio alias sound3", "stop sound3"}},
    {"", "StopSound(4) ;", "", 51, {}},
    {"", "PauseSound(40) ;", "", 16, {}},
    {"", "Beep(16) ; Beep(-1) ;", "", 0, {"Beep 16", "Beep -1"}},
    {"", "Beep() ;", "", 23, {}},
};

class SoundRows : public SoundTest, public ::testing::WithParamInterface<SoundRow> {};

TEST_P(SoundRows, SendsTheseCommands) {
  const SoundRow& row = GetParam();
  if (row.failing[0] != '\0') sound_system_.failing.insert(row.failing);
  ASSERT_EQ(RunBody(row.body, row.create), row.code) << row.body;
  Calls expected;
  for (const std::string& call : row.calls) {
    bool told = call.back() == '@';
    expected.push_back(told ? ToWindow(call.substr(0, call.size() - 1)) : "mci " + call);
    if (call.rfind("Beep", 0) == 0) expected.back() = call;
  }
  EXPECT_EQ(SoundCalls(), expected);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SoundRows, ::testing::ValuesIn(kSoundRows),
                         [](const auto& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

// --- The loop rule ----------------------------------------------------------

struct LoopRow {
  const char* body;
  uint32_t status;
  bool restarted;
};

const LoopRow kLoopRows[] = {
    {"PlaySound(3,1) ;", 1, true},
    {"PlaySound(3,1) ;", 2, false},  // superseded, aborted or failed: no restart
    {"PlaySound(3,0) ;", 1, false},
    {"PlaySound(3,1) ; PlaySound(4,0) ;", 1, false},  // only the last started loops
    {"PlaySound(4,0) ; PlaySound(3,1) ;", 1, true},
    {"PlaySound(3,1) ; StopSound(3) ;", 1, false},
    {"PlaySound(3,1) ; PauseSound(3) ;", 1, false},
    {"PlaySound(3,1) ; PauseSound(3) ; PauseSound(3) ;", 1, true},
    {"", 1, false},
};

class LoopRows : public SoundTest, public ::testing::WithParamInterface<LoopRow> {};

TEST_P(LoopRows, RestartsOnlyTheLastLoopingSound) {
  const LoopRow& row = GetParam();
  ASSERT_EQ(RunBody(row.body, "EntryWaveFile(3,\"a.wav\") ; EntryWaveFile(4,\"b.wav\") ;"), 0);
  size_t before = SoundCalls().size();
  OnSoundNotify(kWindow, row.status);
  Calls all = SoundCalls();
  Calls sent(all.begin() + static_cast<long>(before), all.end());
  Calls restart = {ToWindow("seek sound3 to start"), ToWindow("play sound3 from 0 notify")};
  EXPECT_EQ(sent, row.restarted ? restart : Calls{});
}

INSTANTIATE_TEST_SUITE_P(Scripts, LoopRows, ::testing::ValuesIn(kLoopRows),
                         [](const auto& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

TEST_F(SoundTest, ALoopWhoseRestartIsRefusedEnds) {
  ASSERT_EQ(RunBody("PlaySound(3,1) ;", "EntryWaveFile(3,\"a.wav\") ;"), 0);
  sound_system_.failing.insert("play sound3 from 0 notify");
  OnSoundNotify(kWindow, 1);
  size_t before = SoundCalls().size();
  OnSoundNotify(kWindow, 1);
  EXPECT_EQ(SoundCalls().size(), before);
}

TEST_F(SoundTest, EveryRegisteredIdIsReleasedAtTheEndOrAFailedLoad) {
  ASSERT_EQ(RunBody("EntryMidiFile(7,\"b.mid\") ;", "EntryWaveFile(3,\"a.wav\") ;"), 0);
  OnRunDestroy(kWindow);
  Calls calls = SoundCalls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(Calls(calls.end() - 2, calls.end()),
            (Calls{"mci close sound3", "mci close sound7"}));

  host_.calls.clear();
  EXPECT_EQ(Load("CREATE{EntryWaveFile(2,\"a.wav\") ; x = 1 / 0 ;}\r\n"), 22);
  EXPECT_EQ(SoundCalls(), (Calls{"mci open \"a.wav\" type waveaudio alias sound2",
                                 "mci close sound2"}));
}

// The wave file is read and checked only after the ID's checks, and before
// the media interface sees it.
TEST_F(SoundTest, TheWaveFileIsCheckedBeforeItIsOpened) {
  ASSERT_EQ(RunBody("EntryWaveFile(3,\"a.wav\") ; EntryWaveFile(3,\"b.wav\") ;"), 50);
  Calls calls;
  for (const std::string& call : host_.calls) {
    if (call.rfind("ReadWholeFile ", 0) == 0 || call.rfind("mci open", 0) == 0) {
      calls.push_back(call);
    }
  }
  EXPECT_EQ(calls,
            (Calls{"ReadWholeFile a.wav", "mci open \"a.wav\" type waveaudio alias sound3"}));
}

// A refused file leaves its ID free: the end of the run has nothing to close.
TEST_F(SoundTest, ARefusedWaveFileLeavesItsIdFree) {
  ASSERT_EQ(RunBody("EntryWaveFile(3,\"zero.wav\") ;", "EntryWaveFile(4,\"a.wav\") ;"), 52);
  host_.calls.clear();
  OnRunDestroy(kWindow);
  EXPECT_EQ(SoundCalls(), (Calls{"mci close sound4"}));
}

TEST_F(SoundTest, ANameThatWouldBreakTheCommandIsRefused) {
  host_.files["a.wav\" type sequencer alias x"] = MakeWave(WaveFields{});
  CopyText(file_name, sizeof file_name, "a.wav\" type sequencer alias x");
  EXPECT_EQ(RunBody("EntryWaveFile(1,\"FILE_NAME\") ;"), 52);
  EXPECT_EQ(RunBody("EntryMidiFile(1,\"FILE_NAME\") ;"), 53);
  EXPECT_TRUE(SoundCalls().empty());
  file_name[0] = '\0';

  char out[44];
  EXPECT_TRUE(BuildOpenCommand(kWaveDevice, "a.wav", 31, out, sizeof out));
  EXPECT_FALSE(BuildOpenCommand(kWaveDevice, "abcdefgh.wav", 31, out, sizeof out));
}

// --- Wave buffers -----------------------------------------------------------

TEST(WaveImage, HeaderAndSquareWave) {
  std::vector<uint8_t> one = NewWaveImage(1);
  const char kOne[] =
      "RIFF\x25\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0\x01\0\x08\0"
      "data\x01\0\0\0\x64";
  ASSERT_EQ(one.size(), 45u);
  EXPECT_EQ(0, std::memcmp(one.data(), kOne, 45));

  std::vector<uint8_t> big = NewWaveImage(65535);
  ASSERT_EQ(big.size(), 65579u);
  EXPECT_EQ(std::vector<uint8_t>(big.begin() + 4, big.begin() + 8),
            (std::vector<uint8_t>{0x23, 0x00, 0x01, 0x00}));
  std::vector<uint8_t> samples(big.begin() + 44, big.begin() + 88);
  std::vector<uint8_t> wave(20, 100);
  wave.insert(wave.end(), 20, 127);
  wave.insert(wave.end(), 4, 100);
  EXPECT_EQ(samples, wave);
  EXPECT_EQ(big.back(), (65534 % 40) < 20 ? 100 : 127);
}

struct WaveRow {
  const char* create;
  const char* body;
  int code;
  double x;  // the value of x afterwards (when the body sets it)
};

const char kOneBuffer[] = "WaveBuf(\"b\",100) ;";

const WaveRow kWaveRows[] = {
    {kOneBuffer, "SetWaveBuf(\"b\",5,-1) ; x = GetWaveBuf(\"b\",5) ;", 0, -1},
    {kOneBuffer, "SetWaveBuf(\"b\",99,-128) ; x = GetWaveBuf(\"b\",99) ;", 0, -128},
    {kOneBuffer, "x = GetWaveBuf(\"b\",20) + GetWaveBuf(\"b\",0) ;", 0, 227},
    {kOneBuffer, "x = GetWaveBuf(\"b\",-3) ;", 0, 0},
    {kOneBuffer, "SetWaveBuf(\"b\",100,0) ;", 57, 0},
    {kOneBuffer, "x = GetWaveBuf(\"b\",100) ;", 57, 0},
    {kOneBuffer, "SetWaveBuf(\"b\",-1,0) ;", 16, 0},
    {kOneBuffer, "SetWaveBuf(\"b\",0,128) ;", 16, 0},
    {kOneBuffer, "SetWaveBuf(\"c\",0,0) ;", 56, 0},
    {kOneBuffer, "x = GetWaveBuf(\"c\",0) ;", 56, 0},
    {kOneBuffer, "SetWaveBuf(\"b\",0) ;", 8, 0},
    {kOneBuffer, "PlayWaveBuf(\"b\",2) ;", 16, 0},
    {kOneBuffer, "PlayWaveBuf(\"c\",0) ;", 0, 0},
    {kOneBuffer, "SaveWaveBuf(\"b\") ;", 5, 0},
    {kOneBuffer, "OpenFileWrite(\"w.wav\") ; SaveWaveBuf(\"c\") ;", 56, 0},
    {"WaveBuf(\"b\",0) ;", "", 55, 0},
    {"WaveBuf(\"b\",65536) ;", "", 55, 0},
    {"WaveBuf(\"b\") ;", "", 8, 0},
    {"", "WaveBuf(\"b\",10) ;", 6, 0},
    // A long name is kept whole.
    {"WaveBuf(\"a_name_longer_than_thirty_one_bytes\",3) ;",
     "x = GetWaveBuf(\"a_name_longer_than_thirty_one_bytes\",1) ;", 0, 100},
    // The first of two buffers with one name is used.
    {"WaveBuf(\"b\",1) ; WaveBuf(\"b\",5) ;", "x = GetWaveBuf(\"b\",3) ;", 57, 0},
};

class WaveRows : public SoundTest, public ::testing::WithParamInterface<WaveRow> {};

TEST_P(WaveRows, ValuesAndCodes) {
  const WaveRow& row = GetParam();
  ASSERT_EQ(RunBody(row.body, row.create), row.code) << row.body;
  if (row.code == 0 && std::strstr(row.body, "x =") != nullptr) {
    EXPECT_EQ(Var("x"), row.x);
  }
  EXPECT_EQ(run_state.answer, 0) << "GetWaveBuf leaves ANSWER alone";
}

INSTANTIATE_TEST_SUITE_P(Scripts, WaveRows, ::testing::ValuesIn(kWaveRows),
                         [](const auto& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

TEST_F(SoundTest, AThirtyThirdBufferIsRefusedBeforeItsArguments) {
  std::string create;
  for (int i = 0; i < 32; ++i) create += "WaveBuf(\"b" + std::to_string(i) + "\",1) ;";
  EXPECT_EQ(Load(("CREATE{" + create + "WaveBuf() ;}\r\nMAIN{}\r\n").c_str()), 54);
  EXPECT_EQ(Load(("CREATE{" + create + "}\r\nMAIN{}\r\n").c_str()), 0);
}

TEST_F(SoundTest, BuffersPlayTheirImageAndSaveItWhole) {
  ASSERT_EQ(RunBody("SetWaveBuf(\"b\",0,-1) ; PlayWaveBuf(\"b\",1) ; PlayWaveBuf(\"b\",-1) ;"
                    "PlayWaveBuf(\"b\",0) ; StopWaveBuf(anything) ;"
                    "OpenFileWrite(\"w.wav\") ; SaveWaveBuf(\"b\") ; CloseFile ;",
                    kOneBuffer),
            0);
  EXPECT_EQ(SoundCalls(),
            (Calls{"PlayImage 1 144", "PlayImage -1 144", "PlayImage 0 144", "StopImage"}));
  std::vector<uint8_t> expected = NewWaveImage(100);
  expected[44] = 255;
  EXPECT_EQ(sound_system_.played, expected);
  const std::string& saved = host_.files["w.wav"];
  ASSERT_EQ(saved.size(), 144u);
  EXPECT_EQ(0, std::memcmp(saved.data(), expected.data(), 144));
}

TEST_F(SoundTest, PlaybackStopsBeforeTheBuffersAreFreed) {
  ASSERT_EQ(RunBody("PlayWaveBuf(\"b\",1) ;", kOneBuffer), 0);
  host_.calls.clear();
  OnRunDestroy(kWindow);
  EXPECT_EQ(SoundCalls(), (Calls{"StopImage"}));
  ASSERT_EQ(RunBody("", kOneBuffer), 0);
  host_.calls.clear();
  OnRunDestroy(kWindow);
  EXPECT_EQ(SoundCalls(), Calls{}) << "nothing played, nothing to stop";
}

}  // namespace
}  // namespace zep
