// The Win32 editor system: its common file dialogs, the text control's font,
// limit and selection, WinHelpA, the run window it owns, its toolbar's
// classes, and (through win_editor_store) its examples and recovery folder.
#include "platform/win_editor.h"

#include <windows.h>
#include <commdlg.h>

#include "assist/assist_dialogs.h"
#include "assist/reference.h"
#include "compiler/compile_dialog.h"
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

  bool RecoveryFolder(char* path) override { return RecoveryFolderPath(path); }

  std::vector<FolderFile> ListFolder(const char* folder) override { return ListFolderFiles(folder); }

  bool RemoveFile(const char* path) override {
    return DeleteFileA(path) || GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
  }
};

}  // namespace

EditorSystem* Win32Editor() {
  static Win32EditorSystem the_editor;
  return &the_editor;
}

}  // namespace zep
