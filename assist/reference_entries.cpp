#include "assist/reference_entries.h"

#include <map>
#include <sstream>

#include "assist/reference_examples.h"
#include "core/command_table.h"
#include "core/errors.h"
#include "core/text.h"

namespace zep {

namespace {

// The example and the related names of the entry of name, from its row.
void AddExample(ReferenceEntry* entry) {
  const ReferenceExample* row = FindReferenceExample(entry->name.c_str());
  entry->example = row != nullptr ? row->example : "";
  if (row == nullptr) return;
  std::istringstream names(row->related);
  for (std::string name; names >> name;) entry->related.push_back(name);
}

// The names in the reference's order, and where each stands.
class Entries {
 public:
  Entries() {
    for (int c = 0; c < kCategoryCount; ++c) {
      for (int i = 0; i < CategoryAt(c).count; ++i) Add(EntryAt(c, i), c);
    }
    for (int i = 0; i < CommandCount(); ++i) AddCommand(CommandAt(i).name);
  }
  const std::vector<ReferenceEntry>& all() const { return entries_; }
  const ReferenceEntry* Find(const std::string& name) const {
    auto found = index_.find(name);
    return found == index_.end() ? nullptr : &entries_[found->second];
  }

 private:
  void Add(const CatalogEntry* entry, int category) {
    std::string name = EntryName(entry->text);
    auto found = index_.find(name);
    if (found != index_.end()) {
      entries_[found->second].categories.push_back(category);
      return;
    }
    index_[name] = entries_.size();
    entries_.push_back({name, entry->text, entry->description, entry->kind, {category},
                        FindReferenceNote(name.c_str()), "", {}});
    AddExample(&entries_.back());
  }
  void AddCommand(const char* name) {
    if (index_.count(name) != 0) return;
    const ReferenceNote* note = FindReferenceNote(name);
    index_[name] = entries_.size();
    entries_.push_back({name, note != nullptr && note->syntax != nullptr ? note->syntax : name,
                        note != nullptr && note->description != nullptr ? note->description : "",
                        EntryKind::kCommand, {}, note, "", {}});
    AddExample(&entries_.back());
  }

  std::vector<ReferenceEntry> entries_;
  std::map<std::string, size_t> index_;
};

const Entries& TheEntries() {
  static const Entries entries;
  return entries;
}

// ASCII letters in lower case; double-byte characters as they are.
std::string Folded(const std::string& text) {
  std::string folded;
  for (size_t at = 0; at < text.size();) {
    size_t n = CharLength(&text[at]);
    char c = text[at];
    folded += n == 1 && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (n == 2) folded += text[at + 1];
    at += n;
  }
  return folded;
}


bool RaisesErrorHolding(const ReferenceEntry& entry, const std::string& wanted) {
  if (entry.note == nullptr) return false;
  for (int i = 0; i < kMaxNoteErrors && entry.note->errors[i] != 0; ++i) {
    const char* message = ErrorMessage(entry.note->errors[i]);
    if (message != nullptr && FindInText(Folded(message), wanted) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

const std::vector<ReferenceEntry>& ReferenceEntries() { return TheEntries().all(); }

const ReferenceEntry* FindReferenceEntry(const std::string& name) { return TheEntries().Find(name); }

std::string ReferenceUsage(const ReferenceEntry& item) {
  switch (item.kind) {
    case EntryKind::kFunction: return "式の中で使う関数です。";
    case EntryKind::kStatement: return "制御文です。";
    case EntryKind::kSection:
      return item.name == "CREATE" ? "ウィンドウを開く前に１回だけ実行されるサブルーチンです。"
                                   : "イベントが起きると実行されるサブルーチン（予約サブルーチン）です。";
    case EntryKind::kVariable:
      return item.name == "FILE_NAME" ? "文字列の引数に \"FILE_NAME\" と書くと、このファイル名になります。"
                                      : "式の中で読む予約変数です。";
    case EntryKind::kCommand: break;
  }
  const CommandRow* run = FindCommand(item.name.c_str(), kPhaseRun);
  const CommandRow* create = FindCommand(item.name.c_str(), kPhaseCreate);
  if (run == nullptr && create == nullptr) return "";
  std::string text = run == nullptr      ? "CREATE の中だけで使えます。"
                     : create == nullptr ? "CREATE 以外のサブルーチンで使えます。"
                                         : "CREATE でもほかのサブルーチンでも使えます。";
  if ((run != nullptr && run->returns_value) || (create != nullptr && create->returns_value)) {
    text += "値を返すので、式の中でも使えます。";
  }
  return text;
}

std::vector<const ReferenceEntry*> SearchReference(const std::string& query) {
  std::vector<const ReferenceEntry*> found;
  if (query.empty()) return found;
  std::string wanted = Folded(query);
  std::vector<bool> taken(ReferenceEntries().size(), false);
  // The four ways an entry may hold the query, best first.
  auto holds = [&](const ReferenceEntry& e, int way) {
    switch (way) {
      case 0: return FindInText(Folded(e.name), wanted) == 0;
      case 1: return FindInText(Folded(e.name), wanted) != std::string::npos;
      case 2: return FindInText(Folded(e.description), wanted) != std::string::npos;
      default: return RaisesErrorHolding(e, wanted);
    }
  };
  for (int way = 0; way < 4; ++way) {
    for (size_t i = 0; i < ReferenceEntries().size(); ++i) {
      if (taken[i] || !holds(ReferenceEntries()[i], way)) continue;
      taken[i] = true;
      found.push_back(&ReferenceEntries()[i]);
    }
  }
  return found;
}

}  // namespace zep
