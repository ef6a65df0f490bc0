// Recovery copies: nothing typed is lost when the program, or the machine,
// stops before the text was saved. While the text is changed, a timer on
// the editor's window writes a copy of it into the recovery folder
// (%APPDATA%\ZEP\recovery, named after the document) whenever it differs
// from the copy written last; a save, or a change the user chose to drop,
// removes the copy. The fault guard writes the same copy when the program
// faults. When the editor starts, the copies found there are offered one by
// one, the newest first: No removes the copy and the next is offered; Yes
// opens it as a changed text without a name and asks no more (the editor
// holds one text: the others are offered at the next start).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common.h"
#include "ide/document.h"
#include "ide/editor_system.h"

namespace zep {

// How often the timer looks at the text, in milliseconds.
constexpr int32_t kRecoveryIntervalMs = 30000;
extern int32_t recovery_interval_ms;

// The copy this editor keeps.
struct RecoveryCopy {
  // Its file name in the recovery folder; empty while there is none.
  char name[kMaxPath] = "";
  // What the file holds.
  std::string text;
  // A write that failed was reported: said once until a write succeeds, so
  // that the timer does not raise a box each time it looks.
  bool failure_shown = false;
};

// The name of a document's copy: its file's name, NONAME.ZEP while it has
// none (never loaded or saved).
const char* RecoveryFileName(const EditorDocument& d);

// A name for a new copy that overwrites no file this editor did not write
// (a copy left from before, or another editor's): name itself when it is
// free, else "BASE (2).EXT", "BASE (3).EXT", ... up to 99. taken(name,
// context) tells whether a file of that name exists in the folder. Uses no
// heap (the fault guard calls it). False when no free name fits in cap.
bool FreeCopyName(const char* name, bool (*taken)(const char* name, void* context),
                  void* context, char* out, size_t cap);

// What the timer does with the text.
enum class RecoveryStep {
  kNothing,  // unchanged, or the copy already holds it
  kWrite,    // write it as the copy
  kRemove,   // an emptied text: there is nothing to keep, the copy goes
};
RecoveryStep RecoveryStepFor(int32_t clean, const std::string& text, const RecoveryCopy& copy);

// The copies to offer at the start, newest first (the same time: by name):
// every file of the folder but empty ones and the temporary files of a
// write that did not finish (names ending in '~').
std::vector<FolderFile> CopiesToOffer(std::vector<FolderFile> files);

// The question for a copy named name.
std::string RecoveryQuestion(const std::string& name);

// Takes the test option "--zep-test-recovery-ms=N" (N from 1 to 3600000)
// from the start of the command line: the timer then looks every N
// milliseconds. Gives the rest of the line.
const char* TakeRecoveryIntervalOption(const char* command_line);

// The editor's steps. At its window's creation the timer starts; each tick
// writes the copy when due; a text that was saved, or dropped at the user's
// word, has its copy removed (only while the file still holds what was
// written, so that a copy another editor wrote over stays); once the window
// shows, the copies found are offered.
void StartRecoveryTimer();
void OnRecoveryTimer();
void ForgetRecoveryCopy();
void OfferRecoveryCopies();

}  // namespace zep
