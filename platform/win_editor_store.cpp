#include "platform/win_editor_store.h"

namespace zep {

namespace {

// The bytes of the resource id of a type of the program's own; false when
// there is none.
bool ResourceBytes(HINSTANCE instance, int id, const char* type, std::string* out) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), type);
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(instance, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return false;
  out->assign(static_cast<const char*>(data), SizeofResource(instance, found));
  return true;
}

}  // namespace

bool LoadSampleResource(HINSTANCE instance, int index, std::string* name, std::string* bytes) {
  return ResourceBytes(instance, index + 1, "ZEPSAMPLENAME", name) &&
         ResourceBytes(instance, index + 1, "ZEPSAMPLE", bytes);
}

void InsertMenuBarPopup(HWND window, HMENU popup, const char* title) {
  HMENU bar = GetMenu(window);
  int count = bar != nullptr ? GetMenuItemCount(bar) : -1;
  if (count < 1 || !InsertMenuA(bar, static_cast<UINT>(count - 1), MF_BYPOSITION | MF_POPUP | MF_STRING,
                                reinterpret_cast<UINT_PTR>(popup), title)) {
    DestroyMenu(popup);
    return;
  }
  DrawMenuBar(window);
}

}  // namespace zep
