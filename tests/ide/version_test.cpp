// One version everywhere: the version dialog's text is the version of the
// program's version resource (resources/version.h), which also names the
// release (tools/make-release reads the same header).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "resources/version.h"

namespace zep {
namespace {

std::string RepositoryFile(const std::string& path) {
  std::ifstream in(std::string(ZEP_SOURCE_DIR) + "/" + path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(Version, TheVersionDialogShowsTheProgramsVersion) {
  std::string rc = RepositoryFile("resources/assist.rc");
  const std::string lead = "LTEXT \" ZEP version ";
  size_t at = rc.find(lead);
  ASSERT_NE(at, std::string::npos);
  at += lead.size();
  EXPECT_EQ(rc.substr(at, rc.find('"', at) - at), ZEP_VERSION_TEXT);
}

}  // namespace
}  // namespace zep
