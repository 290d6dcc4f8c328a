// Reading the number a text starts with: blanks, tabs and line feeds are dropped wherever
// they stand, "." is always the decimal point, and reading stops at the first character
// that cannot continue the number. Never fails: no number reads as 0, and a magnitude
// beyond double range reads as an infinity, which the arithmetic after it reports.
#include "conversions.h"
#include "decimal_text.h"

#include <limits>
#include <string>

namespace mixora::calc {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

double ParseLeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    std::string plain;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') plain += '-';
        ++i;
    }
    bool point = false;
    std::size_t digits = 0;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            ++digits;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
        plain += s[i];
    }
    if (digits == 0) return 0.0;

    // An exponent counts only with at least one digit: "12e" reads as 12.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t before = exponent.size();
        while (j < s.size() && IsDigit(s[j]))
            exponent += s[j++];
        if (exponent.size() > before) plain += exponent;
    }

    double value = 0.0;
    switch (ReadPlainDecimal(plain, value)) {
    case DecimalReading::Value: return value;
    case DecimalReading::TooLarge:
        return plain.front() == '-' ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    case DecimalReading::Malformed: break;
    }
    return 0.0;
}

} // namespace mixora::calc
