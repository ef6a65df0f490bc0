#include "core/program.h"

#include <cstdlib>
#include <cstring>

namespace zep {

char* program_text = nullptr;
unsigned run_generation = 0;

bool SetProgramText(const char* text, size_t size) {
  FreeProgramText();
  ++run_generation;
  program_text = static_cast<char*>(std::malloc(size + 16));
  if (program_text == nullptr) return false;
  std::memcpy(program_text, text, size);
  program_text[size] = '\0';
  return true;
}

void FreeProgramText() {
  std::free(program_text);
  program_text = nullptr;
  ++run_generation;
}

}  // namespace zep
