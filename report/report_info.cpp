#include "report_info.h"

#include "decimal_text.h"

#include <cmath>

namespace mixora::report {

namespace {

constexpr std::array<std::string_view, kEnvironmentClasses.size()> kEnvironmentNames = {
    "一", "二a", "二b", "三a", "三b"};
constexpr std::array<std::string_view, kStructureTypes.size()> kStructureNames = {
    "素混凝土", "钢筋混凝土", "预应力混凝土"};

} // namespace

std::string_view EnvironmentClassName(EnvironmentClass environment) {
    return kEnvironmentNames.at(static_cast<std::size_t>(environment));
}

std::string_view StructureTypeName(StructureType structure) {
    return kStructureNames.at(static_cast<std::size_t>(structure));
}

std::optional<EnvironmentClass> EnvironmentClassNamed(std::string_view name) {
    for (const EnvironmentClass environment : kEnvironmentClasses)
        if (EnvironmentClassName(environment) == name) return environment;
    return std::nullopt;
}

std::optional<StructureType> StructureTypeNamed(std::string_view name) {
    for (const StructureType structure : kStructureTypes)
        if (StructureTypeName(structure) == name) return structure;
    return std::nullopt;
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
