#pragma once
// The number a field or a cell shows, read exactly as a decimal, so that a report compares and
// multiplies what the user sees and not a binary approximation of it, and a cell bound for a
// spreadsheet that is such a number stays one (formula_guard.h). A text that is not a number
// gives no value and a reason, never a guess.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::page {

// coefficient × 10^exponent, negative when negative is set; the coefficient has no trailing
// zeros (zero is 0 × 10^0 and never negative).
struct ShownNumber {
    bool negative = false;
    std::uint64_t coefficient = 0;
    int exponent = 0;

    friend bool operator==(const ShownNumber&, const ShownNumber&) = default;
};

enum class NumberProblem {
    Empty,         // the text is empty
    NotANumber,    // not a number as a whole
    TooManyDigits, // more than 19 significant digits, or an exponent beyond ±400
};

struct ShownReading {
    std::optional<ShownNumber> number;
    NumberProblem problem = NumberProblem::Empty; // when there is no number
};

// The strict reading of a shown text: blanks around it, an optional "-" or "+", digits with
// an optional "." and fraction, the digits before the point optionally grouped by "," in
// threes as the Chinese (PRC) number settings write them ("1,234.50"), and an optional
// exponent "E+07" / "e-5". Nothing else: "0,52", "1 80", "12abc", "inf" are not numbers.
ShownReading ReadShownNumber(std::string_view text);

// Why a text gives no number, in Chinese, naming it by its caption: "水灰比为空".
std::string ProblemText(std::string_view caption, std::string_view text, NumberProblem problem);

// −1, 0 or 1 as a is below, equal to or above b, exactly.
int Compare(const ShownNumber& a, const ShownNumber& b);

// a × b ÷ 1000 rounded to hundredths, half away from zero on the exact decimal value, written
// with exactly two decimals and "." ("6.92", "-0.50", never "-0.00"); no value when the
// result does not fit 19 digits.
std::optional<std::string> ThousandthOfProductToHundredths(const ShownNumber& a,
                                                           const ShownNumber& b);

// The number of a literal known to be one ("0.60"), for tables.
ShownNumber LiteralNumber(std::string_view text);

} // namespace mixora::page
