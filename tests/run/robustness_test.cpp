// Scripts made of random pieces of the language must never crash, hang or
// overrun a buffer (the host build runs under AddressSanitizer and UBSan):
// each either runs or stops with one of the known error codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

#include "core/errors.h"
#include "core/exec.h"
#include "tests/run/random_scripts.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class RobustnessTest : public RunTest {};

TEST_F(RobustnessTest, RandomScriptsFailCleanly) {
  const int known[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                       16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 30, 40, 41, 42, 44};
  std::mt19937 rng(20261207);
  for (int i = 0; i < 3000; ++i) {
    std::string script = "CREATE{" + RandomBody(&rng, 8) + "}MAIN{" + RandomBody(&rng, 30) +
                         "}S{" + RandomBody(&rng, 10) + "}";
    SCOPED_TRACE(script);
    error_code = 0;
    int code = Load(script.c_str());
    if (code == 0) {
      RunSection(reinterpret_cast<WindowRef>(1), "MAIN");
      code = error_code;
    }
    EXPECT_NE(std::find(std::begin(known), std::end(known), code), std::end(known)) << code;
  }
}

}  // namespace
}  // namespace zep
