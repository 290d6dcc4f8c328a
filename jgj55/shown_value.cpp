#include "shown_value.h"

#include <array>
#include <charconv>
#include <cmath>

namespace mixora::jgj55 {
namespace {

constexpr int kMaxExtraDecimals = 6;
// The largest double written in full, with its decimals.
constexpr std::size_t kBufferSize = 400;

// Products of short decimals land within a few units of the last binary place of a half;
// this nudge is far above that and far below any difference a design value can have.
constexpr double kHalfNudge = 1e-9;

double PowerOfTen(int decimals) {
    return std::pow(10.0, decimals);
}

} // namespace

double RoundShown(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    const double scale = PowerOfTen(decimals);
    const double scaled = x * scale;
    const double nudged =
        scaled + std::copysign(kHalfNudge * std::fmax(1.0, std::fabs(scaled)), scaled);
    const double rounded = std::round(nudged) / scale;
    return rounded == 0.0 ? 0.0 : rounded;
}

std::string FormatFixed(double x, int decimals) {
    double value = RoundShown(x, decimals);
    if (value == 0.0) value = 0.0; // no "-0"
    std::array<char, kBufferSize> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

std::string FormatGiven(double x, int decimals) {
    for (int places = decimals; places < decimals + kMaxExtraDecimals; ++places)
        if (RoundShown(x, places) == x) return FormatFixed(x, places);
    return FormatFixed(x, decimals + kMaxExtraDecimals);
}

} // namespace mixora::jgj55
