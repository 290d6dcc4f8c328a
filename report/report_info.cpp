#include "report_info.h"

#include "decimal_text.h"

#include <charconv>
#include <cmath>

namespace mixora::report {

std::string LitresText(double litres) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, litres);
    return std::string(buffer, written.ptr);
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
