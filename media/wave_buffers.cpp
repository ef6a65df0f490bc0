#include "media/wave_buffers.h"

#include <cstring>
#include <string>

#include "core/args.h"
#include "core/data_file.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "media/sound_system.h"

namespace zep {

namespace {

struct WaveBuffer {
  // The name as written in WaveBuf, whole (any length a statement holds),
  // so that every name that can be declared can be found again.
  std::string name;
  std::vector<uint8_t> image;  // header and samples
  int32_t size;                // samples
};

std::vector<WaveBuffer> wave_buffers;
// Set when a buffer was given to the platform to play: its memory must not
// be freed while it may still be playing.
bool image_played = false;

void Put16(uint8_t* at, uint32_t v) {
  at[0] = static_cast<uint8_t>(v);
  at[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* at, uint32_t v) {
  Put16(at, v);
  Put16(at + 2, v >> 16);
}

// The first buffer declared with that name, or nullptr.
WaveBuffer* FindWaveBuffer(const char* name) {
  for (WaveBuffer& buffer : wave_buffers) {
    if (buffer.name == name) return &buffer;
  }
  return nullptr;
}

// The start of the run-phase buffer commands of n arguments: the resolved
// name of the first, the numbers of the others in v[1..n-1].
bool GetNameAndNumbers(WindowRef window, const ArgList& args, int n, char* name, int32_t* v) {
  return GetResolvedStrArg(args, 0, name) && GetIntArgs(window, args, 1, n - 1, v);
}

void ResetWaveBuffers() {
  wave_buffers.clear();
  image_played = false;
}

void FreeWaveBuffers(WindowRef) {
  if (image_played) sound_system->StopImage();
  ResetWaveBuffers();
  wave_buffers.shrink_to_fit();
}

}  // namespace

std::vector<uint8_t> NewWaveImage(int32_t samples) {
  std::vector<uint8_t> image(kWaveHeaderSize + samples);
  uint8_t* h = image.data();
  std::memcpy(h, "RIFF", 4);
  Put32(h + 4, samples + 36);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  Put32(h + 16, 16);     // format chunk length
  Put16(h + 20, 1);      // PCM
  Put16(h + 22, 1);      // one channel
  Put32(h + 24, 22050);  // samples per second
  Put32(h + 28, 22050);  // bytes per second
  Put16(h + 32, 1);      // bytes per sample frame
  Put16(h + 34, 8);      // bits per sample
  std::memcpy(h + 36, "data", 4);
  Put32(h + 40, samples);
  for (int32_t i = 0; i < samples; ++i) h[kWaveHeaderSize + i] = (i % 40) < 20 ? 100 : 127;
  return image;
}

const RunPart wave_buffer_part = {"wave buffers", ResetWaveBuffers, nullptr, nullptr,
                                  FreeWaveBuffers};

namespace {

// WaveBuf("buf_name",size): declares a buffer of size samples. Code 54 for
// a 33rd buffer (before the arguments are looked at), 55 for a size outside
// 1..65535. The name is taken as written.
void CmdWaveBuf(WindowRef window, const ArgList& args, int) {
  if (wave_buffers.size() >= kMaxWaveBuffers) return SetError(kErrTooManyWaveBufs);
  char name[kMaxStatement];
  int32_t v[2];
  if (!CheckArgCount(args, 2) || !GetStrArg(args, 0, name)) return;
  if (!GetIntArgs(window, args, 1, 1, v)) return;
  if (v[1] < 1 || v[1] > kMaxWaveSamples) return SetError(kErrWaveBufSize);
  wave_buffers.push_back({name, NewWaveImage(v[1]), v[1]});
}

// SetWaveBuf("buf_name",pos,data): sample pos = data (-128..127, stored as
// its low 8 bits). Codes 16 for a negative pos or data out of range, 56, 57
// for pos at or beyond the size.
void CmdSetWaveBuf(WindowRef window, const ArgList& args, int) {
  int32_t v[3];
  char name[kMaxStatement];
  if (!GetNameAndNumbers(window, args, 3, name, v)) return;
  if (v[1] < 0 || v[2] < -128 || v[2] > 127) return SetError(kErrBadValue);
  WaveBuffer* buffer = FindWaveBuffer(name);
  if (buffer == nullptr) return SetError(kErrNoWaveBuf);
  if (v[1] >= buffer->size) return SetError(kErrWaveBufRange);
  buffer->image[kWaveHeaderSize + v[1]] = static_cast<uint8_t>(v[2]);
}

// GetWaveBuf("buf_name",pos): sample pos as a signed value, in the function
// result only. Codes 56, 57; a negative position gives 0.
void CmdGetWaveBuf(WindowRef window, const ArgList& args, int) {
  int32_t v[2];
  char name[kMaxStatement];
  if (!GetNameAndNumbers(window, args, 2, name, v)) return;
  WaveBuffer* buffer = FindWaveBuffer(name);
  if (buffer == nullptr) return SetError(kErrNoWaveBuf);
  if (v[1] >= buffer->size) return SetError(kErrWaveBufRange);
  run_state.function_result = v[1] < 0 ? 0 : static_cast<int8_t>(buffer->image[kWaveHeaderSize + v[1]]);
}

// PlayWaveBuf("buf_name",flag): plays the buffer, flag -1 to its end, 0 once
// in the background, 1 looped. Code 16 for another flag; an unknown name
// plays nothing and is no error.
void CmdPlayWaveBuf(WindowRef window, const ArgList& args, int) {
  int32_t v[2];
  char name[kMaxStatement];
  if (!GetNameAndNumbers(window, args, 2, name, v)) return;
  if (v[1] < -1 || v[1] > 1) return SetError(kErrBadValue);
  WaveBuffer* buffer = FindWaveBuffer(name);
  if (buffer == nullptr) return;
  image_played = true;
  sound_system->PlayImage(buffer->image.data(), v[1]);
}

// StopWaveBuf(): stops the sound a PlayWaveBuf started; takes no argument
// and does not look at what is written between the parentheses.
void CmdStopWaveBuf(WindowRef, const ArgList&, int) { sound_system->StopImage(); }

// SaveWaveBuf("buf_name"): writes the buffer's WAV image at the open file's
// position. Codes 5 without an open file, 56, 15 when not all of it can be
// written: the file opened for writing then does not replace the named one,
// so an old file of that name keeps its bytes.
void CmdSaveWaveBuf(WindowRef, const ArgList& args, int) {
  char name[kMaxStatement];
  if (!GetResolvedStrArg(args, 0, name)) return;
  if (open_file == -1) return SetError(kErrNoFile);
  WaveBuffer* buffer = FindWaveBuffer(name);
  if (buffer == nullptr) return SetError(kErrNoWaveBuf);
  WriteDataBlock(reinterpret_cast<const char*>(buffer->image.data()), buffer->image.size());
}

const CommandRow kRows[] = {
    {"WaveBuf", CmdWaveBuf, 0, kPhaseCreate, false, "*ti"},
    {"SetWaveBuf", CmdSetWaveBuf, 0, kPhaseRun, false, "rii"},
    {"GetWaveBuf", CmdGetWaveBuf, 0, kPhaseRun, true, "ri"},
    {"PlayWaveBuf", CmdPlayWaveBuf, 0, kPhaseRun, false, "ri"},
    {"StopWaveBuf", CmdStopWaveBuf, 0, kPhaseRun, false, "*"},
    {"SaveWaveBuf", CmdSaveWaveBuf, 0, kPhaseRun, false, "r"},
};

}  // namespace

const CommandList wave_buffer_commands = {"media", kRows, RowCount(kRows)};

}  // namespace zep
