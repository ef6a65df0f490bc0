#include "core/data_file.h"

#include "core/errors.h"

namespace zep {

FileSystem* file_system = nullptr;
int open_file = -1;

void CloseDataFile() {
  if (open_file == -1) return;
  file_system->CloseFile(open_file);
  open_file = -1;
}

bool RefuseWhileFileOpen() {
  if (open_file == -1) return true;
  SetError(kErrFileOpen);
  return false;
}

namespace {

void OpenDataFile(WindowRef) { open_file = -1; }
void CloseDataFileOf(WindowRef) { CloseDataFile(); }

}  // namespace

const RunPart data_file_part = {"data file", nullptr, OpenDataFile, CloseDataFileOf,
                                CloseDataFileOf};

}  // namespace zep
