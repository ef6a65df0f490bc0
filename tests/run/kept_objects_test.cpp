// The kept drawing objects: one object per key, made once; the oldest given
// back when the set is full; every one given back at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/kept_objects.h"

namespace zep {
namespace {

struct Log {
  std::vector<std::string> calls;
  int next = 1;
};

TEST(KeptObjectsTest, MakesEachKeyOnceAndGivesTheOldestBack) {
  Log log;
  KeptObjects<int, 3> kept;
  auto make = [&](uint32_t key) {
    log.calls.push_back("make " + std::to_string(key));
    return log.next++;
  };
  auto release = [&](int object) { log.calls.push_back("release " + std::to_string(object)); };
  struct Step {
    uint32_t key;
    int object;
  };
  const Step kSteps[] = {
      {10, 1}, {20, 2}, {10, 1}, {30, 3}, {20, 2},  // three keys fit: nothing made twice
      {40, 4},                                     // full: the oldest (10's) goes
      {20, 2}, {10, 5},                            // 10 is made again in the next oldest place
  };
  for (const Step& s : kSteps) EXPECT_EQ(kept.Get(s.key, make, release), s.object) << s.key;
  EXPECT_EQ(kept.count(), 3);
  kept.Clear(release);
  EXPECT_EQ(kept.count(), 0);
  const std::vector<std::string> want = {"make 10",   "make 20",   "make 30", "release 1",
                                         "make 40",   "release 2", "make 10", "release 4",
                                         "release 5", "release 3"};
  EXPECT_EQ(log.calls, want);
}

}  // namespace
}  // namespace zep
