#pragma once
// Decimal numbers as text. Every reader of a number goes through ScanDecimal, which finds the
// parts of a number where a text starts: an optional sign, whole digits (optionally with a
// group separator between two of them), a decimal separator with fraction digits, and an
// exponent "e"/"E" with an optional sign and at least one digit. Each reader decides what it
// accepts around them. The one plain form a number is brought to before it is converted (an
// optional "-", ASCII digits with at most one ".", an optional exponent) never holds "inf",
// "nan", hexadecimal or a locale's separators.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::calc {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a number may be written with.
struct DecimalSyntax {
    std::string_view decimal = ".";
    std::string_view group;   // taken only between two digits of the whole part; empty: none
    bool leading_sign = true; // a "+" or "-" before the digits
};

// The parts of a number as written, views into the scanned text.
struct DecimalParts {
    bool negative = false;
    std::string_view whole;    // digits with the group separators between them
    bool point = false;        // the decimal separator was written
    std::string_view fraction; // digits after the decimal separator
    std::string_view exponent; // the exponent's sign as written and its digits; empty: none
    std::size_t length = 0;    // characters the number takes from the start of the text
};

// The longest number at the start of a text; nothing when no digit comes before or right after
// the decimal separator. An exponent without digits is not part of the number: "12e" is 12
// followed by "e".
std::optional<DecimalParts> ScanDecimal(std::string_view text, const DecimalSyntax& syntax);

// The plain form of the parts, the group separator taken out: "-1234.5e+3".
std::string PlainDecimal(const DecimalParts& parts, std::string_view group);

enum class DecimalReading {
    Value,     // read; a magnitude below the type's smallest one reads as a signed zero
    TooLarge,  // a magnitude beyond the type's range
    Malformed, // not in the plain form
};

DecimalReading ReadPlainDecimal(std::string_view plain, float& value);
DecimalReading ReadPlainDecimal(std::string_view plain, double& value);

} // namespace mixora::calc
