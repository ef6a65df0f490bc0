// The file-name assist: the common open-file dialog "ファイル名の取得".
#include <windows.h>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"
#include "assist/file_name_assist.h"

namespace zep {

int FileNameAssist(WindowRef owner) {
  char path[256] = "";
  char title[256] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = static_cast<HWND>(owner);
  ofn.lpstrFilter = kFileNameFilters;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = sizeof title;
  ofn.lpstrInitialDir = kFileNameFolder;
  ofn.lpstrTitle = kFileNameTitle;
  ofn.Flags = kFileNameFlags;
  if (!GetOpenFileNameA(&ofn)) return 0;
  SetAssistOutput(QuotedPath(path).c_str());
  return 1;
}

}  // namespace zep
