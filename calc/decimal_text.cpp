#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace mixora::calc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of the leading non-zero digit, saturated far beyond any type's range. A
// reading out of range is too large when this is not negative, too small otherwise.
long long LeadingPower(std::string_view plain) {
    constexpr long long kSaturated = 1'000'000'000;
    if (!plain.empty() && plain.front() == '-') plain.remove_prefix(1);
    const std::size_t e = plain.find_first_of("eE");
    const std::string_view mantissa = plain.substr(0, e);
    const std::string_view exponent = e == std::string_view::npos ? "" : plain.substr(e + 1);

    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -kSaturated; // zero
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);

    long long shift = 0;
    bool negative = false;
    for (const char c : exponent) {
        if (c == '-') negative = true;
        if (IsDigit(c)) shift = std::min(shift * 10 + (c - '0'), kSaturated);
    }
    power += negative ? -shift : shift;
    return power;
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

DecimalReading ReadPlainDecimal(std::string_view plain, float& value) {
    return ReadPlain(plain, value);
}

DecimalReading ReadPlainDecimal(std::string_view plain, double& value) {
    return ReadPlain(plain, value);
}

} // namespace mixora::calc
