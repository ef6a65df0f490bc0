// The Win32 file calls. Files are opened with CreateFileA, so paths of any
// length the system accepts work; the handle is kept as an int (Win32
// handles keep their meaning in 32 bits, and INVALID_HANDLE_VALUE is -1).
//
// Whatever is written to a disk file is written into a temporary file beside
// it, the name with "~" appended (in the same folder, so that the final move
// stays on one volume), which replaces the file only once it is complete.
#include "platform/win_file_system.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <map>
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

std::string TemporaryName(const char* name) { return std::string(name) + "~"; }

// Writes all n bytes at the handle's position. A full disk may take part of
// a write and report success: only a count of n is success.
bool WriteAll(HANDLE h, const void* data, size_t n) {
  if (n > MAXDWORD) return false;
  DWORD put = 0;
  return n == 0 || (::WriteFile(h, data, static_cast<DWORD>(n), &put, nullptr) && put == n);
}

class Win32Files : public FileSystem {
 public:
  // For writing, the named file is first opened as it is, to learn that it
  // may be written (not read-only, not held by another program) without
  // changing it. A device (FILE_TYPE_CHAR: NUL, a port, a Unix device under
  // Wine) keeps no bytes and cannot be replaced, so it is written directly;
  // a disk file, or a missing one, gets a new temporary file.
  int OpenFile(const char* name, FileMode mode) override {
    if (mode == FileMode::kRead) {
      HANDLE h = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      return h == INVALID_HANDLE_VALUE ? -1 : HandleNumber(h);
    }
    HANDLE h = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      if (GetFileType(h) == FILE_TYPE_CHAR) return HandleNumber(h);
      CloseHandle(h);
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
      return -1;
    }
    h = CreateFileA(TemporaryName(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    replacing_[HandleNumber(h)] = name;
    return HandleNumber(h);
  }

  bool CloseFile(int handle, bool keep) override {
    bool closed = CloseHandle(Handle(handle)) != 0;
    auto it = replacing_.find(handle);
    if (it == replacing_.end()) return closed;
    std::string name = it->second;
    replacing_.erase(it);
    std::string temporary = TemporaryName(name.c_str());
    if (keep && closed &&
        MoveFileExA(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      return true;
    }
    DeleteFileA(temporary.c_str());
    return !keep;
  }

  int ReadByte(int handle, uint32_t pos) override {
    unsigned char byte = 0;
    DWORD got = 0;
    if (!Seek(handle, pos) || !::ReadFile(Handle(handle), &byte, 1, &got, nullptr) || got != 1) {
      return -1;
    }
    return byte;
  }

  bool WriteByte(int handle, uint32_t pos, uint8_t byte) override {
    return Seek(handle, pos) && WriteAll(Handle(handle), &byte, 1);
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

  bool WriteBlock(int handle, const char* data, size_t n) override {
    return WriteAll(Handle(handle), data, n);
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

  bool ReplaceWholeFile(const char* name, const char* data, size_t n) override {
    std::string temporary = TemporaryName(name);
    HANDLE h = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool written = WriteAll(h, data, n);
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

 private:
  // The named file each handle of a temporary file is to replace.
  std::map<int, std::string> replacing_;
};

}  // namespace

FileSystem* Win32FileSystem() {
  static Win32Files the_file_system;
  return &the_file_system;
}

}  // namespace zep
