#include "decimal_text.h"
#include "double_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace mixora::calc {

namespace {

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// strtof and NearestDouble (strtod set right) round exactly and would read more than the plain
// form: blanks, "+", "inf", hexadecimal; the plain form is checked first.
template <class T> DecimalReading ReadPlain(std::string_view plain, T& value) {
    const std::optional<DecimalParts> parts = ScanDecimal(plain, {});
    if (!parts || parts->length != plain.size() || plain.front() == '+')
        return DecimalReading::Malformed;
    const std::string text(plain); // terminated
    T read{};
    if constexpr (std::is_same_v<T, float>)
        read = std::strtof(text.c_str(), nullptr);
    else
        read = NearestDouble(text);
    if (std::isinf(read)) return DecimalReading::TooLarge;
    value = read == 0 && parts->negative ? -T{0} : read;
    return DecimalReading::Value;
}

} // namespace

std::optional<DecimalParts> ScanDecimal(std::string_view text, const DecimalSyntax& syntax) {
    DecimalParts parts;
    std::size_t i = 0;
    if (syntax.leading_sign && i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    const std::size_t whole = i;
    for (;;) {
        i = SkipDigits(text, i);
        // A group separator stands between two digits of the whole part.
        const std::size_t next = i + syntax.group.size();
        if (i == whole || syntax.group.empty() || !text.substr(i).starts_with(syntax.group) ||
            next >= text.size() || !IsDigit(text[next]))
            break;
        i = next;
    }
    parts.whole = text.substr(whole, i - whole);
    if (!syntax.decimal.empty() && text.substr(i).starts_with(syntax.decimal)) {
        parts.point = true;
        i += syntax.decimal.size();
        const std::size_t fraction = i;
        i = SkipDigits(text, i);
        parts.fraction = text.substr(fraction, i - fraction);
    }
    if (parts.whole.empty() && parts.fraction.empty()) return std::nullopt;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t digits = i + 1;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
        const std::size_t end = SkipDigits(text, digits);
        if (end > digits) {
            parts.exponent = text.substr(i + 1, end - i - 1);
            i = end;
        }
    }
    parts.length = i;
    return parts;
}

std::string PlainDecimal(const DecimalParts& parts, std::string_view group) {
    std::string plain = parts.negative ? "-" : "";
    // The whole part is digits with a group separator between two of them.
    for (std::size_t i = 0; i < parts.whole.size();) {
        if (IsDigit(parts.whole[i])) {
            plain += parts.whole[i++];
        } else {
            i += std::max<std::size_t>(group.size(), 1);
        }
    }
    if (parts.point) plain += '.';
    plain += parts.fraction;
    if (!parts.exponent.empty()) plain += 'e';
    plain += parts.exponent;
    return plain;
}

DecimalReading ReadPlainDecimal(std::string_view plain, float& value) {
    return ReadPlain(plain, value);
}

DecimalReading ReadPlainDecimal(std::string_view plain, double& value) {
    return ReadPlain(plain, value);
}

} // namespace mixora::calc
