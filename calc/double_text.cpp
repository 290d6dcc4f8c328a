#include "double_text.h"
#include "decimal_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

// mingw-w64 takes printf and strtod to its own, exactly rounded, when this is set (libstdc++'s
// headers set it); the system's msvcrt.dll would round neither exactly.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "doubles need mingw-w64's own printf and strtod (__USE_MINGW_ANSI_STDIO)"
#endif

namespace mixora::calc {

namespace {

constexpr int kMaxDecimals = 400;
constexpr int kRoundTripDigits = 17; // enough for every double

std::string NonFinite(double x) {
    if (std::isnan(x)) return std::signbit(x) ? "-nan" : "nan";
    return x < 0 ? "-inf" : "inf";
}

// printf's text of one double with a precision.
std::string Printed(const char* format, int precision, double x) {
    const int length = std::snprintf(nullptr, 0, format, precision, x);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, x);
    return text;
}

// The digits and the power of printf's "d.ddde±x" (of as many exponent digits as it writes).
ShortestDigits PartsOf(std::string_view scientific) {
    ShortestDigits parts;
    const std::size_t e = scientific.find('e');
    for (const char c : scientific.substr(0, e))
        if (c >= '0' && c <= '9') parts.digits += c;
    const std::string_view exponent = scientific.substr(e + 1);
    for (const char c : exponent.substr(1))
        parts.power = parts.power * 10 + (c - '0');
    if (exponent.front() == '-') parts.power = -parts.power;
    return parts;
}

// "d.ddde±dd", the exponent of two digits at least.
std::string Scientific(const ShortestDigits& parts) {
    std::string text = parts.digits.substr(0, 1);
    if (parts.digits.size() > 1) text += "." + parts.digits.substr(1);
    text += parts.power < 0 ? "e-" : "e+";
    const int magnitude = std::abs(parts.power);
    if (magnitude < 10) text += '0';
    return text + std::to_string(magnitude);
}

double ReadBack(const ShortestDigits& parts) {
    return NearestDouble(Scientific(parts));
}

// A positive decimal as its significant digits and the power of ten of the first: the plain
// text's magnitude, or a long double's exact expansion.
struct Decimal {
    std::string digits; // no leading or trailing zero; empty: zero
    long long power = 0;
};

Decimal Normalized(std::string digits, long long power) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits.substr(first), power - static_cast<long long>(first)};
}

// The plain text as read by ScanDecimal, its exponent saturated far beyond any type's range.
Decimal DecimalOfPlain(std::string_view plain) {
    constexpr long long kSaturated = 1'000'000'000;
    const std::optional<DecimalParts> parts = ScanDecimal(plain, {});
    if (!parts) return {};
    long long exponent = 0;
    for (const char c : parts->exponent)
        if (IsDigit(c)) exponent = std::min(exponent * 10 + (c - '0'), kSaturated);
    if (parts->exponent.starts_with('-')) exponent = -exponent;
    return Normalized(std::string(parts->whole) + std::string(parts->fraction),
                      static_cast<long long>(parts->whole.size()) - 1 + exponent);
}

// Every digit of a long double that halves two neighbouring doubles: 800 significant digits
// hold any of them exactly.
Decimal ExactDecimal(long double x) {
    const int length = std::snprintf(nullptr, 0, "%.800Le", x);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.800Le", x);
    const ShortestDigits parts = PartsOf(text);
    return Normalized(parts.digits, parts.power);
}

