// Wave files (RIFF/WAVE): the checks that make a file safe to hand to the
// platform's player. The media interface's wave driver takes the format
// block on trust and divides by its channel count and sample size when it
// plays, so a file is checked here, from its bytes, before it is registered.
// Portable: no platform call is made here.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zep {

// A wave file above this many bytes is not read at all (six minutes of
// 16-bit stereo at 44.1 kHz; the file is read whole to be checked).
constexpr size_t kMaxWaveFile = 64u * 1024 * 1024;

// What the player plays: PCM of 1 or 2 channels, 8 or 16 bits per sample,
// from the lowest sample rate in use (4 kHz) to the highest sound cards
// offer (192 kHz).
constexpr uint16_t kMaxWaveChannels = 2;
constexpr uint32_t kMinWaveRate = 4000;
constexpr uint32_t kMaxWaveRate = 192000;

constexpr uint16_t kWaveFormatPcm = 1;
// WAVE_FORMAT_EXTENSIBLE: accepted when its subformat is PCM and it says
// nothing a plain PCM block could not (valid bits = bits per sample); the
// channel mask is not looked at.
constexpr uint16_t kWaveFormatExtensible = 0xFFFE;

// A wave file that passed CheckWave. Offsets count from the file's start.
struct WaveLayout {
  uint16_t channels;         // 1..kMaxWaveChannels
  uint32_t sample_rate;      // kMinWaveRate..kMaxWaveRate
  uint16_t bits_per_sample;  // 8 or 16
  uint16_t block_align;      // channels * bits_per_sample / 8
  size_t data_offset;        // the first sample byte
  uint32_t data_size;        // bytes of samples: at least one block, inside the file
};

// Why a file was refused; kOk when the player can play it.
enum class WaveCheck : uint8_t {
  kOk,
  kNotWave,        // shorter than the RIFF header, or not "RIFF" .... "WAVE"
  kBadRiffSize,    // the RIFF chunk holds less than "WAVE", or runs past the file's end
  kBadChunk,       // a chunk's header or body runs past the RIFF chunk's end
  kNoFormat,       // no "fmt " chunk before the "data" chunk
  kShortFormat,    // the "fmt " chunk is shorter than its format tag needs
  kNotPcm,         // a format other than PCM (or extensible with the PCM subformat)
  kBadChannels,    // 0 channels, or more than kMaxWaveChannels
  kBadRate,        // a sample rate outside kMinWaveRate..kMaxWaveRate
  kBadBits,        // bits per sample other than 8 and 16, or valid bits that differ
  kBadBlockAlign,  // block align other than channels * bits / 8
  kBadByteRate,    // bytes per second other than rate * block align
  kNoData,         // no "data" chunk after the "fmt " chunk
  kEmptyData,      // a "data" chunk of less than one sample frame
};

// Checks that size bytes at file are a wave file the player can play: the
// RIFF header and its size, every chunk up to and including "data" inside
// the RIFF chunk (bodies padded to an even length), the first "fmt " chunk
// before "data" and its values. Chunks after "data" are not looked at: the
// player reads no further. Bytes after the RIFF chunk are ignored. Reads
// only file[0..size-1]. On kOk fills *layout.
WaveCheck CheckWave(const uint8_t* file, size_t size, WaveLayout* layout);

}  // namespace zep
