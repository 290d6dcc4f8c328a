#pragma once
// Doubles written as text for every layer, on the C library's exactly rounded printf (mingw-w64's
// own, not the system's, on Windows): they give what <charconv>'s writers give for doubles, whose
// tables would be a twelfth of the program.
// Texts are in the C locale, "." before the decimals; "inf", "-inf", "nan" and "-nan" for a
// value that is not finite.
#include <string>

namespace mixora::calc {

// x with `decimals` places (0 … 400): its binary value rounded to the nearest, a tie to the
// even digit ("0.12" for 0.125, "2.67" for 2.675, which binary holds a hair below); "-0.00"
// for a negative value that rounds to zero.
std::string FixedText(double x, int decimals);

// x as "d.ddde±dd" with `decimals` digits after the point (0 … 400), rounded as FixedText
// rounds: 1234.5 with 2 is "1.23e+03"; the exponent has two digits at least.
std::string ScientificText(double x, int decimals);

// The fewest significant digits that read back as |x| (finite, not zero) and the power of ten
// of the first: 0.001 is {"1", -3}; of two as short, the nearer to x.
struct ShortestDigits {
    std::string digits;
    int power = 0;
};
ShortestDigits ShortestDigitsOf(double x);

// The shortest text that reads back as x: with the shortest digits in fixed notation or with
// an exponent, whichever is shorter, fixed when both are as long ("0.001", "1e-04", "1e+05",
// "123456"; a whole number beyond the digits is written out exactly); "0" or "-0" for zero.
std::string ShortestText(double x);

// The double nearest to a number in the plain form (decimal_text.h), a tie to the even one: what
// strtod reads, set right where mingw-w64's takes the wrong side of a power of two.
double NearestDouble(const std::string& plain);

} // namespace mixora::calc
