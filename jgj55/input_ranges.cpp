#include "input_ranges.h"

#include "decimal_rounding.h"
#include "text_prefix.h"

namespace mixora::jgj55 {

namespace {

std::string Bound(double value, std::string_view unit) {
    std::string text = calc::ExactText(value);
    if (!unit.empty()) text += " " + std::string(unit);
    return text;
}

} // namespace

std::string RangeRule(const InputRange& range) {
    const std::string low = calc::ExactText(range.low);
    const std::string high = Bound(range.high, range.unit);
    if (range.low_end == End::Closed && range.high_end == End::Closed)
        return "须在 " + low + "～" + high + " 之间";
    const std::string above = range.low_end == End::Open ? "须大于 " : "须不小于 ";
    const std::string below = range.high_end == End::Open ? "小于 " : "不大于 ";
    return above + low + " 且" + below + high;
}

std::string OutOfRange(const InputRange& range, std::string_view caption, std::string_view text) {
    return std::string(caption) + "“" + calc::TextPrefix(text) + "”" + RangeRule(range) + "（" +
           std::string(range.reason) + "）";
}

} // namespace mixora::jgj55
