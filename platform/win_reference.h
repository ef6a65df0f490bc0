// The Win32 reference system: the program's and the temporary folder,
// WinHelp, the shell's opening of a document, and ANSI paths as UTF-8.
#pragma once

#include "assist/reference_system.h"

namespace zep {

class Win32Reference : public ReferenceSystem {
 public:
  std::string ProgramFolder() override;
  std::string TempFolder() override;
  void ShowHelpFile(WindowRef owner, const char* file, HelpCommand command, const char* keyword) override;
  bool OpenDocument(WindowRef owner, const char* path) override;
  void ShowReferenceWindow(WindowRef owner, const std::string& target) override;
  std::string PathToUtf8(const char* path) override;
};

ReferenceSystem* Win32References();

}  // namespace zep
