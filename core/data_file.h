// The script's one open data file. The file commands open it; edit fields,
// 3D packs and wave buffers read and write it too, so it lives here where
// every subsystem reaches it. A run never leaves it open: an error or the
// window's end closes it.
#pragma once

#include "core/common.h"
#include "core/run_parts.h"

namespace zep {

// The platform's file calls on the data file.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual void CloseFile(int handle) = 0;
};

// The file system in use. Set once at start-up (or by a test).
extern FileSystem* file_system;

// The handle of the open data file, -1 = none.
extern int open_file;

// Closes the data file if one is open.
void CloseDataFile();

// No file at the window's opening; closed after an error and at the end.
extern const RunPart data_file_part;

}  // namespace zep
