#include "report_info.h"

#include <charconv>
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
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
}

} // namespace mixora::report
