#include "media/wave_format.h"

#include <cstring>

namespace zep {

namespace {

constexpr size_t kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr size_t kChunkHeader = 8;  // id, size
constexpr uint32_t kPcmFormatSize = 16;
constexpr uint32_t kExtensibleFormatSize = 40;
constexpr uint16_t kExtensibleExtra = 22;  // cbSize of an extensible block

// KSDATAFORMAT_SUBTYPE_PCM as its bytes lie in a file.
constexpr uint8_t kPcmSubformat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t Get16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

uint32_t Get32(const uint8_t* at) { return uint32_t{Get16(at)} | uint32_t{Get16(at + 2)} << 16; }

bool IsId(const uint8_t* at, const char* id) { return std::memcmp(at, id, 4) == 0; }

// The values of a "fmt " chunk body of n bytes, checked one by one.
WaveCheck CheckFormat(const uint8_t* fmt, uint32_t n, WaveLayout* layout) {
  if (n < kPcmFormatSize) return WaveCheck::kShortFormat;
  uint16_t tag = Get16(fmt);
  uint16_t bits = Get16(fmt + 14);
  if (tag == kWaveFormatExtensible) {
    if (n < kExtensibleFormatSize || Get16(fmt + 16) < kExtensibleExtra) {
      return WaveCheck::kShortFormat;
    }
    if (std::memcmp(fmt + 24, kPcmSubformat, sizeof kPcmSubformat) != 0) return WaveCheck::kNotPcm;
    if (Get16(fmt + 18) != bits) return WaveCheck::kBadBits;
  } else if (tag != kWaveFormatPcm) {
    return WaveCheck::kNotPcm;
  }
  uint16_t channels = Get16(fmt + 2);
  uint32_t rate = Get32(fmt + 4);
  uint32_t byte_rate = Get32(fmt + 8);
  uint16_t block_align = Get16(fmt + 12);
  if (channels < 1 || channels > kMaxWaveChannels) return WaveCheck::kBadChannels;
  if (rate < kMinWaveRate || rate > kMaxWaveRate) return WaveCheck::kBadRate;
  if (bits != 8 && bits != 16) return WaveCheck::kBadBits;
  if (block_align != channels * bits / 8) return WaveCheck::kBadBlockAlign;
  if (byte_rate != rate * block_align) return WaveCheck::kBadByteRate;
  layout->channels = channels;
  layout->sample_rate = rate;
  layout->bits_per_sample = bits;
  layout->block_align = block_align;
  return WaveCheck::kOk;
}

}  // namespace

WaveCheck CheckWave(const uint8_t* file, size_t size, WaveLayout* layout) {
  if (size < kRiffHeader || !IsId(file, "RIFF") || !IsId(file + 8, "WAVE")) {
    return WaveCheck::kNotWave;
  }
  uint32_t riff_size = Get32(file + 4);
  if (riff_size < 4 || riff_size > size - kChunkHeader) return WaveCheck::kBadRiffSize;
  const size_t riff_end = kChunkHeader + size_t{riff_size};
  bool have_format = false;
  size_t at = kRiffHeader;
  while (at < riff_end) {
    if (riff_end - at < kChunkHeader) return WaveCheck::kBadChunk;
    const uint8_t* chunk = file + at;
    uint32_t n = Get32(chunk + 4);
    size_t body = at + kChunkHeader;
    if (n > riff_end - body) return WaveCheck::kBadChunk;
    if (IsId(chunk, "fmt ") && !have_format) {
      WaveCheck format = CheckFormat(file + body, n, layout);
      if (format != WaveCheck::kOk) return format;
      have_format = true;
    } else if (IsId(chunk, "data")) {
      if (!have_format) return WaveCheck::kNoFormat;
      if (n < layout->block_align) return WaveCheck::kEmptyData;
      layout->data_offset = body;
      layout->data_size = n;
      return WaveCheck::kOk;
    }
    // The pad byte of an odd body may be missing after the last chunk.
    at = body + n + (n & 1u);
  }
  return have_format ? WaveCheck::kNoData : WaveCheck::kNoFormat;
}

}  // namespace zep
