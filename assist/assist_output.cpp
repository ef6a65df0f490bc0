#include "assist/assist_output.h"

#include "core/common.h"

namespace zep {

namespace {

char assist_output[kAssistOutputSize] = "";

}  // namespace

const char* AssistOutput() { return assist_output; }

void SetAssistOutput(const char* text) { CopyText(assist_output, sizeof assist_output, text); }

AssistAction AssistResult(int result) {
  if (result == kAssistPaste) return AssistAction::kPaste;
  if (result == kAssistCopy) return AssistAction::kCopy;
  return AssistAction::kNothing;
}

}  // namespace zep
