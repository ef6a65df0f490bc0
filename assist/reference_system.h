// What opening the reference needs of the platform: the program's and the
// temporary folder, the help viewer of "ZEP2.HLP", opening a document the
// way the shell does, and path text for URLs. Files are read and written
// through the core's FileSystem.
#pragma once

#include <string>

#include "core/common.h"

namespace zep {

// The help viewer's commands, with the values the platform uses.
enum HelpCommand : unsigned {
  kHelpQuit = 0x2,
  kHelpIndex = 0x3,
  kHelpKey = 0x101,
  kHelpPartialKey = 0x105,
};

class ReferenceSystem {
 public:
  virtual ~ReferenceSystem() = default;
  // The folder of the running program, with its final backslash.
  virtual std::string ProgramFolder() = 0;
  // The folder for temporary files, with its final backslash.
  virtual std::string TempFolder() = 0;
  // The platform's WinHelp on a help file; keyword is the command's data
  // (nullptr for none).
  virtual void ShowHelpFile(WindowRef owner, const char* file, HelpCommand command,
                            const char* keyword) = 0;
  // Opens a document with the program the user has for it (a web page in
  // the browser). False when nothing could open it.
  virtual bool OpenDocument(WindowRef owner, const char* path) = 0;
  // Shows the reference window at a page (reference_page.h), opening it
  // or bringing it to the front.
  virtual void ShowReferenceWindow(WindowRef owner, const std::string& target) = 0;
  // A path of the platform's code page as UTF-8, as URLs spell paths.
  virtual std::string PathToUtf8(const char* path) = 0;
};

// The reference system in use. Set once at start-up (or by a test).
extern ReferenceSystem* reference_system;

}  // namespace zep
