#include "platform/standard_output.h"

#include <windows.h>

namespace zep {

namespace {

// The inherited handle when there is one. Started from a console window, a
// GUI program gets none: it then writes to that console through CONOUT$,
// once attached to it.
HANDLE StandardOutput() {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE) return out;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
  out = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  return out == INVALID_HANDLE_VALUE ? nullptr : out;
}

}  // namespace

bool WriteStandardOutput(const std::string& bytes) {
  if (bytes.empty()) return true;
  HANDLE out = StandardOutput();
  if (out == nullptr) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(bytes.size() - done < 65536 ? bytes.size() - done : 65536);
    if (!WriteFile(out, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace zep
