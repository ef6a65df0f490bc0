// The Win32 file calls. Files are opened with CreateFileA, so paths of any
// length the system accepts work; the handle is kept as an int (Win32
// handles keep their meaning in 32 bits, and INVALID_HANDLE_VALUE is -1).
#include "platform/win_file_system.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

namespace zep {

namespace {

HANDLE Handle(int handle) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle)); }

int HandleNumber(HANDLE handle) {
  return static_cast<int>(reinterpret_cast<intptr_t>(handle));
}

bool Seek(int handle, uint32_t pos) {
  return SetFilePointer(Handle(handle), static_cast<LONG>(pos), nullptr, FILE_BEGIN) !=
         INVALID_SET_FILE_POINTER;
}

class Win32Files : public FileSystem {
 public:
  int OpenFile(const char* name, FileMode mode) override {
    bool read = mode == FileMode::kRead;
    HANDLE h = CreateFileA(name, read ? GENERIC_READ : GENERIC_WRITE,
                           FILE_SHARE_READ, nullptr,
                           read ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? -1 : HandleNumber(h);
  }

  void CloseFile(int handle) override { CloseHandle(Handle(handle)); }

  int ReadByte(int handle, uint32_t pos) override {
    unsigned char byte = 0;
    DWORD got = 0;
    if (!Seek(handle, pos) || !::ReadFile(Handle(handle), &byte, 1, &got, nullptr) || got != 1) {
      return -1;
    }
    return byte;
  }

  void WriteByte(int handle, uint32_t pos, uint8_t byte) override {
    DWORD put = 0;
    if (Seek(handle, pos)) ::WriteFile(Handle(handle), &byte, 1, &put, nullptr);
  }

  int64_t SeekEnd(int handle) override {
    LARGE_INTEGER zero = {}, end = {};
    if (!SetFilePointerEx(Handle(handle), zero, &end, FILE_END)) return -1;
    return end.QuadPart;
  }

  bool ReadAll(int handle, size_t limit, std::string* out) override {
    DWORD high = 0;
    DWORD length = GetFileSize(Handle(handle), &high);
    if (length == INVALID_FILE_SIZE || high != 0 || length > limit || !Seek(handle, 0)) return false;
    out->assign(length, '\0');
    DWORD got = 0;
    if (length > 0 && !::ReadFile(Handle(handle), &(*out)[0], length, &got, nullptr)) return false;
    out->resize(got);
    return true;
  }

  void WriteBlock(int handle, const char* data, size_t n) override {
    DWORD put = 0;
    ::WriteFile(Handle(handle), data, static_cast<DWORD>(n), &put, nullptr);
  }

  int64_t FileLength(const char* name) override {
    HANDLE h = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    DWORD length = GetFileSize(h, nullptr);
    CloseHandle(h);
    return length;
  }

  // Others may read the file meanwhile (the media interface holds a
  // registered wave file open for reading), but not write it.
  WholeFile ReadWholeFile(const char* name, size_t limit, std::string* out) override {
    HANDLE h = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return WholeFile::kCannotOpen;
    DWORD high = 0;
    DWORD length = GetFileSize(h, &high);
    if (length == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
      CloseHandle(h);
      return WholeFile::kCannotOpen;
    }
    bool fits = high == 0 && length <= limit;
    DWORD got = 0;
    if (fits) {
      out->assign(length, '\0');
      fits = length == 0 || (::ReadFile(h, &(*out)[0], length, &got, nullptr) && got == length);
    }
    CloseHandle(h);
    return fits ? WholeFile::kRead : WholeFile::kCannotRead;
  }

  // The temporary file is the name with "~" appended, in the same folder, so
  // that the final move stays on one volume.
  bool ReplaceWholeFile(const char* name, const char* data, size_t n) override {
    std::string temporary = std::string(name) + "~";
    HANDLE h = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    bool written =
        n == 0 || (::WriteFile(h, data, static_cast<DWORD>(n), &put, nullptr) && put == n);
    written = CloseHandle(h) && written;
    if (written && MoveFileExA(temporary.c_str(), name, MOVEFILE_REPLACE_EXISTING)) return true;
    DeleteFileA(temporary.c_str());
    return false;
  }

  bool ChooseFile(WindowRef owner, FileDialog dialog, const char* title, const char* filters,
                  char* out, size_t cap) override {
    char name_only[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = static_cast<HWND>(owner);
    ofn.lpstrFilter = filters;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = out;
    ofn.nMaxFile = static_cast<DWORD>(cap);
    ofn.lpstrFileTitle = name_only;
    ofn.nMaxFileTitle = sizeof name_only;
    ofn.lpstrTitle = title;
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (dialog == FileDialog::kSave) {
      ofn.Flags |= OFN_OVERWRITEPROMPT;
      return GetSaveFileNameA(&ofn) != 0;
    }
    return GetOpenFileNameA(&ofn) != 0;
  }
};

}  // namespace

FileSystem* Win32FileSystem() {
  static Win32Files the_file_system;
  return &the_file_system;
}

}  // namespace zep
