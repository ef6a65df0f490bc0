// The compile dialog (ZEP_DIALOG_COMPILE): the output name field, the icon
// preview at (390, 90) with its two buttons, and "コンパイル".
#include <windows.h>

#include <string>

#include "compiler/compile.h"
#include "compiler/compile_dialog.h"
#include "core/data_file.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr int kOutputName = ZEP_COMPILE_OUTPUT, kIconFile = ZEP_COMPILE_ICON_FILE;
constexpr int kStandardIcon = ZEP_COMPILE_STANDARD_ICON;
constexpr int kIconX = 390, kIconY = 90;
const char kIconFilters[] = "全ファイル(*.*)\0*.*\0";

struct CompileRequest {
  const char* text;
  size_t size;
  const char* saved_path;
};

// The dialog's state while it is open (one at a time).
const CompileRequest* request = nullptr;
IconIndices icon;
bool icon_pending = false;

void Warn(HWND dialog, const char* text) {
  MessageBoxA(dialog, text, "ZEP Error", MB_OK | MB_ICONWARNING);
}

// The program's own icon image, read from its resources.
bool ReadStandardIcon(IconIndices* out) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(ZEP_ICON_PROGRAM), RT_GROUP_ICON);
  HGLOBAL group_data = group ? LoadResource(module, group) : nullptr;
  if (group_data == nullptr) return false;
  int id = LookupIconIdFromDirectoryEx(static_cast<PBYTE>(LockResource(group_data)), TRUE, 32, 32,
                                       LR_DEFAULTCOLOR);
  HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
  HGLOBAL image_data = image ? LoadResource(module, image) : nullptr;
  if (image_data == nullptr) return false;
  return ReadIconImage(static_cast<const uint8_t*>(LockResource(image_data)),
                       SizeofResource(module, image), out);
}

void ShowIcon(HWND dialog) { InvalidateRect(dialog, nullptr, FALSE); }

void UseStandardIcon() {
  if (!ReadStandardIcon(&icon)) icon.fill(kTransparent);
}

// The folder of the running program, with its final backslash.
std::string ProgramFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, n < sizeof path ? n : 0);
  return folder.substr(0, folder.rfind('\\') + 1);
}

BOOL OnInitDialog(HWND dialog, LPARAM param) {
  request = reinterpret_cast<const CompileRequest*>(param);
  SetDlgItemTextA(dialog, kOutputName, DefaultExeName(request->saved_path).c_str());
  icon_pending = true;
  return TRUE;
}

void OnPaint(HWND dialog) {
  if (icon_pending) {
    UseStandardIcon();
    icon_pending = false;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(dialog, &ps);
  COLORREF background = GetSysColor(COLOR_BTNFACE);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      uint8_t index = icon[y * 32 + x];
      SetPixel(dc, kIconX + x, kIconY + y, index < kTransparent ? IconColour(index) : background);
    }
  }
  EndPaint(dialog, &ps);
}

// "ファイル指定": an icon file in the program's own format.
void OnIconFile(HWND dialog) {
  char path[kMaxPath] = "";
  if (!file_system->ChooseFile(dialog, FileDialog::kOpen, "専用アイコンファイルを開く",
                               kIconFilters, path, sizeof path)) {
    return;
  }
  std::string bytes;
  if (file_system->ReadWholeFile(path, 1 << 20, &bytes) != WholeFile::kRead) return;
  IconIndices read;
  if (!ReadIconFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &read)) {
    Warn(dialog, "アイコンファイルが無効です");
    return;
  }
  icon = read;
  ShowIcon(dialog);
}

// "コンパイル": after the overwrite question, every outcome ends the dialog.
void OnCompile(HWND dialog) {
  char output[kMaxPath] = "";
  GetDlgItemTextA(dialog, kOutputName, output, sizeof output);
  if (file_system->FileLength(output) >= 0 &&
      MessageBoxA(dialog, "同一名のファイルが既に存在します。\n上書きしますか？", "ZEP Message",
                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  CompileResult result = CompileScript(request->text, request->size, StubStem(ProgramFolder()),
                                       icon, output);
  if (result == CompileResult::kDone) {
    MessageBoxA(dialog, CompileMessage(result), "ZEP Message", MB_OK | MB_ICONINFORMATION);
  } else {
    Warn(dialog, CompileMessage(result));
  }
  EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id) {
  switch (id) {
    case kIconFile: OnIconFile(dialog); break;
    case kStandardIcon: UseStandardIcon(); ShowIcon(dialog); break;
    case IDOK: OnCompile(dialog); break;
    case IDCANCEL: EndDialog(dialog, 2); break;
    default: break;
  }
}

INT_PTR CALLBACK CompileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog, lParam);
    case WM_PAINT: OnPaint(dialog); return TRUE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

}  // namespace

int ShowCompileDialog(WindowRef owner, const char* text, size_t size, const char* saved_path) {
  CompileRequest compile{text, size, saved_path};
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ZEP_DIALOG_COMPILE),
                                   static_cast<HWND>(owner), CompileDialogProc,
                                   reinterpret_cast<LPARAM>(&compile));
  request = nullptr;
  return static_cast<int>(result);
}

}  // namespace zep
