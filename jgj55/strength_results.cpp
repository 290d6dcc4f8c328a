#include "strength_results.h"

#include "typed_number.h"

#include <array>
#include <cmath>

namespace mixora::jgj55 {
namespace {

constexpr std::array<std::string_view, 10> kSeparators = {" ", "\t", "\r", "\n", ",",
                                                          ";", "，", "；", "、", "　"};

// The length of the separator text starts with, or 0.
std::size_t SeparatorAt(std::string_view text) {
    for (std::string_view separator : kSeparators)
        if (text.starts_with(separator)) return separator.size();
    return 0;
}

} // namespace

ParsedResults ParseStrengthResults(std::string_view text) {
    ParsedResults parsed;
    std::size_t position = 0;
    while (position < text.size()) {
        if (const std::size_t skip = SeparatorAt(text.substr(position))) {
            position += skip;
            continue;
        }
        std::size_t end = position;
        while (end < text.size() && SeparatorAt(text.substr(end)) == 0)
            ++end;
        const std::string_view piece = text.substr(position, end - position);
        calc::TypedNumber read = calc::ReadTypedNumber(
            piece, "第 " + std::to_string(parsed.values.size() + 1) + " 个值");
        if (!read.value) {
            parsed.problem = std::move(read.problem);
            return parsed;
        }
        parsed.values.push_back(*read.value);
        position = end;
    }
    return parsed;
}

std::optional<double> SampleStandardDeviation(std::span<const double> values) {
    if (values.size() < 2) return std::nullopt;
    double sum = 0.0;
    for (double value : values) {
        if (!std::isfinite(value)) return std::nullopt;
        sum += value;
    }
    const double count = static_cast<double>(values.size());
    const double mean = sum / count;
    double squares = 0.0;
    for (double value : values)
        squares += (value - mean) * (value - mean);
    const double deviation = std::sqrt(squares / (count - 1.0));
    if (!std::isfinite(deviation)) return std::nullopt;
    return deviation;
}

} // namespace mixora::jgj55
