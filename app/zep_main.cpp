// The program entry. With a script on the command line it runs that script
// in its own window and ends when the window closes; without one it opens
// the editor, which runs its scripts in windows of their own and ends the
// program when it closes. Both share one message loop. With "--check
// FILE..." it opens no window: it checks the files, writes their problems
// to the standard output and ends with the number of errors.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/run_start.h"
#include "checker/check_files.h"
#include "core/script_text.h"
#include "ide/editor_window_win32.h"
#include "ide/recovery.h"
#include "ide/watch_window_win32.h"
#include "platform/fault_guard.h"
#include "platform/script_file.h"
#include "platform/standard_output.h"
#include "platform/win_editor.h"
#include "platform/win_editor_store.h"
#include "platform/win_host.h"
#include "resources/resource_ids.h"
#include "runtime/subsystems.h"

namespace zep {

namespace {

// A file that cannot be read as a script: what is wrong, and its name.
void ShowScriptTextFailure(ScriptText result, int line) {
  std::string text = ScriptTextMessage(result, line) + "\r\n\r\n" + command_file;
  MessageBoxA(nullptr, text.c_str(), "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
}

// Loads the script named on the command line and opens its window. The
// size limit holds for the text in Shift-JIS; a UTF-8 file, up to half
// again as long, is converted first.
bool DirectRun(HINSTANCE instance) {
  char* data = nullptr;
  size_t size = 0;
  StartFailure failure = ReadScriptFile(command_file, kMaxDirectRunBytes * 3 / 2 + 3, &data, &size);
  if (failure != StartFailure::kNone) {
    ShowStartFailure(failure, command_file);
    return false;
  }
  std::string text;
  int line = 0;
  ScriptText read = DecodeScriptText(data, size, &text, &line);
  std::free(data);
  if (read != ScriptText::kRead) {
    ShowScriptTextFailure(read, line);
    return false;
  }
  if (text.size() > kMaxDirectRunBytes) {
    ShowStartFailure(StartFailure::kTooLarge, command_file);
    return false;
  }
  return StartRun(instance, text.data(), text.size(), ProgramForm::kSource, command_file);
}

// The check of a batch of files: their lines as UTF-8 on the standard
// output; no window and no message box. Gives the exit status.
int CheckRun(const std::vector<std::string>& files) {
  CheckReport report = CheckFiles(files, kMaxDirectRunBytes);
  WriteStandardOutput(report.output);
  return CheckStatus(report.errors);
}

}  // namespace

}  // namespace zep

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  zep::InstallFaultGuard(zep::WriteEditorRecovery);
  zep::InstallWin32Platform();
  // The editor's platform only here: the runtime of compiled programs has
  // no editor, and must not take in the compiler (which holds the script
  // marker it looks for).
  zep::editor_system = zep::Win32Editor();
  zep::InstallSubsystems();
  const char* rest = zep::TakeTestFaultOption(zep::TakeRecoveryIntervalOption(command_line));
  std::vector<std::string> check_files;
  if (zep::TakeCheckOption(rest, &check_files)) return zep::CheckRun(check_files);
  zep::TakeCommandLine(rest);
  zep::RegisterEditorClass(instance);
  if (zep::direct_run) {
    if (!zep::DirectRun(instance)) return 0;
    return zep::MessageLoop();
  }
  HWND editor = zep::CreateEditorWindow(instance, show);
  if (editor == nullptr) return 0;
  zep::OfferRecoveryCopies();  // once the editor shows: the copies an earlier session left
  return zep::MessageLoop(editor, LoadAcceleratorsA(instance, MAKEINTRESOURCEA(ZEP_ACCELERATORS_EDITOR)),
                          zep::IsWatchWindowMessage);
}
