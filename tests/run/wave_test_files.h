// Builds wave files for tests, chunk by chunk and field by field, so that
// each test can make a sound file and then spoil exactly one thing about it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zep {

// The values of a "fmt " chunk; -1 and 0 mean "as a correct writer would".
struct WaveFields {
  uint16_t tag = 1;  // 1 PCM, 0xFFFE extensible
  uint16_t channels = 1;
  uint32_t rate = 22050;
  uint16_t bits = 8;
  int64_t block_align = -1;  // -1: channels * bits / 8
  int64_t byte_rate = -1;    // -1: rate * block align
  int64_t fmt_size = -1;     // bytes of the body written; -1: 16, 40 when extensible
  // Extensible only: cbSize, valid bits (0: bits), and the subformat.
  uint16_t extra = 22;
  uint16_t valid_bits = 0;
  bool pcm_subformat = true;
};

inline void PutLE(std::string* out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline std::string FmtBody(const WaveFields& f) {
  uint16_t align =
      static_cast<uint16_t>(f.block_align >= 0 ? f.block_align : f.channels * f.bits / 8);
  uint32_t byte_rate = static_cast<uint32_t>(f.byte_rate >= 0 ? f.byte_rate : f.rate * align);
  std::string body;
  PutLE(&body, f.tag, 2);
  PutLE(&body, f.channels, 2);
  PutLE(&body, f.rate, 4);
  PutLE(&body, byte_rate, 4);
  PutLE(&body, align, 2);
  PutLE(&body, f.bits, 2);
  if (f.tag == 0xFFFE) {
    PutLE(&body, f.extra, 2);
    PutLE(&body, f.valid_bits != 0 ? f.valid_bits : f.bits, 2);
    PutLE(&body, f.channels == 1 ? 4 : 3, 4);  // channel mask
    // KSDATAFORMAT_SUBTYPE_PCM, or _IEEE_FLOAT (3) when not PCM.
    body += std::string(f.pcm_subformat ? "\x01" : "\x03", 1);
    body += std::string("\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 15);
  }
  int64_t size = f.fmt_size >= 0 ? f.fmt_size : static_cast<int64_t>(body.size());
  body.resize(static_cast<size_t>(size), '\0');
  return body;
}

// n sample bytes: byte k is 128 + k % 64.
inline std::string Samples(size_t n) {
  std::string s;
  for (size_t k = 0; k < n; ++k) s.push_back(static_cast<char>(128 + k % 64));
  return s;
}

struct WaveChunk {
  std::string id;
  std::string body;
  int64_t declared = -1;  // the size field; -1: the body's size
  bool pad = true;        // a pad byte after an odd body
};

// "RIFF", the size (-1: of what follows it), "WAVE" (or form), the chunks.
inline std::string Riff(const std::vector<WaveChunk>& chunks, int64_t riff_size = -1,
                        const std::string& form = "WAVE") {
  std::string inside = form;
  for (const WaveChunk& c : chunks) {
    inside += c.id;
    PutLE(&inside,
          static_cast<uint32_t>(c.declared >= 0 ? c.declared : static_cast<int64_t>(c.body.size())),
          4);
    inside += c.body;
    if (c.pad && c.body.size() % 2 == 1) inside.push_back('\0');
  }
  std::string out = "RIFF";
  PutLE(&out,
        static_cast<uint32_t>(riff_size >= 0 ? riff_size : static_cast<int64_t>(inside.size())), 4);
  return out + inside;
}

// A plain file: the format chunk of f, then data_bytes sample bytes.
inline std::string MakeWave(const WaveFields& f, size_t data_bytes = 100) {
  return Riff({{"fmt ", FmtBody(f)}, {"data", Samples(data_bytes)}});
}

}  // namespace zep
