// The sine and cosine of the built-in sin and cos: each quadrant and sign,
// the angles the library is left to, and the 32-bit values a script sees,
// which are those of the host library's correctly rounded results.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "core/trig.h"

namespace zep {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = 0.01745329251994;  // as sin and cos take degrees

TEST(TrigRows, QuadrantsSignsAndTheLibrarysAngles) {
  struct Row {
    double x, sine, cosine;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {0, 0, 1},
      {kPi / 6, 0.5, std::sqrt(3.0) / 2},
      {kPi / 2, 1, 0},
      {2 * kPi / 3, std::sqrt(3.0) / 2, -0.5},
      {kPi, 0, -1},
      {4 * kPi / 3, -std::sqrt(3.0) / 2, -0.5},
      {3 * kPi / 2, -1, 0},
      {-kPi / 6, -0.5, std::sqrt(3.0) / 2},
      {-5 * kPi / 6, -0.5, -std::sqrt(3.0) / 2},
      {1000 * kPi + kPi / 6, 0.5, std::sqrt(3.0) / 2},
      {1e12, std::sin(1e12), std::cos(1e12)},  // beyond the reduction: the library's
  };
  for (const Row& row : rows) {
    EXPECT_NEAR(Sine(row.x), row.sine, 1e-12) << row.x;
    EXPECT_NEAR(Cosine(row.x), row.cosine, 1e-12) << row.x;
  }
  EXPECT_TRUE(std::isnan(Sine(inf)));
  EXPECT_TRUE(std::isnan(Cosine(-inf)));
  EXPECT_TRUE(std::isnan(Sine(std::nan(""))));
}

// Every whole degree a script is likely to use, tenths of a degree, and
// random angles: the 32-bit value is the library's.
TEST(TrigRows, ThirtyTwoBitValuesAreTheLibrarys) {
  int mismatches = 0;
  auto check = [&](float degrees) {
    double x = degrees * kDegree;
    if (static_cast<float>(Sine(x)) != static_cast<float>(std::sin(x)) ||
        static_cast<float>(Cosine(x)) != static_cast<float>(std::cos(x))) {
      if (++mismatches <= 5) ADD_FAILURE() << "at " << degrees << " degrees";
    }
  };
  for (int i = -400000; i <= 400000; ++i) check(static_cast<float>(i));
  for (int i = -36000; i <= 36000; ++i) check(i * 0.1f);
  std::mt19937 random(7);
  std::uniform_real_distribution<float> wide(-3e7f, 3e7f);
  for (int i = 0; i < 200000; ++i) check(wide(random));
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace zep
