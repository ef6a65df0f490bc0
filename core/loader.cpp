#include "core/loader.h"

#include <cstring>

#include "core/errors.h"
#include "core/exec.h"
#include "core/program.h"
#include "core/run_parts.h"
#include "core/text.h"
#include "core/variables.h"

namespace zep {

namespace {

// The next `}` at or after p, stepping by character and over literals, so
// that neither a trail byte nor a brace in a string ends a section; the NUL
// at the end when there is none.
const char* NextCloseBrace(const char* p) {
  while (*p != '\0' && *p != '}') {
    if (*p == '"') {
      p = SkipLiteral(p);
      if (*p == '\0') break;
    }
    p += CharLength(p);
  }
  return p;
}

}  // namespace

int FindSection(const char* name) {
  size_t n = std::strlen(name);
  const char* text = program_text;
  size_t i = 0;
  for (;;) {
    if (text[i] == '\0') break;
    // A section is recognised only right after a `}` (or at the start),
    // with its `{` directly after the name.
    size_t k = 0;
    while (k < n && text[i + k] != '\0' && text[i + k] == name[k]) ++k;
    if (k == n && text[i + n] == '{') return static_cast<int>(i + n);
    if (k < n && text[i + k] == '\0') break;
    const char* close = NextCloseBrace(text + i);
    if (*close == '\0') break;
    while (*close == '}') ++close;
    i = static_cast<size_t>(close - text);
  }
  SetError(kErrNoSection, name);
  return -1;
}

void LoadProgram(ProgramForm form) {
  ResetRunParts();
  if (form == ProgramForm::kSource) {
    CompactProgramText(program_text);
    ++run_generation;
  }
  if (CreateVariableStore()) {
    int open = FindSection("CREATE");
    if (error_code != 0) {
      ClearError();
      return;
    }
    int stop = RunCreatePass(open);
    if (error_code != 0) error_pos = stop;
  }
  if (error_code != 0) FreeRunParts(nullptr);
}

}  // namespace zep
