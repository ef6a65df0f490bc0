// The script's one open data file. The file commands open it; edit fields,
// 3D packs and wave buffers read and write it too, so it lives here where
// every subsystem reaches it. A run never leaves it open: an error or the
// window's end closes it.
//
// A file opened for writing is written as a new file that replaces the named
// one only when it is closed, and only when every write to it succeeded: a
// write that fails (a full disk) is reported with code 15 and leaves the
// named file as it was before the open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common.h"
#include "core/run_parts.h"

namespace zep {

enum class FileMode : uint8_t {
  kRead,   // the file must exist; read only
  kWrite,  // written from empty, replacing the file when closed; write only
};

enum class FileDialog : uint8_t { kOpen, kSave };

// What reading a whole file by name gave.
enum class WholeFile : uint8_t {
  kRead,        // the bytes are in out
  kCannotOpen,  // missing, locked, or its size unknown
  kCannotRead,  // longer than the limit, or the read fell short
};

// The platform's file calls: the data file's, measuring a file by name and
// the common file dialogs. Handles are small non-negative numbers or -1.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens the file; gives its handle, or -1 when the platform cannot. For
  // kWrite the named file must be one that can be written or created; the
  // handle writes a new, empty file beside it (a device, which holds no
  // bytes to keep, is written directly), and the named file keeps its bytes
  // until CloseFile replaces it.
  virtual int OpenFile(const char* name, FileMode mode) = 0;
  // Closes the file. One opened for writing then replaces the named file
  // when keep is true, or is thrown away when it is false. False when a file
  // to keep could not replace the named file, which is then unchanged.
  virtual bool CloseFile(int handle, bool keep) = 0;
  // The byte at offset pos (0..255), or -1 at or beyond the end or when the
  // read fails (as on a file opened for writing).
  virtual int ReadByte(int handle, uint32_t pos) = 0;
  // Writes one byte at offset pos; a position beyond the end extends the
  // file. False when the byte could not be written (a full disk).
  virtual bool WriteByte(int handle, uint32_t pos, uint8_t byte) = 0;
  // Moves the position to the end of the file and gives its length in
  // bytes; -1 when the platform cannot tell.
  virtual int64_t SeekEnd(int handle) = 0;
  // Reads the whole file from offset 0 into out and leaves the position at
  // its end; false when it is longer than limit bytes or cannot be read.
  virtual bool ReadAll(int handle, size_t limit, std::string* out) = 0;
  // Writes n bytes at the current position and leaves it after those
  // written. False unless all n were written.
  virtual bool WriteBlock(int handle, const char* data, size_t n) = 0;
  // The length in bytes of an existing file, opened for reading while others
  // may read and write it; -1 when it cannot be opened.
  virtual int64_t FileLength(const char* name) = 0;
  // Reads the whole existing file with one read, opened so that others may
  // read it meanwhile but not write it.
  virtual WholeFile ReadWholeFile(const char* name, size_t limit, std::string* out) = 0;
  // Writes n bytes as the whole file: into a temporary file beside it, which
  // replaces the named file only when every byte was written. False, and the
  // named file untouched, on any failure.
  virtual bool ReplaceWholeFile(const char* name, const char* data, size_t n) = 0;
  // Shows the common open or save dialog owned by `owner`, with the title and
  // the filter list (pairs of NUL-terminated description and pattern, ending
  // with an empty string). out (cap bytes) holds the name the dialog starts
  // with, empty for none. Puts the chosen path in out and gives true, or
  // gives false when the user cancelled.
  virtual bool ChooseFile(WindowRef owner, FileDialog dialog, const char* title,
                          const char* filters, char* out, size_t cap) = 0;
};

// The file system in use. Set once at start-up (or by a test).
extern FileSystem* file_system;

// The handle of the open data file, -1 = none.
extern int open_file;

// Closes the data file if one is open. A file opened for writing replaces
// the named file unless one of its writes failed. False when it should have
// and could not (the named file is then unchanged).
bool CloseDataFile();

// Write to the open data file (which must be open): one byte at pos, or n
// bytes at its position. A write that is not complete sets code 15 and
// marks the file, so that closing it keeps the named file as it was.
bool WriteDataByte(uint32_t pos, uint8_t byte);
bool WriteDataBlock(const char* data, size_t n);

// True when no data file is open; else code 17 (commands that must not run
// while one is open).
bool RefuseWhileFileOpen();

// No file at the window's opening; closed after an error and at the end
// (with what was written, unless a write failed).
extern const RunPart data_file_part;

}  // namespace zep
