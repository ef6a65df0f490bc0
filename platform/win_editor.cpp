// The Win32 editor system: its common file dialogs, the text control's font,
// limit and selection, WinHelpA, the run window it owns, its toolbar's
// classes, and (through win_editor_store) its examples.
#include "platform/win_editor.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "assist/assist_dialogs.h"
#include "assist/reference.h"
#include "compiler/compile_dialog.h"
#include "ide/document.h"
#include "ide/editor.h"
#include "ide/toolbar_win32.h"
#include "platform/win_editor_store.h"
#include "runtime/run_window_win32.h"

namespace zep {

namespace {

HWND Hwnd(WindowRef w) { return static_cast<HWND>(w); }
HINSTANCE InstanceOf(WindowRef w) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(w), GWLP_HINSTANCE));
}

class Win32EditorSystem : public EditorSystem {
 public:
  // Open: the path and the file must exist. Save: an existing file is
  // confirmed. Neither adds an extension.
  bool ChooseScriptFile(WindowRef owner, bool save, const char* title, const char* filters,
                        char* path, char* name) override {
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = Hwnd(owner);
    ofn.lpstrFilter = filters;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = name;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrTitle = title;
    if (save) {
      ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
      return GetSaveFileNameA(&ofn) != 0;
    }
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&ofn) != 0;
  }

  void UseFixedFont(WindowRef control) override {
    SendMessageA(Hwnd(control), WM_SETFONT, (WPARAM)GetStockObject(OEM_FIXED_FONT), TRUE);
  }

  void LimitText(WindowRef control, int32_t characters) override {
    SendMessageA(Hwnd(control), EM_LIMITTEXT, (WPARAM)characters, 0);
  }

  void SelectAll(WindowRef control) override { SendMessageA(Hwnd(control), EM_SETSEL, 0, -1); }

  // The reference: ZEP2.HLP through WinHelpA where one lies beside the
  // program, otherwise the HTML reference (the file name is the help
  // file's, so it is not needed here).
  void Help(WindowRef owner, const char*, HelpCommand command) override {
    switch (command) {
      case kHelpIndex: OpenReference(owner, ReferencePlace::kContents, nullptr); break;
      case kHelpPartialKey: OpenReference(owner, ReferencePlace::kSearch, nullptr); break;
      case kHelpQuit: CloseReference(owner); break;
    }
  }

  void OpenAssist(WindowRef owner, WindowRef text, int id) override {
    switch (id) {
      case kCmdCommandAssist: ApplyAssistResult(owner, text, ShowCommandAssist(owner)); break;
      case kCmdPaletteAssist: ApplyAssistResult(owner, text, ShowPaletteAssist(owner)); break;
      case kCmdFontAssist: ApplyAssistResult(owner, text, ShowFontAssist(owner)); break;
      case kCmdStyleAssist: ApplyAssistResult(owner, text, ShowStyleAssist(owner)); break;
      case kCmdControlAssist: ApplyAssistResult(owner, text, ShowControlAssist(owner)); break;
      case kCmdFileNameAssist:
        if (FileNameAssist(owner) == 1) PasteAssistOutput(text);
        break;
      case kCmdVersion: ShowVersionDialog(owner); break;
      default: break;
    }
  }

  void OpenCompileDialog(WindowRef owner, const char* text, size_t size,
                         const char* saved_path) override {
    ShowCompileDialog(owner, text, size, saved_path);
  }

  void DestroyEditor(WindowRef window) override { DestroyWindow(Hwnd(window)); }

  bool OpenRunWindow(WindowRef editor) override {
    HINSTANCE instance = InstanceOf(editor);
    RegisterRunClass(instance);
    return CreateRunWindow(instance, Hwnd(editor)) != nullptr;
  }

  bool RegisterToolbarClasses(WindowRef editor) override {
    return zep::RegisterToolbarClasses(InstanceOf(editor));
  }

  bool LoadSample(int index, std::string* name, std::string* bytes) override {
    return LoadSampleResource(GetModuleHandleA(nullptr), index, name, bytes);
  }

  void InsertMenuPopup(WindowRef window, MenuRef popup, const char* title) override {
    InsertMenuBarPopup(Hwnd(window), static_cast<HMENU>(popup), title);
  }
};

}  // namespace

EditorSystem* Win32Editor() {
  static Win32EditorSystem the_editor;
  return &the_editor;
}

namespace {

// Where the editor's text goes; kept outside the heap, which a fault may
// have damaged.
char recovery_text[65536 + 1];
char recovery_path[MAX_PATH + 32];

// The folder %APPDATA%\ZEP\recovery, made when missing; false when it can't be.
bool RecoveryFolder(char* out) {
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, out))) return false;
  std::strcat(out, "\\ZEP");
  CreateDirectoryA(out, nullptr);
  std::strcat(out, "\\recovery");
  CreateDirectoryA(out, nullptr);
  return GetFileAttributesA(out) != INVALID_FILE_ATTRIBUTES;
}

// Writes the editor's text, when the editor is open, to the recovery
// folder under the document's name; gives the file's path or "".
const char* SaveEditorText() {
  if (editor.text == nullptr) return "";
  int n = GetWindowTextA(static_cast<HWND>(editor.text), recovery_text, sizeof recovery_text);
  if (!RecoveryFolder(recovery_path)) return "";
  std::strcat(recovery_path, "\\");
  std::strcat(recovery_path, document.file_title[0] != '\0' ? document.file_title : "NONAME.ZEP");
  HANDLE file = CreateFileA(recovery_path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  DWORD put = 0;
  bool written = WriteFile(file, recovery_text, static_cast<DWORD>(n), &put, nullptr) &&
                 put == static_cast<DWORD>(n);
  written = CloseHandle(file) && written;
  return written ? recovery_path : "";
}

}  // namespace

const char* WriteEditorRecovery() { return SaveEditorText(); }

}  // namespace zep
