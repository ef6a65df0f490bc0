#include "assist/command_assist.h"

#include "assist/assist_output.h"
#include "assist/catalog.h"
#include "core/text.h"

namespace zep {

bool IsCategory(int selection) { return selection >= 0 && selection < kCategoryCount; }

bool TakeEntryForPaste(int category, int index) {
  const CatalogEntry* entry = EntryAt(category, index);
  if (entry == nullptr) return false;
  std::string text = entry->text;
  if (category == kReservedSections) text += "\r\n{\r\n\r\n}";
  if (category < kReservedVariables) text += "\r\n";
  SetAssistOutput(text.c_str());
  return true;
}

bool TakeEntryForHelp(int category, int index) {
  const CatalogEntry* entry = EntryAt(category, index);
  if (entry == nullptr) return false;
  SetAssistOutput(entry->text);
  return true;
}

std::string HelpKeyword(const char* text) {
  const char* p = text;
  while (*p != '\0' && *p != '(' && *p != '{') p += CharLength(p);
  return std::string(text, static_cast<size_t>(p - text));
}

}  // namespace zep
