// Loading a script: compaction, finding sections, the CREATE pre-pass with
// arrays, loops and ifs, and the load error.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/text.h"
#include "core/variables.h"
#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

class LoaderTest : public InterpreterTest {};

TEST_F(LoaderTest, Compaction) {
  struct Row {
    const char* in;
    const char* out;
  };
  const Row rows[] = {
      {"PAINT {\r\n  Box(1, 2) ;\r\n}\r\n", "PAINT{Box(1,2);}"},
      {"A{x = \"a  b\" ;}", "A{x=\"a  b\";}"},
      {"A{x=1;// note\r\ny=2;}", "A{x=1;y=2;}"},
      {"A{x=1;// note\ny=2;}\nB{}\n//last", "A{x=1;y=2;}B{}"},  // a lone LF ends a line too
      {"A{x=1;}// x", "A{x=1;}"},
      {"A{s(\"// no comment\");}", "A{s(\"// no comment\");}"},
      {"A{s(\"open", "A{s(\"open"},
      {"\tA\t{ }", "A{}"},
  };
  for (const Row& row : rows) {
    std::string text = row.in;
    CompactProgramText(&text[0]);
    EXPECT_STREQ(text.c_str(), row.out) << row.in;
    // Each kept byte is traced back to a byte of the same value, in order.
    std::vector<int> sources;
    CompactionSources(row.in, &sources);
    ASSERT_EQ(sources.size(), std::strlen(row.out)) << row.in;
    for (size_t i = 0; i < sources.size(); ++i) {
      EXPECT_EQ(row.in[sources[i]], row.out[i]) << row.in << " byte " << i;
      if (i > 0) {
        EXPECT_LT(sources[i - 1], sources[i]) << row.in;
      }
    }
  }
}

TEST_F(LoaderTest, FindSection) {
  SetProgramText("PAINT2{x=1;}PAINT{y=2;}}}X{}stray;Y{}PAINT{z=3;}", 48);
  struct Row {
    const char* name;
    int pos;
  };
  const Row rows[] = {{"PAINT2", 6}, {"PAINT", 17}, {"X", 26}, {"Y", -1}, {"NONE", -1}, {"PAIN", -1}};
  for (const Row& row : rows) {
    error_code = 0;
    EXPECT_EQ(FindSection(row.name), row.pos) << row.name;
    EXPECT_EQ(error_code, row.pos < 0 ? kErrNoSection : 0) << row.name;
  }
}

TEST_F(LoaderTest, ArraysInCreate) {
  struct Row {
    const char* create;
    int code;
  };
  const Row rows[] = {
      {"Data(\"a\",2,3);", 0},
      {"Data(\"a\",255,257);", 0},
      {"x=5;Data(\"x\",2,2);", kErrArrayName},
      {"Data(\"a\",0,5);", kErrBadValue},
      {"Data(\"a\",-1,5);", kErrArrayRange},
      {"Data(\"a\",256,256);", kErrArrayRange},
      {"Data(\"a\",200,200);Data(\"b\",200,200);", kErrArrayRange},
      {"Data(\"a\",255,257);x=1;", kErrMemory},  // all 65535 cells in use
      {"Data(a,2,2);", kErrNoString},
      {"Data(\"a\",2);", kErrFewArgs},
      {"v=1;DataInit(\"v\",3);", kErrNoArray},
      {"DataInit(\"none\",3);", kErrNoArray},
      {"Data(\"a\",2,2);DataInit(\"a\",4);", 0},
  };
  for (const Row& row : rows) {
    std::string script = std::string("CREATE{") + row.create + "}";
    EXPECT_EQ(Load(script.c_str()), row.code) << row.create << " " << error_name;
  }
  ASSERT_EQ(Load("CREATE{Data(\"a\",2,3);DataInit(\"a\",4);a=7;x=a(1,2);}"), 0);
  EXPECT_EQ(Var("a"), 7);
  EXPECT_EQ(Var("x"), 4);
}

TEST_F(LoaderTest, CreateLoopsAndIfs) {
  ASSERT_EQ(Load("CREATE{n=0;loop(4){n=n+1;if(n==2){m=n;}}}"), 0);
  EXPECT_EQ(Var("n"), 4);
  EXPECT_EQ(Var("m"), 2);
}

TEST_F(LoaderTest, LoadErrorNamesCreate) {
  Load("CREATE{Data(\"a\",0,1);}");
  ASSERT_EQ(error_code, kErrBadValue);
  char section[32];
  SectionNameAt(program_text, -1, section, sizeof section);
  EXPECT_STREQ(section, "CREATE");
  EXPECT_EQ(variable_store.values, nullptr);  // freed after the failed pre-pass
  EXPECT_EQ(error_pos, 7);  // the Data statement in the compacted text
}

TEST_F(LoaderTest, ErrorPositionIsTheFailingStatement) {
  const char* script = "CREATE{}\r\nMAIN{x=1;\r\n  loop(2){y=q;}}";
  EXPECT_EQ(Run(script), kErrUndefined);
  EXPECT_EQ(error_pos, static_cast<int>(std::string("CREATE{}MAIN{x=1;loop(2){").size()));
  EXPECT_EQ(Load("CREATE{x=1;}"), 0);
  EXPECT_EQ(error_pos, -1);  // a new load forgets the last run's error
}

}  // namespace
}  // namespace zep
