// The wave-file checks: a table of files, each good or spoilt in exactly one
// way, what CheckWave says of it and what EntryWaveFile makes of it; the
// layout of the files it accepts; and the images of new wave buffers, which
// must pass the same checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "media/wave_buffers.h"
#include "media/wave_format.h"
#include "runtime/events.h"
#include "tests/run/run_fixture.h"
#include "tests/run/wave_test_files.h"

namespace zep {

// Failures show the check's name.
void PrintTo(WaveCheck check, std::ostream* os) {
  static const char* const kNames[] = {
      "kOk",     "kNotWave",     "kBadRiffSize", "kBadChunk", "kNoFormat",      "kShortFormat",
      "kNotPcm", "kBadChannels", "kBadRate",     "kBadBits",  "kBadBlockAlign", "kBadByteRate",
      "kNoData", "kEmptyData"};
  *os << kNames[static_cast<int>(check)];
}

namespace {

WaveCheck Check(const std::string& file, WaveLayout* layout = nullptr) {
  WaveLayout unused;
  return CheckWave(reinterpret_cast<const uint8_t*>(file.data()), file.size(),
                   layout != nullptr ? layout : &unused);
}

WaveFields Format(uint16_t channels, uint16_t bits, uint32_t rate = 22050) {
  WaveFields f;
  f.channels = channels;
  f.bits = bits;
  f.rate = rate;
  return f;
}

WaveFields Extensible(uint16_t channels, uint16_t bits) {
  WaveFields f = Format(channels, bits);
  f.tag = 0xFFFE;
  return f;
}

template <typename Change>
WaveFields With(WaveFields f, Change change) {
  change(&f);
  return f;
}

std::string Cut(const std::string& file, size_t n) { return file.substr(0, file.size() - n); }

// A good 8-bit mono format chunk, for the files made chunk by chunk.
std::string GoodFmt() { return FmtBody(Format(1, 8)); }

struct WaveRow {
  const char* what;
  std::string file;
  WaveCheck expected;
};

std::vector<WaveRow> Rows() {
  return {
      {"8-bit mono", MakeWave(Format(1, 8)), WaveCheck::kOk},
      {"8-bit stereo", MakeWave(Format(2, 8)), WaveCheck::kOk},
      {"16-bit mono", MakeWave(Format(1, 16)), WaveCheck::kOk},
      {"16-bit stereo at 44100", MakeWave(Format(2, 16, 44100)), WaveCheck::kOk},
      {"lowest rate", MakeWave(Format(1, 8, 4000)), WaveCheck::kOk},
      {"highest rate", MakeWave(Format(2, 16, 192000)), WaveCheck::kOk},
      {"rate 0", MakeWave(Format(1, 8, 0)), WaveCheck::kBadRate},
      {"rate below the lowest", MakeWave(Format(1, 8, 3999)), WaveCheck::kBadRate},
      {"rate above the highest", MakeWave(Format(1, 8, 192001)), WaveCheck::kBadRate},
      {"0 channels", MakeWave(Format(0, 8)), WaveCheck::kBadChannels},
      {"3 channels", MakeWave(Format(3, 16)), WaveCheck::kBadChannels},
      {"1 bit", MakeWave(Format(1, 1)), WaveCheck::kBadBits},
      {"1 bit, block align 1",
       MakeWave(With(Format(1, 1), [](WaveFields* f) { f->block_align = 1; })),
       WaveCheck::kBadBits},
      {"24 bits", MakeWave(Format(2, 24)), WaveCheck::kBadBits},
      {"block align lies", MakeWave(With(Format(1, 8), [](WaveFields* f) { f->block_align = 2; })),
       WaveCheck::kBadBlockAlign},
      {"byte rate lies", MakeWave(With(Format(2, 16), [](WaveFields* f) { f->byte_rate = 22050; })),
       WaveCheck::kBadByteRate},
      {"IEEE float", MakeWave(With(Format(1, 16), [](WaveFields* f) { f->tag = 3; })),
       WaveCheck::kNotPcm},
      {"ADPCM", MakeWave(With(Format(1, 8), [](WaveFields* f) { f->tag = 2; })),
       WaveCheck::kNotPcm},
      {"format chunk of 14 bytes",
       MakeWave(With(Format(1, 8), [](WaveFields* f) { f->fmt_size = 14; })),
       WaveCheck::kShortFormat},
      {"format chunk of 18 bytes (WAVEFORMATEX)",
       MakeWave(With(Format(1, 8), [](WaveFields* f) { f->fmt_size = 18; })), WaveCheck::kOk},
      {"extensible PCM 16-bit mono", MakeWave(Extensible(1, 16)), WaveCheck::kOk},
      {"extensible PCM 8-bit stereo", MakeWave(Extensible(2, 8)), WaveCheck::kOk},
      {"extensible float",
       MakeWave(With(Extensible(1, 16), [](WaveFields* f) { f->pcm_subformat = false; })),
       WaveCheck::kNotPcm},
      {"extensible, 12 valid bits of 16",
       MakeWave(With(Extensible(1, 16), [](WaveFields* f) { f->valid_bits = 12; })),
       WaveCheck::kBadBits},
      {"extensible, cbSize 0",
       MakeWave(With(Extensible(1, 16), [](WaveFields* f) { f->extra = 0; })),
       WaveCheck::kShortFormat},
      {"extensible, format chunk of 18 bytes",
       MakeWave(With(Extensible(1, 16), [](WaveFields* f) { f->fmt_size = 18; })),
       WaveCheck::kShortFormat},
      {"extensible, 0 channels", MakeWave(Extensible(0, 16)), WaveCheck::kBadChannels},
      {"empty file", "", WaveCheck::kNotWave},
      {"11 bytes", MakeWave(Format(1, 8)).substr(0, 11), WaveCheck::kNotWave},
      {"RIFX", "RIFX" + MakeWave(Format(1, 8)).substr(4), WaveCheck::kNotWave},
      {"AVI form", Riff({{"fmt ", GoodFmt()}, {"data", Samples(8)}}, -1, "AVI "),
       WaveCheck::kNotWave},
      {"RIFF size 3", Riff({}, 3), WaveCheck::kBadRiffSize},
      {"RIFF size 4: no chunk", Riff({}, 4), WaveCheck::kNoFormat},
      {"data cut short (the RIFF runs past the end)", Cut(MakeWave(Format(1, 8)), 1),
       WaveCheck::kBadRiffSize},
      {"RIFF size 0xFFFFFFFF", Riff({{"fmt ", GoodFmt()}, {"data", Samples(8)}}, 0xFFFFFFFF),
       WaveCheck::kBadRiffSize},
      {"bytes after the RIFF chunk", MakeWave(Format(1, 8)) + "junk", WaveCheck::kOk},
      {"data chunk past the end", Riff({{"fmt ", GoodFmt()}, {"data", Samples(8), 9}}),
       WaveCheck::kBadChunk},
      {"data chunk of size 0xFFFFFFFF",
       Riff({{"fmt ", GoodFmt()}, {"data", Samples(8), 0xFFFFFFFF}}), WaveCheck::kBadChunk},
      {"format chunk past the end", Riff({{"fmt ", GoodFmt(), 100}}), WaveCheck::kBadChunk},
      {"a data chunk after the RIFF's end is not read",
       Riff({{"fmt ", GoodFmt()}}) + "data" + std::string("\x08\0\0\0", 4) + Samples(8),
       WaveCheck::kNoData},
      {"half a chunk header inside the RIFF",
       [] {
         std::string inside = "WAVEfmt " + std::string("\x10\0\0\0", 4) + GoodFmt() + "data";
         std::string out = "RIFF";
         PutLE(&out, inside.size(), 4);
         return out + inside;
       }(),
       WaveCheck::kBadChunk},
      {"truncated format chunk at the end", Cut(Riff({{"fmt ", GoodFmt()}}), 2),
       WaveCheck::kBadRiffSize},
      {"no data chunk", Riff({{"fmt ", GoodFmt()}, {"LIST", "INFO"}}), WaveCheck::kNoData},
      {"no format chunk", Riff({{"LIST", "INFO"}, {"data", Samples(8)}}), WaveCheck::kNoFormat},
      {"data before the format", Riff({{"data", Samples(8)}, {"fmt ", GoodFmt()}}),
       WaveCheck::kNoFormat},
      {"empty data chunk", MakeWave(Format(1, 8), 0), WaveCheck::kEmptyData},
      {"data of less than a 16-bit stereo frame", MakeWave(Format(2, 16), 3),
       WaveCheck::kEmptyData},
      {"one 16-bit stereo frame", MakeWave(Format(2, 16), 4), WaveCheck::kOk},
      {"odd chunk padded before the format",
       Riff({{"LIST", "odd"}, {"fmt ", GoodFmt()}, {"data", Samples(8)}}), WaveCheck::kOk},
      {"odd chunk not padded before the format",
       Riff({{"LIST", "odd", -1, false}, {"fmt ", GoodFmt()}, {"data", Samples(8)}}),
       WaveCheck::kBadChunk},
      {"odd data chunk last, not padded",
       Riff({{"fmt ", GoodFmt()}, {"data", Samples(7), -1, false}}), WaveCheck::kOk},
      {"odd data chunk padded, then more",
       Riff({{"fmt ", GoodFmt()}, {"data", Samples(7)}, {"LIST", "INFO"}}), WaveCheck::kOk},
      {"a chunk after the data is not looked at",
       Riff({{"fmt ", GoodFmt()}, {"data", Samples(8)}, {"LIST", "INFO", 1000}}), WaveCheck::kOk},
      {"a second format chunk is not looked at",
       Riff({{"fmt ", GoodFmt()}, {"fmt ", FmtBody(Format(0, 8))}, {"data", Samples(8)}}),
       WaveCheck::kOk},
      {"a bad first format chunk",
       Riff({{"fmt ", FmtBody(Format(0, 8))}, {"fmt ", GoodFmt()}, {"data", Samples(8)}}),
       WaveCheck::kBadChannels},
  };
}

TEST(WaveFormat, AcceptsOnlyWhatThePlayerPlays) {
  for (const WaveRow& row : Rows()) {
    EXPECT_EQ(Check(row.file), row.expected) << row.what;
  }
}

TEST(WaveFormat, GivesTheLayoutOfAnAcceptedFile) {
  WaveLayout layout;
  ASSERT_EQ(
      Check(Riff({{"LIST", "odd"}, {"fmt ", FmtBody(Format(2, 16, 44100))}, {"data", Samples(40)}}),
            &layout),
      WaveCheck::kOk);
  EXPECT_EQ(layout.channels, 2);
  EXPECT_EQ(layout.sample_rate, 44100u);
  EXPECT_EQ(layout.bits_per_sample, 16);
  EXPECT_EQ(layout.block_align, 4);
  EXPECT_EQ(layout.data_offset, 12u + 12 + 24 + 8);
  EXPECT_EQ(layout.data_size, 40u);
}

// EntryWaveFile gives each file of the table to the media interface when
// the checks accept it, and refuses it with code 52 otherwise.
class WaveFileEntry : public RunTest {};

TEST_F(WaveFileEntry, RegistersOnlyWhatThePlayerPlays) {
  for (const WaveRow& row : Rows()) {
    host_.files["f.wav"] = row.file;
    host_.calls.clear();
    int code = RunBody("EntryWaveFile(7,\"f.wav\") ;");
    bool opened = std::find(host_.calls.begin(), host_.calls.end(),
                            "mci open \"f.wav\" type waveaudio alias sound7") != host_.calls.end();
    bool ok = row.expected == WaveCheck::kOk;
    EXPECT_EQ(code, ok ? 0 : kErrWaveFile) << row.what;
    EXPECT_EQ(opened, ok) << row.what;
    OnRunDestroy(kWindow);
  }
}

// Every buffer WaveBuf can declare is a file the player can play.
TEST(WaveFormat, NewBufferImagesPassTheChecks) {
  for (int32_t samples : {1, 2, 39, 40, 41, 4410, 65534, 65535}) {
    std::vector<uint8_t> image = NewWaveImage(samples);
    WaveLayout layout;
    ASSERT_EQ(CheckWave(image.data(), image.size(), &layout), WaveCheck::kOk) << samples;
    EXPECT_EQ(layout.data_offset, static_cast<size_t>(kWaveHeaderSize));
    EXPECT_EQ(layout.data_size, static_cast<uint32_t>(samples));
    EXPECT_EQ(layout.channels, 1);
    EXPECT_EQ(layout.bits_per_sample, 8);
    EXPECT_EQ(layout.sample_rate, 22050u);
  }
}

}  // namespace
}  // namespace zep
