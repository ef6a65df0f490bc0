#include "core/data_file.h"

#include "core/errors.h"

namespace zep {

FileSystem* file_system = nullptr;
int open_file = -1;

namespace {

// Set when a write to the open file failed: closing it then throws away what
// was written.
bool write_failed = false;

bool Written(bool complete) {
  if (complete) return true;
  write_failed = true;
  SetError(kErrOpenFile);
  return false;
}

}  // namespace

bool CloseDataFile() {
  if (open_file == -1) return true;
  bool closed = file_system->CloseFile(open_file, !write_failed);
  open_file = -1;
  write_failed = false;
  return closed;
}

bool WriteDataByte(uint32_t pos, uint8_t byte) {
  return Written(file_system->WriteByte(open_file, pos, byte));
}

bool WriteDataBlock(const char* data, size_t n) {
  return Written(file_system->WriteBlock(open_file, data, n));
}

bool RefuseWhileFileOpen() {
  if (open_file == -1) return true;
  SetError(kErrFileOpen);
  return false;
}

namespace {

void OpenDataFile(WindowRef) {
  open_file = -1;
  write_failed = false;
}
void CloseDataFileOf(WindowRef) { CloseDataFile(); }

}  // namespace

const RunPart data_file_part = {"data file", nullptr, OpenDataFile, CloseDataFileOf,
                                CloseDataFileOf};

}  // namespace zep
