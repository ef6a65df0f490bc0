// Scripts of random pieces must never crash, hang or overrun a buffer (the
// host build runs under AddressSanitizer and UBSan), and each either runs or
// stops with one of the known error codes. And the statement cache changes
// nothing a script can see. Each random script
// runs without the cache and with it, and everything observable must be
// the same: the variable store (names, sizes, every cell bit for bit), the
// error code, name and position, ANSWER and function_result, the error
// boxes, and every platform call in order.
//
// ZEP_DIFF_SCRIPTS=N runs N scripts of each kind (default 1500 + 1500),
// ZEP_DIFF_SEED=S another sequence; ZEP_DIFF_SHOW=CODE prints the scripts
// that stop with that error code (to see what the generator makes), and
// ZEP_DIFF_DUMP=FILE appends every script with both outcomes to FILE (two
// builds' files compare a change of the interpreter with the code before it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>
#include <random>
#include <string>

#include "core/errors.h"
#include "core/exec.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
#include "core/statement_cache.h"
#include "core/variables.h"
#include "tests/run/random_scripts.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

int EnvNumber(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' ? std::atoi(v) : fallback;
}

// Everything a run leaves that a script or its user can see.
struct Outcome {
  std::string store, error, calls;
  bool operator==(const Outcome& o) const {
    return store == o.store && error == o.error && calls == o.calls;
  }
};

std::string Bits(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return std::to_string(bits);
}

std::string DescribeStore() {
  std::string s;
  for (int i = 0; i < variable_store.variable_count; ++i) {
    s += std::string(VariableName(i)) + "[" + std::to_string(variable_store.rows[i]) + "x" +
         std::to_string(variable_store.cols[i]) + "]";
    size_t cells = static_cast<size_t>(variable_store.rows[i]) * variable_store.cols[i];
    for (size_t c = 0; c < cells; ++c) s += " " + Bits(VariableCells(i)[c]);
    s += "\n";
  }
  return s + "ANSWER " + std::to_string(run_state.answer) + " result " + Bits(run_state.function_result);
}

class StatementCacheTest : public RunTest {
 protected:
  void TearDown() override {
    statement_cache_enabled = true;
    RunTest::TearDown();
  }

  // Loads the script, opens the window and runs MAIN, T and MAIN again (the
  // second pass meets the statements the first one cached).
  Outcome RunScript(const std::string& script, bool cached) {
    statement_cache_enabled = cached;
    // What a run keeps from the one before starts the same for both.
    FreeRunParts(kWindow);
    host_.ForgetFiles();
    run_state.answer = 0;
    run_state.function_result = 0;
    canvas_.calls.clear();
    host_.calls.clear();
    host_.boxes.clear();
    error_code = 0;
    int code = Load(script.c_str());
    if (code == 0) {
      OnRunCreate(kWindow);
      for (const char* section : {"MAIN", "T", "MAIN"}) RunSection(kWindow, section);
    }
    Outcome o;
    o.store = DescribeStore();
    o.error = std::to_string(error_code) + " " + error_name + " @" + std::to_string(error_pos);
    for (const std::string& c : canvas_.calls) o.calls += c + "\n";
    for (const std::string& c : host_.calls) o.calls += c + "\n";
    for (const auto& box : host_.boxes) o.calls += "box " + box.text + "\n";
    return o;
  }

  // Runs count scripts of make both ways; gives how many differed. Counts
  // the error codes of the runs and the statements the cache held.
  template <class Make>
  int Compare(int count, Make make) {
    int differed = 0;
    for (int i = 0; i < count && differed < 5; ++i) {
      std::string script = make();
      Outcome old_path = RunScript(script, false);
      Outcome cached = RunScript(script, true);
      if (const char* dump = std::getenv("ZEP_DIFF_DUMP")) {
        std::ofstream(dump, std::ios::app) << "@@@ " << script << "\n" << old_path.error << "\n"
                                           << old_path.store << "\n" << old_path.calls
                                           << "\n%%% " << cached.error << "\n" << cached.store
                                           << "\n" << cached.calls << "\n";
      }
      ++codes_[error_code];
      const char* show = std::getenv("ZEP_DIFF_SHOW");
      if (show != nullptr && error_code == std::atoi(show)) {
        std::printf("%s\n%s\n", script.c_str(), error_name);
      }
      cached_statements_ += StatementCacheCount();
      if (old_path == cached) continue;
      ++differed;
      ADD_FAILURE() << "script: " << script << "\nwithout the cache:\n" << old_path.error << "\n"
                    << old_path.store << "\n" << old_path.calls << "\nwith it:\n" << cached.error
                    << "\n" << cached.store << "\n" << cached.calls;
    }
    return differed;
  }

