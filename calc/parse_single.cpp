// Reading a whole field text as a single-precision number, by the user's regional settings.
//
// Accepted: blanks (space, tab) before and after; one sign, either leading ("-1.5", "- 1.5",
// "+1.5"), trailing ("1.5-", "1.5 -") or as parentheses ("(1.5)"), whichever form the settings
// prefer, with the regional negative sign or "-"; digits whose integer part may carry the
// regional group separator between two digits (group sizes are not checked, as the
// platform's own number parsing does not check them); the regional decimal separator; an
// exponent "e"/"E" with an optional "+"/"-" and at least one digit. Nothing else: no "inf",
// "nan", hexadecimal or currency. A magnitude below the smallest single reads as zero.
#include "conversions.h"
#include "decimal_text.h"

#include <optional>
#include <string>

namespace mixora::calc {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// The separators the settings give, with the neutral ones standing in for missing entries.
struct Separators {
    std::string_view decimal;
    std::string_view group; // empty: no grouping accepted
    std::string_view negative;
};

Separators SeparatorsOf(const NumberFormat& format) {
    Separators s{format.decimal, format.group, format.negative_sign};
    if (s.decimal.empty()) s.decimal = ".";
    if (s.negative.empty()) s.negative = "-";
    if (s.group == s.decimal) s.group = {};
    return s;
}

struct SignedBody {
    std::string_view body;
    bool negative = false;
};

// Takes off the one sign a number may carry, in any of the regional negative forms.
SignedBody SplitSign(std::string_view s, const Separators& sep) {
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')')
        return {Trim(s.substr(1, s.size() - 2)), true};
    for (const std::string_view sign :
         {sep.negative, std::string_view("-"), std::string_view("+")}) {
        const bool negative = sign != "+";
        if (s.size() > sign.size() && s.starts_with(sign))
            return {Trim(s.substr(sign.size())), negative};
        if (s.size() > sign.size() && s.ends_with(sign))
            return {Trim(s.substr(0, s.size() - sign.size())), negative};
    }
    return {s, false};
}

// The plain form of an unsigned number body, or nothing when the body is not one as a whole.
std::optional<std::string> PlainForm(std::string_view body, bool negative, const Separators& sep) {
    std::optional<DecimalParts> parts = ScanDecimal(body, {sep.decimal, sep.group, false});
    if (!parts || parts->length != body.size()) return std::nullopt;
    parts->negative = negative;
    return PlainDecimal(*parts, sep.group);
}

} // namespace

ParsedSingle ParseSingle(std::string_view text, const NumberFormat& format) {
    constexpr ParsedSingle kNotANumber{0.0f, std::errc::invalid_argument};
    const Separators sep = SeparatorsOf(format);
    const SignedBody number = SplitSign(Trim(text), sep);
    const std::optional<std::string> plain = PlainForm(number.body, number.negative, sep);
    if (!plain) return kNotANumber;

    float value = 0.0f;
    switch (ReadPlainDecimal(*plain, value)) {
    case DecimalReading::Value: return {value, std::errc{}};
    case DecimalReading::TooLarge: return {0.0f, std::errc::result_out_of_range};
    case DecimalReading::Malformed: break;
    }
    return kNotANumber;
}

} // namespace mixora::calc
