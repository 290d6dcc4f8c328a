#pragma once
// Numbers as the trial records show them: every rounding is half away from zero on the decimal
// value a result stands for, and the next step uses the rounded value.
#include <optional>
#include <string>
#include <string_view>

namespace mixora::trial {

// x to `decimals` places (0 … 15), half away from zero. A product of short decimals lands a
// hair beside its exact half in binary; a tolerance far below any shown digit puts it back.
double Round(double x, int decimals);

// The smallest value with `decimals` places that is not below x ("slightly above": 2.131 →
// 2.14, 2.13 stays).
double RoundUp(double x, int decimals);

// Exactly `decimals` places with ".", never "-0.00": Fixed(6.9, 2) is "6.90".
std::string Fixed(double x, int decimals);

// The shortest text that reads back as x, for values as entered: 40 → "40", 22.25 → "22.25".
std::string Plain(double x);

// a exceeds b by more than the tolerance Round uses: equal up to binary noise is not more.
bool Exceeds(double a, double b);

// A user's entry read as a number: blanks around it, an optional sign, digits with an optional
// "." and fraction. Anything else gives no value and a reason naming the entry by its caption.
struct Reading {
    std::optional<double> value;
    std::string problem; // "砂含水率未填写", "砂含水率“abc”不是数字"
};
Reading ReadNumber(std::string_view text, std::string_view caption);

// ReadNumber that also asks for a value above zero, or at least zero.
Reading ReadPositive(std::string_view text, std::string_view caption);
Reading ReadNotNegative(std::string_view text, std::string_view caption);

} // namespace mixora::trial
