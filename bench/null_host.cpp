#include "bench/null_host.h"

#ifndef _WIN32
#include <iconv.h>
#endif

#include <cstdio>
#include <string>

namespace zep {

namespace {

// The Shift-JIS text as UTF-8 for the terminal; unchanged when the C
// library can't convert it (or, on Windows, has no converter).
std::string ToUtf8(const char* text) {
  std::string in = text ? text : "";
#ifdef _WIN32
  return in;
#else
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  std::string out(in.size() * 3 + 1, '\0');
  char* src = &in[0];
  size_t src_left = in.size();
  char* dst = &out[0];
  size_t dst_left = out.size();
  size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return in;
  out.resize(out.size() - dst_left);
  return out;
#endif
}

}  // namespace

int NullHost::ShowMessage(WindowRef, const char* text, const char* title, unsigned) {
  ++messages_shown;
  std::fprintf(stderr, "[message box] %s: %s\n", ToUtf8(title).c_str(), ToUtf8(text).c_str());
  return 1;  // the OK button
}

}  // namespace zep
