#include "platform/win_editor_store.h"

#include <shlobj.h>
#include <wincodec.h>

#include <cstring>

#include "ide/editor.h"
#include "ide/recovery.h"

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

// Decodes an image file's bytes with the imaging component into a packed
// bitmap of 32 bits a pixel, bottom row first; "" when it can't.
std::string DecodeToDib(const std::string& file) {
  constexpr UINT kMaxSide = 4096;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // once more is harmless
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  std::string dib;
  UINT width = 0, height = 0;
  bool ok =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                 reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(file.data())),
                                             static_cast<DWORD>(file.size()))) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
      width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
      SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                      WICBitmapPaletteTypeCustom));
  if (ok) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = static_cast<LONG>(width);
    header.biHeight = static_cast<LONG>(height);
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    UINT stride = width * 4;
    std::string pixels(static_cast<size_t>(stride) * height, '\0');
    ok = SUCCEEDED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()),
                                         reinterpret_cast<BYTE*>(&pixels[0])));
    if (ok) {
      dib.assign(reinterpret_cast<const char*>(&header), sizeof header);
      for (UINT row = height; row-- > 0;) dib.append(pixels, static_cast<size_t>(row) * stride, stride);
    }
  }
  for (IUnknown* used : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory}) {
    if (used != nullptr) used->Release();
  }
  return dib;
}

}  // namespace

bool LoadGuideResource(HINSTANCE instance, std::string* bytes) {
  return ResourceBytes(instance, 1, "ZEPGUIDE", bytes);
}

std::string GuidePictureResource(HINSTANCE instance, const std::string& name) {
  std::string each, file;
  for (int id = 1; ResourceBytes(instance, id, "ZEPPICTURENAME", &each); ++id) {
    if (each != name) continue;
    return ResourceBytes(instance, id, "ZEPPICTURE", &file) ? DecodeToDib(file) : "";
  }
  return "";
}

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

bool RecoveryFolderPath(char* out) {
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, out))) return false;
  if (std::strlen(out) + sizeof "\\ZEP\\recovery" > MAX_PATH) return false;
  std::strcat(out, "\\ZEP");
  CreateDirectoryA(out, nullptr);
  std::strcat(out, "\\recovery");
  CreateDirectoryA(out, nullptr);
  DWORD attributes = GetFileAttributesA(out);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<FolderFile> ListFolderFiles(const char* folder) {
  std::vector<FolderFile> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(folder) + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    FolderFile f;
    f.name = found.cFileName;
    f.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    f.written = (static_cast<uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                found.ftLastWriteTime.dwLowDateTime;
    files.push_back(f);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

namespace {

// Kept outside the heap. The text control holds up to 65,535 characters,
// each up to two bytes.
char fault_text[2 * 65536 + 1];
char fault_folder[MAX_PATH];
char fault_name[MAX_PATH];
char fault_path[2 * MAX_PATH + 8];
char fault_temporary[2 * MAX_PATH + 8];

// fault_folder\name into out; false when it does not fit.
bool FaultPath(const char* name, char* out) {
  if (std::strlen(fault_folder) + std::strlen(name) + 3 > sizeof fault_path) return false;
  std::strcpy(out, fault_folder);
  std::strcat(out, "\\");
  std::strcat(out, name);
  return true;
}

bool TakenAfterFault(const char* name, void*) {
  return !FaultPath(name, fault_path) || GetFileAttributesA(fault_path) != INVALID_FILE_ATTRIBUTES;
}

// Written beside the copy and moved over it once whole, so that a write cut
// short leaves the last copy as it was.
bool WriteWhole(const char* path, const char* temporary, const char* data, DWORD n) {
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  bool written = WriteFile(file, data, n, &put, nullptr) && put == n;
  written = CloseHandle(file) && written;
  if (written && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(temporary);
  return false;
}

}  // namespace

const char* WriteEditorRecovery() {
  if (editor.text == nullptr || editor.document.clean != 0) return "";
  int n = GetWindowTextA(static_cast<HWND>(editor.text), fault_text, sizeof fault_text);
  if (n <= 0 || !RecoveryFolderPath(fault_folder)) return "";
  const char* name = editor.recovery.name;
  if (name[0] == '\0') {
    if (!FreeCopyName(RecoveryFileName(editor.document), TakenAfterFault, nullptr, fault_name,
                      sizeof fault_name)) {
      return "";
    }
    name = fault_name;
  }
  if (!FaultPath(name, fault_path) || !FaultPath(name, fault_temporary)) return "";
  std::strcat(fault_temporary, "~");
  return WriteWhole(fault_path, fault_temporary, fault_text, static_cast<DWORD>(n)) ? fault_path : "";
}

}  // namespace zep
