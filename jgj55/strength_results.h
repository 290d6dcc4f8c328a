#pragma once
// Past strength results the user pastes (one column from a spreadsheet, or a line of numbers),
// from which σ is computed.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::jgj55 {

struct ParsedResults {
    std::vector<double> values;
    std::string problem; // empty when every piece is a number: "第 3 个值“abc”不是数字"
};

// Numbers separated by blanks, tabs, line breaks, commas (also "，"), "、" or semicolons
// (also "；"), each read as a typed number (calc/typed_number.h); a piece that is not one is named
// by its position.
ParsedResults ParseStrengthResults(std::string_view text);

// The sample standard deviation (n − 1); none for fewer than two values or a value that is
// not finite.
std::optional<double> SampleStandardDeviation(std::span<const double> values);

} // namespace mixora::jgj55
