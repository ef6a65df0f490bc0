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
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class RobustnessTest : public RunTest {};

const char* const kPieces[] = {
    "x", "y", "a", "=", "+", "-", "*", "/", "%", "(", ")", ",", ";", "{", "}", "\"",
    "1", "0", "2.5", "1e3", "-", "loop(", "if(", "==", "<", ">=", "call(\"S\")", "return",
    "end", "sin(", "rand(", "abs(", "a(1,1)", "Data(\"a\",2,2)", "DataInit(\"a\",", "Box(",
    "Print(", "PrintData(", "SetPal(", "SelectScreen(", "CopyBMP(", "\"txt\"", "日本", "\x81",
    "MOUSE_X", "PI", "WinHelp(\"h\")", "SetCaption(\"c\")", "//", "\r\n", " ",
    "CreateControl(101,\"\",\"ID_e\",0,0,9,9)", "SetEditText(\"ID_e\",", "GetEditCode(\"ID_e\",",
    "SearchEditText(\"ID_e\",", "GetEditText(\"ID_e\",", "OpenFileWrite(\"f\")", "WriteFile(",
    "ReadFile(", "CloseFile", "DlgBox(\"D\")", "MessBox(\"m\",\"t\",", "GetFileName(\"ID_e\",",
    "Create3DPack(0,", "Add3DPack(0,0,0,0,9,0,0,0,9,0,", "Draw3DPack(0)", "Set3DCenter(",
    "Set3DLocalRotateX(0,", "Set3DLocalPosZ(0,", "Save3DPack(0)", "Load3DPack(0)",
};

std::string RandomBody(std::mt19937* rng, int length) {
  std::uniform_int_distribution<size_t> pick(0, sizeof kPieces / sizeof kPieces[0] - 1);
  std::string body;
  for (int i = 0; i < length; ++i) body += kPieces[pick(*rng)];
  return body;
}

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
