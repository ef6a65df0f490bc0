// The runtime of a compiled program: the same run-time code as zep.exe,
// without the editor. Its script area lies after its image in its own file
// (the build appends it, with the marker the compiler writes the compacted
// script over); it runs that script exactly as zep.exe runs a script file,
// and ends when the script's window closes.
#include <windows.h>

#include <string>

#include "app/run_start.h"
#include "compiler/pe_image.h"
#include "platform/fault_guard.h"
#include "platform/win_host.h"
#include "runtime/subsystems.h"

namespace {

// Compiled programs are about a megabyte; the limit only guards the read.
constexpr DWORD kMaxOwnFile = 64 << 20;

// The program's own file, read while the system has it open to run it.
bool ReadOwnFile(std::string* bytes) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size = GetFileSize(file, nullptr), read = 0;
  bool ok = size != INVALID_FILE_SIZE && size <= kMaxOwnFile;
  if (ok) {
    bytes->resize(size);
    ok = ReadFile(file, &(*bytes)[0], size, &read, nullptr) && read == size;
  }
  CloseHandle(file);
  return ok;
}

// True when the area still opens with the marker: no script was compiled
// in. Checked piece by piece, so that the program never holds the whole
// marker, which the compiler must find only in the area.
bool HoldsMarker(const std::string& area) {
  const char piece[] = "ZEP2.15-";
  if (area.size() < 32) return false;
  for (size_t i = 0; i < 32; ++i) {
    if (area[i] != piece[i % 8]) return false;
  }
  return true;
}

// The script stored after the image, up to its NUL; false when there is
// none.
bool StoredScript(std::string* text) {
  std::string file;
  if (!ReadOwnFile(&file)) return false;
  long end = zep::ImageEnd(reinterpret_cast<const uint8_t*>(file.data()), file.size());
  if (end < 0 || static_cast<size_t>(end) >= file.size()) return false;
  std::string area = file.substr(static_cast<size_t>(end));
  if (HoldsMarker(area)) return false;
  *text = area.substr(0, area.find('\0'));
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  zep::InstallFaultGuard(nullptr);
  zep::InstallWin32Platform();
  zep::InstallSubsystems();
  std::string text;
  if (!StoredScript(&text)) {
    MessageBoxA(nullptr,
                "このプログラムにはスクリプトが入っていません。\r\n"
                "ZEP の「.EXE ファイルにコンパイル」で作ったプログラムを実行してください。",
                "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  // The window's end ends the program, as in a direct run.
  zep::direct_run = true;
  if (!zep::StartRun(instance, text.data(), text.size(), zep::ProgramForm::kCompacted, "")) {
    return 0;
  }
  return zep::MessageLoop();
}