  // Every run ended with no error or a code the language has.
  void ExpectKnownCodes() {
    const int known[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                         16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 30, 40, 41, 42, 44};
    for (int c = 0; c < 256; ++c) {
      if (codes_[c] == 0) continue;
      EXPECT_NE(std::find(std::begin(known), std::end(known), c), std::end(known)) << c;
    }
  }

  void PrintCodes() {
    std::printf("error codes:");
    for (int c = 0; c < 256; ++c) {
      if (codes_[c] != 0) std::printf(" %d:%d", c, codes_[c]);
    }
    std::printf("; statements cached: %ld\n", cached_statements_);
  }

  int codes_[256] = {};
  long cached_statements_ = 0;
};

// A new run's text at the same positions means something else: nothing of
// the last run's cache may be used.
TEST_F(StatementCacheTest, ANewRunDropsTheCache) {
  ASSERT_EQ(Run("MAIN{x=1;y=x+1;loop(2){x=x*3;}}"), 0);
  EXPECT_EQ(Var("y"), 2);
  EXPECT_EQ(Var("x"), 9);
  ASSERT_EQ(Run("MAIN{y=5;x=y+2;loop(3){y=y-1;}}"), 0);
  EXPECT_EQ(Var("x"), 7);
  EXPECT_EQ(Var("y"), 2);
  EXPECT_GT(StatementCacheCount(), 0);
}

// The cache is bounded by the program's size: every statement of a text
// cached at once holds at most kBytesPerByte bytes per byte of text. Prints
// the sizes for the largest example and for a 32,768-byte script.
TEST_F(StatementCacheTest, HoldsAtMostAFixedNumberOfBytesPerByteOfText) {
  constexpr size_t kBytesPerByte = 96;
  std::string example;
  std::ifstream in(std::string(ZEP_SOURCE_DIR) + "/examples/memo.zep", std::ios::binary);
  example.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  ASSERT_FALSE(example.empty());
  std::mt19937 rng(32768);
  std::string big = "MAIN{";
  while (big.size() < 32768 - 64) big += RandomScript(&rng).substr(0, 400) + ";";
  big += "}";
  big.resize(32768, ' ');
  for (const auto& [label, text] : {std::pair<const char*, const std::string&>{"memo.zep", example},
                                   {"32768-byte script", big}}) {
    Load(text.c_str());
    error_code = 0;
    int count = FillEveryStatement();
    size_t length = std::strlen(program_text), bytes = StatementCacheBytes();
    std::printf("%s: %zu bytes of compacted text, %d statements, %zu bytes of cache\n", label,
                length, count, bytes);
    EXPECT_GT(count, 10);
    EXPECT_LE(bytes, kBytesPerByte * length + 4096) << label;
  }
}

TEST_F(StatementCacheTest, GrammarScriptsRunTheSameWithAndWithoutTheCache) {
  std::mt19937 rng(static_cast<unsigned>(EnvNumber("ZEP_DIFF_SEED", 20261207)));
  int count = EnvNumber("ZEP_DIFF_SCRIPTS", 1500);
  EXPECT_EQ(Compare(count, [&] { return RandomScript(&rng); }), 0);
  std::printf("%d grammar scripts compared; ", count);
  PrintCodes();
  ExpectKnownCodes();
  // Most grammar scripts run far enough for their statements to be cached.
  EXPECT_GT(codes_[0], count / 5);
  EXPECT_GT(cached_statements_, 5L * count);
}

TEST_F(StatementCacheTest, RandomPiecesRunTheSameWithAndWithoutTheCache) {
  std::mt19937 rng(static_cast<unsigned>(EnvNumber("ZEP_DIFF_SEED", 20261207)) + 1);
  int count = EnvNumber("ZEP_DIFF_SCRIPTS", 1500);
  EXPECT_EQ(Compare(count, [&] {
              return "CREATE{" + RandomBody(&rng, 8) + "}MAIN{" + RandomBody(&rng, 30) + "}S{" +
                     RandomBody(&rng, 10) + "}T{" + RandomBody(&rng, 6) + "}";
            }),
            0);
  std::printf("%d scripts of random pieces compared; ", count);
  PrintCodes();
  ExpectKnownCodes();
}

}  // namespace
}  // namespace zep
