// Wave buffers: named in-memory WAV files of 8-bit mono samples at 22050
// per second, declared in CREATE, written and read sample by sample,
// played from memory and saved into the data file.
#pragma once

#include <cstdint>
#include <vector>

#include "core/command_table.h"
#include "core/common.h"
#include "core/run_parts.h"

namespace zep {

constexpr int kMaxWaveBuffers = 32;
constexpr int kMaxWaveSamples = 65535;
constexpr int kWaveHeaderSize = 44;

// The complete WAV image of a new buffer of `samples` samples (1..65535):
// the 44-byte header, then a quiet square wave of period 40 (20 samples of
// 100, 20 of 127).
std::vector<uint8_t> NewWaveImage(int32_t samples);

// The rows of the wave buffer commands.
extern const CommandList wave_buffer_commands;

// No buffers before CREATE; at the window's end or a failed load the sound
// playing from a buffer is stopped, then the buffers are freed.
extern const RunPart wave_buffer_part;

}  // namespace zep
