// The file calls for the host tests: files kept in memory on a disk that
// can be full, dialogs answered from the test's settings, every call
// recorded into a shared call list.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/data_file.h"

namespace zep {

class FakeFileSystem : public FileSystem {
 public:
  explicit FakeFileSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  // The files that exist, by name, with their bytes.
  std::map<std::string, std::string> files;
  // Names the platform refuses to open in any mode.
  std::set<std::string> locked;
  // Names whose file another program holds once opened for writing: the
  // written file cannot replace it at CloseFile.
  std::set<std::string> held;
  // Bytes still free on the disk. A file that grows takes room; a write that
  // needs more fails after writing what fits, as on a full disk. A file
  // replaced or thrown away gives its room back.
  size_t disk_room = std::numeric_limits<size_t>::max();
  // What the next dialog answers: the chosen path, or a cancel.
  bool dialog_cancels = false;
  std::string dialog_path = "C:\\chosen.dat";
  // What happens while the dialog is shown (other sections may run then).
  std::function<void()> during_dialog;

  // A file opened for writing is written apart (its record's bytes) and
  // replaces files[name] when it is closed and kept.
  int OpenFile(const char* name, FileMode mode) override {
    bool read = mode == FileMode::kRead;
    Log(std::string("OpenFile ") + (read ? "read " : "write ") + name);
    if (locked.count(name) || (read && !files.count(name))) return -1;
    open_[next_handle_] = {name, read, 0, ""};
    return next_handle_++;
  }
  // Recorded as "CloseFile HANDLE", with " drop" when what was written is
  // thrown away.
  bool CloseFile(int handle, bool keep) override {
    Log("CloseFile " + std::to_string(handle) + (keep ? "" : " drop"));
    auto it = open_.find(handle);
    if (it == open_.end()) return false;
    OpenRecord record = it->second;
    open_.erase(it);
    if (record.read) return true;
    if (!keep || held.count(record.name)) {
      disk_room += record.bytes.size();
      return !keep;
    }
    auto old = files.find(record.name);
    if (old != files.end()) disk_room += old->second.size();
    files[record.name] = record.bytes;
    return true;
  }
  int ReadByte(int handle, uint32_t pos) override {
    Log("ReadByte " + std::to_string(handle) + " " + std::to_string(pos));
    auto it = open_.find(handle);
    if (it == open_.end() || !it->second.read) return -1;
    const std::string& bytes = files[it->second.name];
    return pos < bytes.size() ? static_cast<uint8_t>(bytes[pos]) : -1;
  }
  // A write past the end fills the gap with zero bytes, which take room too.
  bool WriteByte(int handle, uint32_t pos, uint8_t byte) override {
    Log("WriteByte " + std::to_string(handle) + " " + std::to_string(pos) + " " +
        std::to_string(byte));
    auto it = open_.find(handle);
    if (it == open_.end() || it->second.read) return false;
    std::string& bytes = it->second.bytes;
    if (bytes.size() <= pos) {
      if (!TakeRoom(pos + 1 - bytes.size())) return false;
      bytes.resize(pos + 1, '\0');
    }
    bytes[pos] = static_cast<char>(byte);
    it->second.pos = pos + 1;
    return true;
  }
  // The position of each handle, for the block reads and writes.
  int64_t SeekEnd(int handle) override {
    Log("SeekEnd " + std::to_string(handle));
    auto it = open_.find(handle);
    if (it == open_.end()) return -1;
    it->second.pos = it->second.read ? files[it->second.name].size() : it->second.bytes.size();
    return static_cast<int64_t>(it->second.pos);
  }
  bool ReadAll(int handle, size_t limit, std::string* out) override {
    Log("ReadAll " + std::to_string(handle));
    auto it = open_.find(handle);
    if (it == open_.end() || !it->second.read) return false;
    const std::string& bytes = files[it->second.name];
    if (bytes.size() > limit) return false;
    *out = bytes;
    it->second.pos = bytes.size();
    return true;
  }
  // Writes what fits on the disk; true when that is all n bytes.
  bool WriteBlock(int handle, const char* data, size_t n) override {
    Log("WriteBlock " + std::to_string(handle) + " " + std::string(data, n));
    auto it = open_.find(handle);
    if (it == open_.end() || it->second.read) return false;
    std::string& bytes = it->second.bytes;
    size_t pos = it->second.pos;  // never beyond the end here
    size_t growth = pos + n > bytes.size() ? pos + n - bytes.size() : 0;
    size_t fits = growth > disk_room ? n - (growth - disk_room) : n;
    disk_room -= growth > disk_room ? disk_room : growth;
    if (bytes.size() < pos + fits) bytes.resize(pos + fits, '\0');
    bytes.replace(pos, fits, data, fits);
    it->second.pos += fits;
    return fits == n;
  }
  int64_t FileLength(const char* name) override {
    Log(std::string("FileLength ") + name);
    auto it = files.find(name);
    return (it == files.end() || locked.count(name)) ? -1 : static_cast<int64_t>(it->second.size());
  }
  // Recorded as "ReadWholeFile NAME"; a name in `locked` cannot be opened.
  WholeFile ReadWholeFile(const char* name, size_t limit, std::string* out) override {
    Log(std::string("ReadWholeFile ") + name);
    auto it = files.find(name);
    if (it == files.end() || locked.count(name)) return WholeFile::kCannotOpen;
    if (it->second.size() > limit) return WholeFile::kCannotRead;
    *out = it->second;
    return WholeFile::kRead;
  }
  // Recorded as "ReplaceWholeFile NAME N"; a locked name, or more bytes than
  // the disk has room for, leaves the file untouched.
  bool ReplaceWholeFile(const char* name, const char* data, size_t n) override {
    Log(std::string("ReplaceWholeFile ") + name + " " + std::to_string(n));
    if (locked.count(name) || !TakeRoom(n)) return false;
    auto old = files.find(name);
    if (old != files.end()) disk_room += old->second.size();
    files[name].assign(data, n);
    return true;
  }
  // Recorded as "ChooseFile open|save TITLE FILTERS", the filter list's
  // string ends shown as '|' up to and including its closing empty string,
  // then " start NAME" when the dialog starts with a name.
  bool ChooseFile(WindowRef, FileDialog dialog, const char* title, const char* filters,
                  char* out, size_t cap) override {
    Log(std::string("ChooseFile ") + (dialog == FileDialog::kOpen ? "open " : "save ") + title +
        " " + ShowFilters(filters) + (out[0] != '\0' ? std::string(" start ") + out : ""));
    if (during_dialog) during_dialog();
    if (dialog_cancels) return false;
    std::string path = dialog_path.substr(0, cap - 1);
    path.copy(out, path.size());
    out[path.size()] = '\0';
    return true;
  }

  // A filter list with each string end as '|'.
  static std::string ShowFilters(const char* filters) {
    std::string shown;
    for (const char* p = filters;; ++p) {
      if (*p != '\0') { shown += *p; continue; }
      shown += '|';
      if (p[1] == '\0') return shown + '|';
    }
  }

  // Back to no files, an empty disk and the first handle, as for a fresh
  // program.
  void ForgetFiles() {
    files.clear();
    locked.clear();
    held.clear();
    disk_room = std::numeric_limits<size_t>::max();
    open_.clear();
    next_handle_ = 3;
  }

 private:
  struct OpenRecord {
    std::string name;
    bool read;
    size_t pos = 0;
    std::string bytes;  // written so far, for a file opened for writing
  };
  // Takes n bytes of the disk's room; false, taking none, when there are
  // fewer.
  bool TakeRoom(size_t n) {
    if (n > disk_room) return false;
    disk_room -= n;
    return true;
  }
  void Log(const std::string& call) { calls_.push_back(call); }

  std::vector<std::string>& calls_;
  std::map<int, OpenRecord> open_;
  int next_handle_ = 3;
};

}  // namespace zep
