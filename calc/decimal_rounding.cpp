#include "decimal_rounding.h"
#include "decimal_text.h"
#include "double_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace mixora::calc {

namespace {

// The significant digits of the decimal value: more than any value typed or taken from a table
// has, fewer than binary noise leaves intact (a few units of the 16th digit after a few
// operations, several more where nearly equal values are subtracted).
constexpr int kSignificant = 12;
constexpr int kMaxDecimals = 20;

enum class Direction { HalfAway, Away, TowardZero };

// |x| rounded to `decimals` places as digits without the point: the value is
// digits × 10^-decimals ("101" for 1.005 to 2 places). Never empty.
std::string RoundedDigits(double x, int decimals, Direction direction) {
    // "d.ddddddddddde±pp": the significant digits and the power of the first.
    const std::string scientific = ScientificText(std::fabs(x), kSignificant - 1);
    const std::string_view text(scientific);
    std::string digits =
        std::string(text.substr(0, 1)) + std::string(text.substr(2, kSignificant - 1));
    const std::size_t e = text.find('e');
    int power = 0;
    const char* first = text.data() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, text.data() + text.size(), power);
    if (digits.find_first_not_of('0') == std::string::npos) return "0";

    // The digits before the place rounded at; the ones after decide the rounding.
    const int kept = power + 1 + std::clamp(decimals, 0, kMaxDecimals);
    if (kept >= kSignificant)
        return digits + std::string(static_cast<std::size_t>(kept) - digits.size(), '0');
    const std::size_t keep = static_cast<std::size_t>(std::max(kept, 0));
    const std::string_view dropped = std::string_view(digits).substr(keep);
    // A value below a tenth of the place has a first dropped digit of 0 before its digits.
    const bool half = kept >= 0 && dropped.front() >= '5';
    const bool any = dropped.find_first_not_of('0') != std::string_view::npos;
    digits.resize(keep);
    const bool up = direction == Direction::HalfAway ? half : direction == Direction::Away && any;
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    const std::size_t leading = digits.find_first_not_of('0');
    return leading == std::string::npos ? "0" : digits.substr(leading);
}

double ValueOf(const std::string& digits, int decimals, bool negative) {
    const std::string text = digits + "e-" + std::to_string(std::clamp(decimals, 0, kMaxDecimals));
    double value = 0;
    ReadPlainDecimal(text, value);
    return negative && value != 0 ? -value : value;
}

} // namespace

double RoundShown(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    return ValueOf(RoundedDigits(x, decimals, Direction::HalfAway), decimals, x < 0);
}

double RoundUp(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    // Up is away from zero above it and toward zero below.
    const Direction direction = x < 0 ? Direction::TowardZero : Direction::Away;
    return ValueOf(RoundedDigits(x, decimals, direction), decimals, x < 0);
}

std::string FormatFixed(double x, int decimals) {
    if (!std::isfinite(x)) return "—";
    const std::size_t places = static_cast<std::size_t>(std::clamp(decimals, 0, kMaxDecimals));
    std::string digits = RoundedDigits(x, decimals, Direction::HalfAway);
    const bool negative = x < 0 && digits != "0";
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    if (places > 0) digits.insert(digits.size() - places, ".");
    return negative ? "-" + digits : digits;
}

std::string ExactText(double x) {
    if (!std::isfinite(x)) return "—";
    // The shortest digits that read back as x ("1.2e+29"), written out without the exponent:
    // fixed notation would give the binary value's every digit instead (1.2e29 is
    // 120000000000000003793529864192 in binary).
    if (x == 0) return "0";
    const auto [digits, power] = ShortestDigitsOf(x);
    std::string out;
    const int point = power + 1; // digits before the point
    if (point <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(point)) + "." +
              digits.substr(static_cast<std::size_t>(point));
    }
    return x < 0 ? "-" + out : out;
}

} // namespace mixora::calc
