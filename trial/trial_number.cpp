#include "trial_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace mixora::trial {

namespace {

// Relative width of binary noise after a few operations on short decimals (about 1e-15), with
// room to spare, and far below any digit a result shows.
constexpr double kNoise = 1e-12;

// The tolerance at a scaled value: relative, but never near a whole unit however large it is.
double Tolerance(double scaled) {
    return std::fmin(kNoise * std::fmax(1.0, std::fabs(scaled)), 1e-3);
}

double Power(int decimals) {
    return std::pow(10.0, std::clamp(decimals, 0, 15));
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0 && digits <= 17;
}

} // namespace

double Round(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    const double scale = Power(decimals);
    const double scaled = std::fabs(x) * scale;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5 - Tolerance(scaled)) whole += 1;
    const double rounded = whole / scale;
    return x < 0 && whole != 0 ? -rounded : rounded;
}

double RoundUp(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    const double scale = Power(decimals);
    const double scaled = x * scale;
    return std::ceil(scaled - Tolerance(scaled)) / scale;
}

std::string Fixed(double x, int decimals) {
    if (!std::isfinite(x)) return "—";
    const double rounded = Round(x, decimals);
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded == 0 ? 0.0 : rounded,
                      std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    if (written.ec != std::errc()) return "—";
    return std::string(buffer.data(), written.ptr);
}

std::string Plain(double x) {
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x == 0 ? 0.0 : x);
    if (written.ec != std::errc() || !std::isfinite(x)) return "—";
    return std::string(buffer.data(), written.ptr);
}

bool Exceeds(double a, double b) {
    return a - b > kNoise * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

Reading ReadNumber(std::string_view text, std::string_view caption) {
    const std::string_view plain = Trim(text);
    if (plain.empty()) return {std::nullopt, std::string(caption) + "未填写"};
    if (!IsPlainDecimal(plain))
        return {std::nullopt, std::string(caption) + "“" + std::string(text) + "”不是数字"};
    const std::string_view unsigned_part = plain.front() == '+' ? plain.substr(1) : plain;
    double value = 0;
    const auto read =
        std::from_chars(unsigned_part.data(), unsigned_part.data() + unsigned_part.size(), value,
                        std::chars_format::fixed);
    if (read.ec != std::errc() || read.ptr != unsigned_part.data() + unsigned_part.size())
        return {std::nullopt, std::string(caption) + "“" + std::string(text) + "”不是数字"};
    return {value == 0 ? 0.0 : value, {}};
}

Reading ReadPositive(std::string_view text, std::string_view caption) {
    Reading reading = ReadNumber(text, caption);
    if (reading.value && *reading.value <= 0) {
        reading.problem = std::string(caption) + "“" + std::string(text) + "”应大于 0";
        reading.value.reset();
    }
    return reading;
}

Reading ReadNotNegative(std::string_view text, std::string_view caption) {
    Reading reading = ReadNumber(text, caption);
    if (reading.value && *reading.value < 0) {
        reading.problem = std::string(caption) + "“" + std::string(text) + "”不应小于 0";
        reading.value.reset();
    }
    return reading;
}

} // namespace mixora::trial
