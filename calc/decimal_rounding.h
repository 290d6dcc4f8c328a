#pragma once
// Values as an engineer writes them down in the JGJ 55-2011 design and the trial: rounded half
// away from zero on the decimal value a double stands for, and every later step uses the
// written value. (The cement sheet keeps its own conversions, conversions.h.)
//
// The decimal value of a double is its decimal to 12 significant digits, as a desk calculator
// carries it: a value typed or taken from a table rounds as it was written (1.005 to 2 places is
// 1.01, 2.4999999995 to 0 places is 2), and a computed one sheds the binary noise of its last
// places (1.15 × 45 is 51.74999999999999 in binary and 51.75 written down, so 51.8 to 1 place;
// (26.4 − 25.76) ÷ 10.24 is 0.062499999999999667 and 0.0625, so 0.063 to 3 places). A value of
// more than 12 significant digits is taken to 12 first.
#include <string>

namespace mixora::calc {

// x to `decimals` places (0 … 20), half away from zero; never -0. A value that is not finite
// stays as it is.
double RoundShown(double x, int decimals);

// The smallest value with `decimals` places that is not below x ("slightly above": 2.131 to 2
// places is 2.14, 2.13 stays).
double RoundUp(double x, int decimals);

// RoundShown(x, decimals) written with exactly `decimals` places and "." ("0.47", "6.90",
// "174"); never "-0.00"; "—" for a value that is not finite.
std::string FormatFixed(double x, int decimals);

// The shortest text without an exponent that reads back as x exactly, for a value as it was
// given rather than as a step shows it: 1e-7 → "0.0000001", 0.12345678912 → "0.12345678912",
// 1.2e29 → "120000000000000000000000000000"; never "-0"; "—" for a value that is not finite.
std::string ExactText(double x);

} // namespace mixora::calc
