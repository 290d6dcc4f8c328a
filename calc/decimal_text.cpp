#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace mixora::calc {

namespace {

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// The power of ten of the leading non-zero digit, saturated far beyond any type's range. A
// reading out of range is too large when this is not negative, too small otherwise.
long long LeadingPower(std::string_view plain) {
    constexpr long long kSaturated = 1'000'000'000;
    const std::optional<DecimalParts> parts = ScanDecimal(plain, {});
    if (!parts) return -kSaturated;
    long long power = 0;
    if (const std::size_t first = parts->whole.find_first_not_of('0');
        first != std::string_view::npos) {
        power = static_cast<long long>(parts->whole.size() - first) - 1;
    } else if (const std::size_t later = parts->fraction.find_first_not_of('0');
               later != std::string_view::npos) {
        power = -static_cast<long long>(later + 1);
    } else {
        return -kSaturated; // zero
    }

    long long shift = 0;
    for (const char c : parts->exponent)
        if (IsDigit(c)) shift = std::min(shift * 10 + (c - '0'), kSaturated);
    return power + (parts->exponent.starts_with('-') ? -shift : shift);
}

template <class T> DecimalReading ReadPlain(std::string_view plain, T& value) {
    const char* const end = plain.data() + plain.size();
    T read{};
    const auto [ptr, ec] = std::from_chars(plain.data(), end, read, std::chars_format::general);
    if (ptr != end || (ec != std::errc{} && ec != std::errc::result_out_of_range))
        return DecimalReading::Malformed;
    if (ec == std::errc{}) {
        value = read;
        return DecimalReading::Value;
    }
    // from_chars reads nothing beyond the range of T, in either direction.
    if (LeadingPower(plain) >= 0) return DecimalReading::TooLarge;
    value = plain.front() == '-' ? -T{0} : T{0};
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
