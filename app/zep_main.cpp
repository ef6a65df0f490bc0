// The program entry: with a script on the command line it runs that script
// in its own window and ends when the window closes.
#include <windows.h>

#include <cstdlib>

#include "app/run_start.h"
#include "platform/script_file.h"
#include "platform/win_host.h"
#include "runtime/subsystems.h"

namespace zep {

namespace {

// Loads the script named on the command line and opens its window.
bool DirectRun(HINSTANCE instance) {
  char* data = nullptr;
  size_t size = 0;
  StartFailure failure = ReadScriptFile(command_file, kMaxDirectRunBytes, &data, &size);
  if (failure != StartFailure::kNone) {
    ShowStartFailure(failure, command_file);
    return false;
  }
  bool started = StartRun(instance, data, size, ProgramForm::kSource, command_file);
  std::free(data);
  return started;
}

}  // namespace

}  // namespace zep

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  zep::InstallWin32Platform();
  zep::InstallSubsystems();
  zep::TakeCommandLine(command_line);
  if (!zep::direct_run) {
    MessageBoxA(nullptr, "実行するスクリプトファイル（.zep）を指定してください。\r\n例： zep.exe sample.zep",
                "ZEP Message", MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  if (!zep::DirectRun(instance)) return 0;
  return zep::MessageLoop();
}
