// The reference's error codes against the commands themselves: every
// command of the table is run with many arguments (numbers at and beyond
// their limits, strings naming controls, buffers and files or nothing, too
// few and too many arguments) in a bare run, a run with one thing of each
// kind prepared, and a run with a data file open. Each code a run raises
// must be one that the command's note lists; the count and string codes
// must be listed exactly when some run raises them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assist/catalog.h"
#include "assist/reference_notes.h"
#include "core/command_table.h"
#include "core/errors.h"
#include "runtime/events.h"
#include "tests/run/run_fixture.h"
#include "tests/run/wave_test_files.h"

namespace zep {
namespace {

// One thing of each kind that commands name: controls of several types, a
// wave buffer, a menu item, an array, a sound and a back screen.
const char kPrepared[] =
    "SubScreen(50,50);WaveBuf(\"buf\",10);Menu(\"Menu\");PopupMenuEX(\"Item\",\"ID_m\");Data(\"arr\",2,2);"
    "EntryWaveFile(3,\"s.wav\");"
    "CreateControl(101,\"t\",\"ID_e\",0,0,50,20);CreateControl(100,\"m\",\"ID_m2\",0,0,50,20);"
    "CreateControl(1,\"b\",\"ID_b\",0,0,20,20);CreateControl(20,\"c\",\"ID_c\",0,0,20,20);"
    "CreateControl(70,\"s\",\"ID_s\",0,0,50,10);CreateControl(40,\"l\",\"ID_l\",0,0,50,50);"
    "CreateControl(31,\"o\",\"ID_o\",0,0,50,50);";

// A dialog whose set-up fails, so that DlgBox shows the errors of its set-up.
const char kDialog[] = "ID_dlgCREATE{SetWinColor(17);}";

const char* const kNumbers[] = {"-1", "0", "1", "2", "7", "16", "256", "70000", "-70000", "1025"};
const char* const kStrings[] = {"\"\"",      "\"x\"",   "\"FILE_NAME\"", "\"ID_e\"", "\"ID_m2\"", "\"ID_b\"",
                                "\"ID_c\"",  "\"ID_s\"", "\"ID_l\"",     "\"ID_o\"", "\"buf\"",   "\"ID_m\"",
                                "\"---\"",   "\"arr\"", "\"ID_dlg\"",   "\"s.wav\"",
                                "\"a-name-of-more-than-thirty-two-bytes-in-all\""};

// The syntax line that names a command's arguments.
std::string SyntaxOf(const std::string& name) {
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) {
      if (EntryName(EntryAt(c, i)->text) == name) return EntryAt(c, i)->text;
    }
  }
  const ReferenceNote* note = FindReferenceNote(name.c_str());
  return note != nullptr && note->syntax != nullptr ? note->syntax : "";
}

// Whether each argument of the syntax is a string ('s') or a number ('n').
std::string ArgumentKinds(const std::string& syntax) {
  size_t open = syntax.find('('), close = syntax.rfind(')');
  std::string kinds;
  if (open == std::string::npos || close == open + 1) return kinds;
  std::string inside = syntax.substr(open + 1, close - open - 1);
  size_t start = 0;
  for (;;) {
    size_t comma = inside.find(',', start);
    std::string arg = inside.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    kinds += arg.find('"') != std::string::npos ? 's' : 'n';
    if (comma == std::string::npos) return kinds;
    start = comma + 1;
  }
}

std::string Join(const std::vector<std::string>& args) {
  std::string text;
  for (size_t i = 0; i < args.size(); ++i) text += (i > 0 ? "," : "") + args[i];
  return text;
}

