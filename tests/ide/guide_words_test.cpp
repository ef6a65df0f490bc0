// The beginner's guide quotes the program's own words: every 「...」 in
// docs/guide.md is a text the program shows (an error box, an editor
// message or question, the status bar, a menu or dialog of the resource
// scripts, the reference window), so that a pupil who reads a word in the guide meets it on the
// screen. Quotes of one character (a symbol of the language) are no words.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "checker/checker.h"
#include "core/errors.h"
#include "core/script_text.h"
#include "core/text.h"
#include "ide/editor_texts.h"
#include "ide/help_window.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

// The host converts UTF-8 as the program's platform does.
class GuideWords : public RunTest {};

// A UTF-8 file of the repository in Shift-JIS, as the program holds its texts.
std::string ShiftJisFile(const std::string& path) {
  std::ifstream in(std::string(ZEP_SOURCE_DIR) + "/" + path, std::ios::binary);
  std::stringstream bytes;
  bytes << "\xEF\xBB\xBF" << in.rdbuf();  // read as UTF-8 whatever it holds
  std::string text;
  int line = 0;
  EXPECT_EQ(DecodeScriptText(bytes.str().data(), bytes.str().size(), &text, &line),
            ScriptText::kRead)
      << path << " line " << line;
  return text;
}

// The texts between 「 and 」 (Shift-JIS 81 75 and 81 76).
std::vector<std::string> Quotes(const std::string& text) {
  std::vector<std::string> quotes;
  size_t open = std::string::npos;
  for (size_t at = 0; at < text.size(); at += CharLength(&text[at])) {
    if (text.compare(at, 2, "\x81\x75") == 0) open = at + 2;
    if (text.compare(at, 2, "\x81\x76") == 0 && open != std::string::npos) {
      quotes.push_back(text.substr(open, at - open));
      open = std::string::npos;
    }
  }
  return quotes;
}

// Every text the program shows that the guide may quote.
std::string ProgramWords() {
  std::string words;
  for (int code = 0; code < 256; ++code) {
    char box[512];
    BuildErrorMessage(code, "S", "N", box, sizeof box);
    words += std::string(box) + "\n";
  }
  for (int m = 1; m <= 6; ++m) words += EditorMessageText(static_cast<EditorMessage>(m)) + std::string("\n");
  for (DropAction a : {DropAction::kNew, DropAction::kOpen, DropAction::kClose}) {
    words += std::string(DropQuestionOf(a).caption) + "\n" + DropQuestionOf(a).text + "\n";
  }
  for (const char* s : {kFindWrapped, kFindNone, kSavedResult, kRunResult, kRunEndedResult,
                        kRunErrorResult, kFileError, kStandardProgram, kDebugPausedResult,
                        kDebugErrorPausedResult, kWatchTitle, kWatchFilterLabel, kWatchSetButton,
                        kWatchRunning}) {
    words += std::string(s) + "\n";
  }
  for (const char* column : kEventColumns) words += std::string(column) + "\n";
  for (const char* column : kVariableColumns) words += std::string(column) + "\n";
  words += "ZEP Error\n変更あり\n";
  words += std::string(SeverityName(Severity::kError)) + "\n" + SeverityName(Severity::kWarning) + "\n";
  // The platform's own buttons of a message box.
  words += "はい\nいいえ\nキャンセル\n";
  words += ShiftJisFile("resources/zep.rc") + ShiftJisFile("resources/assist.rc");
  // The reference window: its caption, its search box and its pages.
  words += std::string(kHelpWindowTitle) + "\n" + kHelpSearchLabel + "\n";
  for (const char* target : {"contents", "entry:Box"}) {
    for (const PageRun& run : ReferencePage(target, nullptr).runs) words += run.text + "\n";
  }
  return words;
}

TEST_F(GuideWords, EveryQuoteIsAWordTheProgramShows) {
  std::string words = ProgramWords();
  std::vector<std::string> quotes = Quotes(ShiftJisFile("docs/guide.md"));
  ASSERT_GT(quotes.size(), 10u);
  for (const std::string& quote : quotes) {
    if (CharOffsetOf(quote, quote.size()) <= 1) continue;
    EXPECT_NE(words.find(quote), std::string::npos) << "the guide quotes a word the program never shows: " << quote;
  }
}

}  // namespace
}  // namespace zep
