// What the interpreter itself needs of the outside world: message boxes,
// the clock, starting programs and help, the close request of a run's
// window and the text of a window. The Win32 layer implements it; host tests
// implement it to record calls. Each subsystem has a small interface of its
// own for the rest (the canvas, the run window's system, the data file).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common.h"

namespace zep {

// Message box flags, with the values the platform uses.
enum BoxFlags : unsigned {
  kBoxOk = 0x0,
  kBoxOkCancel = 0x1,
  kBoxYesNoCancel = 0x3,
  kBoxYesNo = 0x4,
  kBoxIconError = 0x10,
  kBoxIconQuestion = 0x20,
  kBoxIconExclamation = 0x30,
  kBoxIconInformation = 0x40,
};

struct LocalTime {
  int year, month, day, hour, minute, second;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box; returns the button pressed (platform id).
  virtual int ShowMessage(WindowRef owner, const char* text, const char* title,
                          unsigned flags) = 0;
  virtual LocalTime Now() = 0;
  // Starts a program as the platform's WinExec does; returns its result (>= 32 is success).
  virtual int StartProgram(const char* command_line) = 0;
  virtual void OpenHelpIndex(WindowRef owner, const char* help_file) = 0;
  // Asks the window to close, as its close box does, once the current event is done.
  virtual void PostCloseRequest(WindowRef window) = 0;
  // The text of a window or control, at most cap - 1 bytes.
  virtual void GetWindowTextOf(WindowRef window, char* out, size_t cap) = 0;
  // Shift-JIS (code page 932) for UTF-16 text; false when a character has
  // no Shift-JIS form.
  virtual bool ToShiftJis(const std::u16string& text, std::string* out) = 0;
  // UTF-16 for Shift-JIS (code page 932) text; false when the bytes hold
  // something that is no Shift-JIS character.
  virtual bool FromShiftJis(const std::string& text, std::u16string* out) = 0;
};

// The host in use. Set once at start-up (or by a test).
extern Host* host_system;

}  // namespace zep