// The argument texts to try for a command with these argument kinds, each once.
std::set<std::string> ArgumentTexts(const std::string& kinds) {
  std::set<std::string> texts;
  size_t n = kinds.size();
  for (const char* number : kNumbers) {
    for (const char* string : kStrings) {
      std::vector<std::string> args;
      for (char k : kinds) args.push_back(k == 's' ? string : number);
      texts.insert(Join(args));
    }
  }
  std::vector<std::string> ones(n, "1");
  texts.insert(Join(ones));  // strings without quotes
  texts.insert("");          // no argument
  if (n >= 1) texts.insert(Join(std::vector<std::string>(ones.begin(), ones.end() - 1)));
  std::vector<std::string> more = ones;
  more.push_back("1");
  texts.insert(Join(more));
  if (n >= 2) texts.insert("," + Join(std::vector<std::string>(ones.begin() + 1, ones.end())));
  return texts;
}

class NotesAgainstCommands : public RunTest {
 protected:
  // Each probe starts without the files, calls and boxes of the one before.
  void Forget() {
    host_.files.clear();
    host_.files["s.wav"] = MakeWave(WaveFields{});
    host_.calls.clear();
    host_.boxes.clear();
    canvas_.calls.clear();
  }
  // Runs statement in the run phase after prepare, with the open file when
  // asked; gives the code of the load or of the run.
  int RunPhase(const std::string& statement, const char* prepare, bool open_file) {
    Forget();
    std::string script = std::string("CREATE{") + prepare + "}MAIN{" +
                         (open_file ? "OpenFileWrite(\"probe.dat\");" : "") + statement + "}" + kDialog;
    int code = Load(script.c_str());
    if (code != 0) return -1000 - code;  // the preparation itself failed
    OnRunCreate(kWindow);
    if (error_code != 0) return -2000 - error_code;
    RunSection(kWindow, "MAIN");
    int result = error_code;
    OnRunDestroy(kWindow);
    return result;
  }
  int CreatePhase(const std::string& statement, const char* prepare) {
    Forget();
    std::string script = std::string("CREATE{") + prepare + statement + "}" + kDialog;
    int code = Load(script.c_str());
    if (code == 0) OnRunDestroy(kWindow);  // a failed load has freed the run
    return code;
  }

  // Every code the command raises in the probes.
  std::set<int> Raised(const std::string& name) {
    std::string syntax = SyntaxOf(name);
    std::string kinds = ArgumentKinds(syntax);
    bool bare = syntax.find('(') == std::string::npos;  // CloseFile ;
    bool run = FindCommand(name.c_str(), kPhaseRun) != nullptr;
    bool create = FindCommand(name.c_str(), kPhaseCreate) != nullptr;
    std::set<int> codes;
    for (const std::string& args : ArgumentTexts(kinds)) {
      std::string statement = bare && args.empty() ? name + ";" : name + "(" + args + ");";
      for (const char* prepare : {"", kPrepared}) {
        if (run) {
          codes.insert(RunPhase(statement, prepare, false));
          if (*prepare != '\0') codes.insert(RunPhase(statement, prepare, true));
        }
        if (create) codes.insert(CreatePhase(statement, prepare));
      }
    }
    codes.erase(0);
    return codes;
  }
};

TEST_F(NotesAgainstCommands, EveryCodeACommandRaisesIsInItsNote) {
  std::set<std::string> done;
  for (int i = 0; i < CommandCount(); ++i) {
    std::string name = CommandAt(i).name;
    if (!done.insert(name).second) continue;
    const ReferenceNote* note = FindReferenceNote(name.c_str());
    ASSERT_NE(note, nullptr) << name;
    std::set<int> listed;
    for (int k = 0; k < kMaxNoteErrors && note->errors[k] != 0; ++k) listed.insert(note->errors[k]);
    std::set<int> raised = Raised(name);
    for (int code : raised) {
      EXPECT_TRUE(code > 0 && listed.count(code)) << name << " raised " << code << " ("
                                                  << (code > 0 ? ErrorMessage(code) : "its preparation failed")
                                                  << ")";
    }
    for (int code : {8, 9, 23}) {
      EXPECT_EQ(listed.count(code), raised.count(code)) << name << " lists " << code << " but never raised it";
    }
  }
  EXPECT_GE(done.size(), 120u);
}

}  // namespace
}  // namespace zep
