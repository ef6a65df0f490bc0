#include "platform/win_reference.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "assist/reference.h"
#include "ide/help_window_win32.h"

namespace zep {

namespace {

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::string Win32Reference::ProgramFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, n < sizeof path ? n : 0);
  return folder.substr(0, folder.rfind('\\') + 1);
}

std::string Win32Reference::TempFolder() {
  char path[MAX_PATH + 1];
  DWORD n = GetTempPathA(sizeof path, path);
  return WithBackslash(std::string(path, n < sizeof path ? n : 0));
}

void Win32Reference::ShowHelpFile(WindowRef owner, const char* file, HelpCommand command,
                                  const char* keyword) {
  WinHelpA(static_cast<HWND>(owner), file, command, reinterpret_cast<ULONG_PTR>(keyword));
}

bool Win32Reference::OpenDocument(WindowRef owner, const char* path) {
  HINSTANCE result = ShellExecuteA(static_cast<HWND>(owner), "open", path, nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

// Where the window can't be made, the browser's page serves instead.
void Win32Reference::ShowReferenceWindow(WindowRef owner, const std::string& target) {
  if (!ShowHelpWindow(owner, target)) OpenReferenceInBrowser(owner, ReferencePlace::kContents, nullptr);
}

std::string Win32Reference::PathToUtf8(const char* path) {
  int wide_size = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (wide_size <= 0) return path;
  std::wstring wide(static_cast<size_t>(wide_size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], wide_size);
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return path;
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], size, nullptr, nullptr);
  utf8.resize(static_cast<size_t>(size - 1));
  return utf8;
}

ReferenceSystem* Win32References() {
  static Win32Reference the_references;
  return &the_references;
}

}  // namespace zep
