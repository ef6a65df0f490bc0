#include "platform/script_file.h"

#include <windows.h>

#include <cstdlib>

namespace zep {

// CreateFileA rather than OpenFile: OpenFile refuses paths over 128 bytes,
// and scripts often live in deep folders.
StartFailure ReadScriptFile(const char* path, size_t limit, char** data, size_t* size) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return StartFailure::kOpen;
  DWORD high = 0;
  DWORD length = GetFileSize(file, &high);
  if (length == INVALID_FILE_SIZE || high != 0 || length > limit) {
    CloseHandle(file);
    return (length == INVALID_FILE_SIZE && high == 0) ? StartFailure::kRead
                                                      : StartFailure::kTooLarge;
  }
  char* buffer = static_cast<char*>(std::malloc(length + 16));
  if (buffer == nullptr) {
    CloseHandle(file);
    return StartFailure::kMemory;
  }
  DWORD got = 0;
  BOOL ok = ReadFile(file, buffer, length, &got, nullptr);
  CloseHandle(file);
  if (!ok || got != length) {
    std::free(buffer);
    return StartFailure::kRead;
  }
  buffer[length] = '\0';
  *data = buffer;
  *size = length;
  return StartFailure::kNone;
}

}  // namespace zep
