#pragma once
// Numbers as the trial records show them: every rounding is half away from zero on the decimal
// value a result stands for, and the next step uses the rounded value; every entry is read by
// the one reader of typed numbers.
#include "decimal_rounding.h"
#include "input_ranges.h"
#include "typed_number.h"

#include <string>
#include <string_view>

namespace mixora::trial {

// The one rounding (calc/decimal_rounding.h), by the names the trial's code uses: Round(x, 2),
// RoundUp(x, 2) and Fixed(6.9, 2) ("6.90").
inline constexpr auto& Round = calc::RoundShown;
using calc::RoundUp;
inline constexpr auto& Fixed = calc::FormatFixed;

// The shortest text that reads back as x, for values as entered: 40 → "40", 22.25 → "22.25".
std::string Plain(double x);

// A value as the user typed it ("1.0", not "1"), without the blanks around it.
std::string TypedText(std::string_view text);

// a exceeds b by more than the tolerance Round uses: equal up to binary noise is not more.
bool Exceeds(double a, double b);

// A user's entry read as a number (calc/typed_number.h): no value and a reason naming the entry
// by its caption when it holds none.
using Reading = calc::TypedNumber;
inline constexpr auto& ReadNumber = calc::ReadTypedNumber;

// ReadNumber that also holds the value to the range a real trial can have (input_ranges.h):
// "实测坍落度“1000”须在 0～300 mm 之间（坍落度筒高 300 mm）".
Reading ReadInRange(std::string_view text, std::string_view caption,
                    const jgj55::InputRange& range);

} // namespace mixora::trial
