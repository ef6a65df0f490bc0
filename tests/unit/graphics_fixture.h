// The fixture of the graphics tests: an interpreter with a recording canvas
// and a run window that has gone through its opening steps.
#pragma once

#include <string>

#include "core/errors.h"
#include "core/exec.h"
#include "graphics/palette.h"
#include "runtime/events.h"
#include "tests/unit/fake_canvas.h"
#include "tests/unit/fake_host.h"

namespace zep {

class GraphicsTest : public InterpreterTest {
 protected:
  void SetUp() override {
    InterpreterTest::SetUp();
    canvas = &canvas_;
    ResetPalette();
  }
  void TearDown() override {
    EXPECT_EQ(canvas_.open_fronts, 0) << "a client-area context was not given back";
    canvas = nullptr;
    InterpreterTest::TearDown();
  }

  // Loads "CREATE{create}MAIN{body}", opens the window (palette reset, back
  // screen) and runs MAIN. Gives the error code; canvas_.calls then holds only
  // the calls made by MAIN.
  int RunBody(const std::string& body, const std::string& create = "") {
    std::string script = "CREATE{" + create + "}\r\nMAIN{" + body + "}\r\n";
    int code = Load(script.c_str());
    if (code != 0) return code;
    OnRunCreate(kWindow);
    canvas_.calls.clear();
    RunSection(kWindow, "MAIN");
    return error_code;
  }

  // The section made exactly the one canvas call given, or none when call is empty.
  void ExpectOnlyCall(const char* call) {
    if (call[0] == '\0') {
      EXPECT_TRUE(canvas_.calls.empty()) << canvas_.Last();
    } else {
      ASSERT_EQ(canvas_.calls.size(), 1u);
      EXPECT_EQ(canvas_.calls[0], call);
    }
  }

  static inline const WindowRef kWindow = reinterpret_cast<WindowRef>(0x1234);
  FakeCanvas canvas_;
};

}  // namespace zep

namespace zep {

// A table row's name for test listings: its script text with every byte
// that is not a letter or digit shown as '_', so that test runners can use it.
inline std::string RowName(const char* text) {
  std::string name;
  for (const char* p = text; *p != '\0' && name.size() < 48; ++p) {
    bool plain = (*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z');
    name += plain ? *p : '_';
  }
  return name;
}

}  // namespace zep
