// The editor's fixed texts: the standard new program, its messages and the
// questions it asks before work would be lost.
#pragma once

namespace zep {

// The program New offers to paste: 505 bytes of Shift-JIS with CR LF.
extern const char kStandardProgram[];

// The editor's messages by number (1..6), shown as "ZEP Error" boxes.
enum class EditorMessage {
  kEmpty = 1,         // the text is empty
  kRunning = 2,       // a script runs already
  kNoRunWindow = 3,   // the run window could not be made
  kNoMemory = 4,
  kNotFound = 5,      // the search string was not found
  kSaveFirst = 6,     // Compile needs a saved script
};
const char* EditorMessageText(EditorMessage message);

// Shown when a file cannot be read or written.
extern const char kFileError[];

// The status bar's word on the last find, save or run.
extern const char kFindWrapped[];  // found after going back to the top
extern const char kFindNone[];
extern const char kSavedResult[];
extern const char kRunResult[];    // a run started here is under way
extern const char kRunEndedResult[];
extern const char kRunErrorResult[];
// The debugger's window: its caption, the columns of its event strip and
// of its variables, the filter's label, the value button and the word for
// a section that runs now.
extern const char kWatchTitle[];
extern const char* const kEventColumns[4];
extern const char* const kVariableColumns[2];
extern const char kWatchFilterLabel[];
extern const char kWatchSetButton[];
extern const char kWatchRunning[];
// A run of the debugger waits before the statement on line %d.
extern const char kDebugPausedResult[];
extern const char kDebugPauseAsked[];  // F6: it waits before the next statement
extern const char kDebugErrorPausedResult[];

// The actions that would drop an edited text, and their question.
enum class DropAction { kNew, kOpen, kClose };
struct DropQuestion {
  const char* caption;
  const char* text;
};
DropQuestion DropQuestionOf(DropAction action);

}  // namespace zep
