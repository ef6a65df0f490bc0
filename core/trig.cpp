#include "core/trig.h"

#include <cmath>
#include <cstdint>

namespace zep {

namespace {

// pi/2 in three parts: the first two of 33 significant bits each, so that
// k times either is exact for k below 2^20, and the rest.
constexpr double kHalfPiHigh = 0x1.921fb544p+0;
constexpr double kHalfPiMiddle = 0x1.0b4611a6p-34;
constexpr double kHalfPiLow = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Beyond this the reduction above is no longer exact enough; such angles
// (and infinities and NaNs) go to the library.
constexpr double kReducible = 0x1p19 * kHalfPiHigh;

// The angle as r + k * pi/2 with |r| <= pi/4 (a little more after rounding).
double Reduce(double x, int32_t* k) {
  double n = x * kTwoOverPi;
  *k = static_cast<int32_t>(n >= 0 ? n + 0.5 : n - 0.5);
  double kd = *k;
  return ((x - kd * kHalfPiHigh) - kd * kHalfPiMiddle) - kd * kHalfPiLow;
}

// Taylor series to the 17th and 16th powers: on |r| <= pi/4 the first term
// left out is below 2^-60 of the result.
double SineNear(double r) {
  double z = r * r;
  double p = 1.0 / 355687428096000.0;        //  1/17!
  p = p * -z + 1.0 / 1307674368000.0;        //  1/15!, the signs in -z
  p = p * -z + 1.0 / 6227020800.0;           //  1/13!
  p = p * -z + 1.0 / 39916800.0;             //  1/11!
  p = p * -z + 1.0 / 362880.0;               //  1/9!
  p = p * -z + 1.0 / 5040.0;                 //  1/7!
  p = p * -z + 1.0 / 120.0;                  //  1/5!
  p = p * -z + 1.0 / 6.0;                    //  1/3!
  return r - r * z * p;
}

double CosineNear(double r) {
  double z = r * r;
  double p = 1.0 / 20922789888000.0;         //  1/16!
  p = p * -z + 1.0 / 87178291200.0;          //  1/14!
  p = p * -z + 1.0 / 479001600.0;            //  1/12!
  p = p * -z + 1.0 / 3628800.0;              //  1/10!
  p = p * -z + 1.0 / 40320.0;                //  1/8!
  p = p * -z + 1.0 / 720.0;                  //  1/6!
  p = p * -z + 1.0 / 24.0;                   //  1/4!
  double half = 0.5 * z;
  double w = 1.0 - half;
  // 1 - z/2 + z^2 p, with what the first subtraction dropped put back.
  return w + (((1.0 - w) - half) + z * z * p);
}

}  // namespace

double Sine(double x) {
  if (!(std::fabs(x) < kReducible)) return std::sin(x);
  int32_t k = 0;
  double r = Reduce(x, &k);
  switch (k & 3) {
    case 0: return SineNear(r);
    case 1: return CosineNear(r);
    case 2: return -SineNear(r);
    default: return -CosineNear(r);
  }
}

double Cosine(double x) {
  if (!(std::fabs(x) < kReducible)) return std::cos(x);
  int32_t k = 0;
  double r = Reduce(x, &k);
  switch (k & 3) {
    case 0: return CosineNear(r);
    case 1: return -SineNear(r);
    case 2: return -CosineNear(r);
    default: return SineNear(r);
  }
}

}  // namespace zep