int Compare(const Decimal& a, const Decimal& b) {
    if (a.digits.empty() || b.digits.empty()) return !a.digits.empty() - !b.digits.empty();
    if (a.power != b.power) return a.power < b.power ? -1 : 1;
    const int order = a.digits.compare(b.digits); // a prefix is the smaller: trailing zeros go
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool IsPowerOfTwo(double x) {
    int power = 0;
    return std::isfinite(x) && std::frexp(x, &power) == 0.5;
}

bool IsOdd(double x) {
    return (std::bit_cast<std::uint64_t>(x) & 1) != 0;
}

// Which of a, its neighbour b and the one halfway between them a decimal is nearest to, a tie
// to the even one.
double NearerOf(const Decimal& decimal, double a, double b) {
    if (!std::isfinite(b)) return a;
    const int order = Compare(decimal, ExactDecimal((static_cast<long double>(a) + b) / 2));
    const bool toward_b = a < b ? order > 0 : order < 0;
    return toward_b || (order == 0 && IsOdd(a)) ? b : a;
}

// The next number of as many digits above.
ShortestDigits NextUp(ShortestDigits parts) {
    std::size_t i = parts.digits.size();
    while (i > 0 && parts.digits[i - 1] == '9')
        parts.digits[--i] = '0';
    if (i > 0) {
        ++parts.digits[i - 1];
    } else {
        parts.digits.insert(parts.digits.begin(), '1');
        parts.digits.pop_back();
        ++parts.power;
    }
    return parts;
}

} // namespace

double NearestDouble(const std::string& plain) {
    const double read = std::strtod(plain.c_str(), nullptr);
    const double magnitude = std::fabs(read);
    // mingw-w64's strtod can take the wrong side of a power of two, where the doubles below lie
    // half as far apart as those above; there the decimal is compared with the halfway points.
    if (magnitude == 0 ||
        !(IsPowerOfTwo(magnitude) || IsPowerOfTwo(std::nextafter(magnitude, HUGE_VAL))))
        return read;
    const Decimal decimal = DecimalOfPlain(plain);
    double nearest = NearerOf(decimal, magnitude, std::nextafter(magnitude, 0.0));
    if (nearest == magnitude)
        nearest = NearerOf(decimal, magnitude, std::nextafter(magnitude, HUGE_VAL));
    return std::signbit(read) ? -nearest : nearest;
}

std::string FixedText(double x, int decimals) {
    if (!std::isfinite(x)) return NonFinite(x);
    return Printed("%.*f", std::clamp(decimals, 0, kMaxDecimals), x);
}

std::string ScientificText(double x, int decimals) {
    if (!std::isfinite(x)) return NonFinite(x);
    const ShortestDigits parts =
        PartsOf(Printed("%.*e", std::clamp(decimals, 0, kMaxDecimals), std::fabs(x)));
    return (std::signbit(x) ? "-" : "") + Scientific(parts);
}

ShortestDigits ShortestDigitsOf(double x) {
    x = std::fabs(x);
    std::array<char, 48> text{};
    for (int digits = 1; digits < kRoundTripDigits; ++digits) {
        std::snprintf(text.data(), text.size(), "%.*e", digits - 1, x);
        const double nearest = NearestDouble(text.data());
        if (nearest == x) return PartsOf(text.data());
        // The nearest of so many digits lies outside what reads back as x; the one on x's other
        // side may lie inside, where x is a power of two and reads back from further above it
        // than from below.
        if (nearest < x) {
            const ShortestDigits above = NextUp(PartsOf(text.data()));
            if (ReadBack(above) == x) return above;
        }
    }
    std::snprintf(text.data(), text.size(), "%.*e", kRoundTripDigits - 1, x);
    return PartsOf(text.data());
}

std::string ShortestText(double x) {
    if (!std::isfinite(x)) return NonFinite(x);
    const std::string sign = std::signbit(x) ? "-" : "";
    if (x == 0) return sign + "0";
    const ShortestDigits parts = ShortestDigitsOf(x);
    const int count = static_cast<int>(parts.digits.size());
    const int power = parts.power;
    const int scientific_length = count + (count > 1 ? 1 : 0) + 2 + (std::abs(power) < 100 ? 2 : 3);
    const int fixed_length = power < 0            ? count + 1 - power
                             : power + 1 >= count ? power + 1
                                                  : count + 1;
    if (fixed_length > scientific_length) return sign + Scientific(parts);
    if (power < 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-power - 1), '0') + parts.digits;
    // A whole number: its exact digits, which beyond 2^53 go on past the shortest ones.
    if (power + 1 >= count) return Printed("%.*f", 0, x);
    const auto whole = static_cast<std::size_t>(power + 1);
    return sign + parts.digits.substr(0, whole) + "." + parts.digits.substr(whole);
}

} // namespace mixora::calc
