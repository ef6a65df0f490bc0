// The core's platform calls for the host tests: message boxes, programs,
// help, close requests and (through FakeFileSystem) the files, recorded
// instead of done.
#pragma once

#include <iconv.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/host.h"
#include "tests/doubles/fake_file_system.h"

namespace zep {

struct ShownBox {
  std::string text, title;
  unsigned flags;
};

// Every platform call but the message boxes, of the host and the other test
// doubles, as short texts in the order made. A base of FakeHost, so that the
// list exists before the file system that records into it.
struct CallList {
  std::vector<std::string> calls;
};

class FakeHost : public CallList, public Host, public FakeFileSystem {
 public:
  FakeHost() : FakeFileSystem(&calls) {}

  std::vector<ShownBox> boxes;
  int start_program_result = 33;
  int box_answer = 1;  // the button a message box reports pressed (1 OK, 2 Cancel, 6 Yes, 7 No)
  std::deque<int> box_answers;  // answers for the next boxes, in order, before box_answer
  std::vector<WindowRef> box_owners;
  // Runs once while the next box is shown, as events that its modal loop
  // dispatches (then it is gone, so a box it opens itself does not repeat it).
  std::function<void()> during_box;
  LocalTime now{2026, 12, 7, 5, 4, 3};

  int ShowMessage(WindowRef owner, const char* text, const char* title, unsigned flags) override {
    boxes.push_back({text, title, flags});
    box_owners.push_back(owner);
    if (during_box) {
      std::function<void()> events = std::move(during_box);
      during_box = nullptr;
      events();
    }
    if (box_answers.empty()) return box_answer;
    int answer = box_answers.front();
    box_answers.pop_front();
    return answer;
  }
  LocalTime Now() override { return now; }
  int StartProgram(const char* command_line) override {
    calls.push_back(std::string("StartProgram ") + command_line);
    return start_program_result;
  }
  void OpenHelpIndex(WindowRef, const char* file) override {
    calls.push_back(std::string("OpenHelpIndex ") + file);
  }
  void PostCloseRequest(WindowRef) override { calls.push_back("PostCloseRequest"); }
  void GetWindowTextOf(WindowRef, char* out, size_t cap) override {
    if (cap > 0) out[0] = '\0';
  }
  // Through iconv, as the platform's code page 932 conversion.
  bool ToShiftJis(const std::u16string& text, std::string* out) override {
    return Convert("CP932", "UTF-16LE",
                   std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2), out);
  }
  bool FromShiftJis(const std::string& text, std::u16string* out) override {
    std::string bytes;
    bool ok = Convert("UTF-16LE", "CP932", text, &bytes);
    out->resize(bytes.size() / 2);
    for (size_t i = 0; i < out->size(); ++i) {
      (*out)[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return ok;
  }

 private:
  // What iconv makes of in, as far as it gets; false when it stopped early.
  static bool Convert(const char* to, const char* from, std::string in, std::string* out) {
    iconv_t cd = iconv_open(to, from);
    std::string buffer(in.size() * 2 + 2, '\0');
    char* src = &in[0];
    char* dst = &buffer[0];
    size_t src_left = in.size(), dst_left = buffer.size();
    bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<size_t>(-1);
    iconv_close(cd);
    out->assign(buffer.data(), buffer.size() - dst_left);
    return ok;
  }
};

}  // namespace zep
