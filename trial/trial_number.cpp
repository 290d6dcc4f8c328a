#include "trial_number.h"

#include "double_text.h"

#include <cmath>

namespace mixora::trial {

namespace {

// Relative width of binary noise after a few operations on short decimals (about 1e-15), with
// room to spare, and far below any digit a result shows.
constexpr double kNoise = 1e-12;

} // namespace

std::string Plain(double x) {
    if (!std::isfinite(x)) return "—";
    return calc::ShortestText(x == 0 ? 0.0 : x);
}

std::string TypedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool Exceeds(double a, double b) {
    return a - b > kNoise * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

Reading ReadInRange(std::string_view text, std::string_view caption,
                    const jgj55::InputRange& range) {
    Reading reading = ReadNumber(text, caption);
    if (reading.value && !range.Holds(*reading.value)) {
        reading.problem = jgj55::OutOfRange(range, caption, text);
        reading.value.reset();
    }
    return reading;
}

} // namespace mixora::trial
