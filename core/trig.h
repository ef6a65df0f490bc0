// Sine and cosine of an angle in radians, the same bits on every platform.
// The libraries differ: glibc rounds correctly, MinGW's runtime goes through
// the x87 unit and costs three times as much. Within two units in the last
// place of a correctly rounded double, so that the 32-bit results a script
// sees are those of the correctly rounded sine and cosine.
#pragma once

namespace zep {

double Sine(double x);
double Cosine(double x);

}  // namespace zep
