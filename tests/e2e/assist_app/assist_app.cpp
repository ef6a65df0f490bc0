// A stand-in for the editor window in the end-to-end tests of the assist
// dialogs: a top-level window of class "ZEPASSIST" whose client area is a
// multi-line text control with the editor's id (200). The command line
// names the dialogs to open, one after another:
//
//   assist_app.exe command palette palette
//
// (command, palette, font, style, control, filename, version). Each result
// is handled as the editor handles it (ApplyAssistResult; a chosen file
// name is pasted), and the title becomes "result N". When the reference is
// opened, no browser starts: the title names the page the shell would have
// opened ("open PATH"). After the last dialog the window stays until closed.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"
#include "assist/reference_system.h"
#include "platform/win_host.h"
#include "platform/win_reference.h"

namespace {

using namespace zep;

const char kClass[] = "ZEPASSIST";
constexpr UINT kOpenNext = WM_APP + 1;

HWND host_window = nullptr;
HWND text = nullptr;
std::vector<std::string> pending;

class RecordingReference : public Win32Reference {
 public:
  bool OpenDocument(WindowRef, const char* path) override {
    SetWindowTextA(host_window, (std::string("open ") + path).c_str());
    return true;
  }
};

int OpenDialog(const std::string& name) {
  if (name == "command") return ShowCommandAssist(host_window);
  if (name == "palette") return ShowPaletteAssist(host_window);
  if (name == "font") return ShowFontAssist(host_window);
  if (name == "style") return ShowStyleAssist(host_window);
  if (name == "control") return ShowControlAssist(host_window);
  if (name == "version") return ShowVersionDialog(host_window);
  if (name == "filename") {
    int result = FileNameAssist(host_window);
    if (result == 1) PasteAssistOutput(text);
    return result;
  }
  return -1;
}

void OpenNext() {
  if (pending.empty()) return;
  std::string name = pending.front();
  pending.erase(pending.begin());
  int result = OpenDialog(name);
  if (name != "filename") ApplyAssistResult(host_window, text, result);
  SetWindowTextA(host_window, ("result " + std::to_string(result)).c_str());
  PostMessageA(host_window, kOpenNext, 0, 0);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      text = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN,
                           0, 0, 0, 0, window, reinterpret_cast<HMENU>(kEditorTextId), nullptr, nullptr);
      return 0;
    case WM_SIZE: MoveWindow(text, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case kOpenNext: OpenNext(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

// The words of the command line after the program's name.
std::vector<std::string> Words(const char* line) {
  std::vector<std::string> words;
  std::string word;
  for (const char* p = line;; ++p) {
    if (*p == ' ' || *p == '\t' || *p == '\0') {
      if (!word.empty()) words.push_back(word);
      word.clear();
      if (*p == '\0') break;
    } else {
      word += *p;
    }
  }
  return words;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  InstallWin32Platform();
  static RecordingReference recording;
  reference_system = &recording;
  pending = Words(command_line);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  RegisterClassA(&wc);
  host_window = CreateWindowA(kClass, "assist", WS_OVERLAPPEDWINDOW, 10, 10, 400, 300, nullptr, nullptr,
                              instance, nullptr);
  ShowWindow(host_window, show);
  UpdateWindow(host_window);
  PostMessageA(host_window, kOpenNext, 0, 0);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return static_cast<int>(m.wParam);
}
