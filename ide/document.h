// The editor's one document: whether its text is saved, and its names. The
// rules for the window title and for the name Save As writes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/common.h"

namespace zep {

// A file of this many bytes or more is refused by Open.
constexpr size_t kMaxEditorFileBytes = 65535;
// The most characters the text control takes.
constexpr int32_t kMaxEditorCharacters = 0xFFFF;

struct EditorDocument {
  // 1 while the text equals what was last loaded or saved (or after New).
  int32_t clean = 1;
  // The document's full path; the file dialogs start with it.
  char file_path[kMaxPath] = "";
  // The file's name without its folder, as the last file dialog gave it.
  char file_title[kMaxPath] = "";
  // file_path as it was after the last successful load or save; empty while
  // the document has never been loaded or saved. Save writes in place when
  // it is set, and asks for a name when it is not.
  char saved_path[kMaxPath] = "";
};


// The window title for a document named name: "ZEP - [name]", at most 255
// bytes. An empty name shows as "NONAME.ZEP", which also becomes file_path,
// so that the next save dialog offers it.
void EditorTitle(EditorDocument& d, const char* name, char* out, size_t cap);

// The name Save As writes: ".zep" is added to path and name when path holds
// no '.' anywhere (a dot in a folder's name counts). False when it would not
// fit; path and name are unchanged then.
bool AddScriptExtension(char* path, char* name);

// A load or write succeeded under these names: the document is named so,
// saved_path follows, the text counts as saved.
void NameDocument(EditorDocument& d, const char* path, const char* name);

}  // namespace zep
