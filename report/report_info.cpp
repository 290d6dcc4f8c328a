#include "report_info.h"

#include "decimal_text.h"
#include "double_text.h"

#include <cmath>

namespace mixora::report {

std::string LitresText(double litres) {
    return calc::ShortestText(litres);
}

std::optional<double> ReadTrialVolume(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    // Digits with "." and an exponent, no sign: a volume is positive.
    const auto parts = calc::ScanDecimal(text, {".", {}, false});
    if (!parts || parts->length != text.size()) return std::nullopt;
    double value = 0;
    if (calc::ReadPlainDecimal(calc::PlainDecimal(*parts, {}), value) !=
        calc::DecimalReading::Value)
        return std::nullopt;
    if (!std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
}

} // namespace mixora::report
