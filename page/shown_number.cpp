#include "shown_number.h"

#include "decimal_text.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace mixora::page {

namespace {

constexpr std::size_t kMaxDigits = 19; // every 19-digit coefficient fits 64 bits
constexpr int kMaxExponent = 400;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Digits grouped by "," in threes after a first group of one to three ("1,234,567").
bool WellGrouped(std::string_view whole) {
    const std::size_t first = whole.find(',');
    if (first == std::string_view::npos) return true;
    if (first == 0 || first > 3) return false;
    for (std::size_t at = first; at < whole.size(); at += 4)
        if (whole[at] != ',' || whole.size() - at < 4 ||
            whole.substr(at + 1, 3).find(',') != std::string_view::npos)
            return false;
    return true;
}

std::string DigitsOf(std::uint64_t coefficient) {
    return std::to_string(coefficient);
}

// The product of two digit strings, as a digit string without leading zeros ("0" for zero).
std::string MultiplyDigits(const std::string& a, const std::string& b) {
    std::vector<int> sums(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            sums[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = sums.size(); k-- > 1;) {
        sums[k - 1] += sums[k] / 10;
        sums[k] %= 10;
    }
    std::string digits;
    for (const int d : sums)
        digits += static_cast<char>('0' + d);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Adds one to a digit string.
void Increment(std::string& digits) {
    for (std::size_t k = digits.size(); k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

ShownReading ReadShownNumber(std::string_view text) {
    if (text.empty()) return {std::nullopt, NumberProblem::Empty};
    const ShownReading not_a_number{std::nullopt, NumberProblem::NotANumber};

    std::string_view rest = text;
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && IsBlank(rest.back()))
        rest.remove_suffix(1);

    const std::optional<calc::DecimalParts> parts = calc::ScanDecimal(rest, {".", ",", true});
    if (!parts || parts->length != rest.size() || !WellGrouped(parts->whole)) return not_a_number;
    const bool negative = parts->negative;
    const std::string_view whole = parts->whole;
    const std::string_view fraction = parts->fraction;

    long long exponent = 0;
    for (const char c : parts->exponent)
        if (calc::IsDigit(c)) exponent = std::min<long long>(exponent * 10 + (c - '0'), 1'000'000);
    if (parts->exponent.starts_with('-')) exponent = -exponent;

    std::string digits;
    for (const char c : whole)
        if (c != ',') digits += c;
    digits += fraction;
    exponent -= static_cast<long long>(fraction.size());

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {ShownNumber{}, NumberProblem::Empty};
    digits.erase(0, first);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - last - 1);
    digits.erase(last + 1);
    if (digits.size() > kMaxDigits || exponent > kMaxExponent || exponent < -kMaxExponent)
        return {std::nullopt, NumberProblem::TooManyDigits};

    ShownNumber number{negative, 0, static_cast<int>(exponent)};
    for (const char c : digits)
        number.coefficient = number.coefficient * 10 + static_cast<std::uint64_t>(c - '0');
    return {number, NumberProblem::Empty};
}

std::string ProblemText(std::string_view caption, std::string_view text, NumberProblem problem) {
    std::string out(caption);
    switch (problem) {
    case NumberProblem::Empty: return out + "为空";
    case NumberProblem::NotANumber: return out + "「" + std::string(text) + "」不是数";
    case NumberProblem::TooManyDigits: return out + "「" + std::string(text) + "」位数过多";
    }
    return out;
}

int Compare(const ShownNumber& a, const ShownNumber& b) {
    const auto sign = [](const ShownNumber& n) {
        return n.coefficient == 0 ? 0 : n.negative ? -1 : 1;
    };
    if (sign(a) != sign(b)) return sign(a) < sign(b) ? -1 : 1;
    if (sign(a) == 0) return 0;

    // Magnitudes: first by the power of ten of the leading digit, then digit by digit.
    const std::string da = DigitsOf(a.coefficient);
    const std::string db = DigitsOf(b.coefficient);
    const long long lead_a = static_cast<long long>(da.size()) + a.exponent;
    const long long lead_b = static_cast<long long>(db.size()) + b.exponent;
    int magnitude = 0;
    if (lead_a != lead_b) {
        magnitude = lead_a < lead_b ? -1 : 1;
    } else {
        const std::size_t n = std::max(da.size(), db.size());
        const std::string pa = da + std::string(n - da.size(), '0');
        const std::string pb = db + std::string(n - db.size(), '0');
        magnitude = pa == pb ? 0 : pa < pb ? -1 : 1;
    }
    return sign(a) < 0 ? -magnitude : magnitude;
}

std::optional<std::string> ThousandthOfProductToHundredths(const ShownNumber& a,
                                                           const ShownNumber& b) {
    std::string digits = MultiplyDigits(DigitsOf(a.coefficient), DigitsOf(b.coefficient));
    // The value is digits × 10^power; in hundredths that is digits × 10^(power + 2).
    const long long shift = static_cast<long long>(a.exponent) + b.exponent - 3 + 2;
    if (shift >= 0) {
        if (digits != "0") digits.append(static_cast<std::size_t>(shift), '0');
    } else {
        const auto drop = static_cast<std::size_t>(-shift);
        // The first digit dropped decides: 5 or more rounds the magnitude up.
        const bool up = drop <= digits.size() && digits[digits.size() - drop] >= '5';
        digits = drop < digits.size() ? digits.substr(0, digits.size() - drop) : "0";
        if (up) Increment(digits);
    }
    if (digits.size() > kMaxDigits) return std::nullopt;
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const bool negative =
        a.negative != b.negative && digits.find_first_not_of('0') != std::string::npos;
    digits.insert(digits.size() - 2, ".");
    return negative ? "-" + digits : digits;
}

ShownNumber LiteralNumber(std::string_view text) {
    return ReadShownNumber(text).number.value();
}

} // namespace mixora::page
