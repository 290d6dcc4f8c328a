// Writing numbers into field texts, by the user's regional settings.
//
// FormatFixed2 rounds the exact binary value to the nearest hundredth (a value exactly
// halfway, such as 0.125, goes to the even hundredth) and never shows a negative zero.
// FormatSingle rounds to seven significant digits and drops trailing zeros; from 10^7 up and
// below 10^-4 it switches to exponent form, "1.234568E+07", "1E-05". Both write only what
// ParseSingle reads back as the number shown. Non-finite values, which no step ever writes
// (every result is checked first), come out as "inf", "-inf" or "nan".
#include "conversions.h"
#include "double_text.h"
#include "grouping.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace mixora::calc {

namespace {

std::string_view DecimalOf(const NumberFormat& format) {
    return format.decimal.empty() ? std::string_view(".") : format.decimal;
}

std::string_view NegativeSignOf(const NumberFormat& format) {
    return format.negative_sign.empty() ? std::string_view("-") : format.negative_sign;
}

// The regional form of a negative number around its magnitude.
std::string Negative(const std::string& magnitude, const NumberFormat& format) {
    const std::string sign(NegativeSignOf(format));
    switch (format.negative_order) {
    case 0: return "(" + magnitude + ")";
    case 2: return sign + " " + magnitude;
    case 3: return magnitude + sign;
    case 4: return magnitude + " " + sign;
    default: return sign + magnitude;
    }
}

template <class T> std::string NonFinite(T value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

} // namespace

std::string FormatFixed2(double value, const NumberFormat& format) {
    if (!std::isfinite(value)) return NonFinite(value);
    const std::string fixed = FixedText(std::fabs(value), 2);
    const std::string_view digits(fixed);
    const std::size_t point = digits.find('.');

    std::string text = GroupDigits(digits.substr(0, point), format);
    text += DecimalOf(format);
    text += digits.substr(point + 1);
    const bool shows_zero = digits.find_first_not_of("0.") == std::string_view::npos;
    return std::signbit(value) && !shows_zero ? Negative(text, format) : text;
}

std::string FormatSingle(float value, const NumberFormat& format) {
    if (!std::isfinite(value)) return NonFinite(value);
    if (value == 0.0f) return "0";

    // "d.dddddde±xx": seven significant digits, the exponent after rounding.
    const std::string scientific = ScientificText(std::fabs(value), 6);
    const std::string_view sci(scientific);
    const std::size_t e = sci.find('e');
    std::string digits = std::string(sci.substr(0, 1)) + std::string(sci.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    static_cast<void>(
        std::from_chars(sci.data() + e + 2, sci.data() + sci.size(), exponent)); // after "e±"
    if (sci[e + 1] == '-') exponent = -exponent;

    std::string text;
    if (exponent >= 7 || exponent < -4) {
        text = digits.substr(0, 1);
        if (digits.size() > 1) text += std::string(DecimalOf(format)) + digits.substr(1);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < whole) digits.append(whole - digits.size(), '0');
        text = digits.substr(0, whole);
        if (digits.size() > whole) text += std::string(DecimalOf(format)) + digits.substr(whole);
    } else {
        text = "0" + std::string(DecimalOf(format)) +
               std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return value < 0 ? std::string(NegativeSignOf(format)) + text : text;
}

} // namespace mixora::calc
