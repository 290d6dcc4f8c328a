#pragma once
// Values as an engineer writes them down: rounded half away from zero at a fixed number of
// decimals, and every later step works with the written value.
#include <string>

namespace mixora::jgj55 {

// x rounded half away from zero to `decimals` places. A decimal half that binary cannot hold
// exactly (1.025 is 1.02499999…) still rounds up, as it does by hand.
double RoundShown(double x, int decimals);

// x with exactly `decimals` places and "." ("0.47", "4.44", "174"); never "-0".
std::string FormatFixed(double x, int decimals);

// A value the user gave, with at least `decimals` places and as many more as it needs to be
// shown exactly (σ 4 → "4.0", γf 0.855 → "0.855"), up to six more.
std::string FormatGiven(double x, int decimals);

} // namespace mixora::jgj55
