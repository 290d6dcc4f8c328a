#pragma once
// Values as an engineer writes them down: rounded half away from zero at a fixed number of
// decimals (the one rounding, calc/decimal_rounding.h), and every later step works with the
// written value.
#include "decimal_rounding.h"

#include <string>

namespace mixora::jgj55 {

using calc::ExactText;
using calc::FormatFixed; // "0.47", "4.44", "174"
using calc::RoundShown;

// A value the user gave, with at least `decimals` places and as many more as it needs to be
// shown exactly (σ 4 → "4.0", γf 0.855 → "0.855"); a value of more places is written with every
// place it has (0.12345678912), never rounded.
std::string FormatGiven(double x, int decimals);

} // namespace mixora::jgj55
