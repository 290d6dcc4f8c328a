#include "requirements_json.h"

#include "choices.h"
#include "json_keys.h"

#include <array>

namespace mixora::jgj55 {
namespace {

using nlohmann::json;

template <class Member> using Field = JsonField<Member>;

constexpr std::array<Field<bool Requirements::*>, 3> kFlags = {{
    {"pumped", &Requirements::pumped},
    {"air_entrained", &Requirements::air_entrained},
    {"mass", &Requirements::mass},
}};
constexpr std::array<Field<std::optional<double> Requirements::*>, 5> kNumbers = {{
    {"pump_height", &Requirements::pump_height},
    {"pipe_bore", &Requirements::pipe_bore},
    {"impermeability_value", &Requirements::impermeability_value},
    {"frost_value", &Requirements::frost_value},
    {"air_content", &Requirements::air_content},
}};
constexpr std::string_view kChlorideKey = "chloride";

template <class In, class Visit> void ForEachChoice(In& requirements, Visit&& visit) {
    visit("impermeability", requirements.impermeability);
    visit("frost", requirements.frost);
    visit("air_exposure", requirements.air_exposure);
}

std::string Quoted(std::string_view key) {
    return QuotedKey(key);
}

RequirementsReading Refuse(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

// The choice stored under `key`, if it is one; the problem otherwise.
template <class E> std::string ReadChoice(const json& in, std::string_view key, E& out) {
    const auto found = in.find(std::string(key));
    if (found == in.end()) return {};
    if (!found->is_string()) return Quoted(key) + "须为文字";
    const auto value = FromKey<E>(found->get_ref<const std::string&>());
    if (!value) return Quoted(key) + "的值“" + found->get<std::string>() + "”不是可选的一项";
    out = *value;
    return {};
}

} // namespace

json RequirementsToJson(const Requirements& requirements) {
    json out = json::object();
    for (const auto& field : kFlags)
        if (requirements.*field.member) out[std::string(field.key)] = true;
    for (const auto& field : kNumbers)
        if (const auto& value = requirements.*field.member) out[std::string(field.key)] = *value;
    ForEachChoice(requirements, [&](std::string_view key, auto value) {
        if (value != decltype(value){}) out[std::string(key)] = std::string(KeyOf(value));
    });
    if (requirements.chloride)
        out[std::string(kChlorideKey)] = std::string(KeyOf(*requirements.chloride));
    return out;
}

RequirementsReading RequirementsFromJson(const json& in) {
    if (!in.is_object()) return Refuse("特殊要求须为 JSON 对象");
    Requirements requirements;
    for (const auto& field : kFlags) {
        const auto found = in.find(std::string(field.key));
        if (found == in.end()) continue;
        if (!found->is_boolean()) return Refuse(Quoted(field.key) + "须为 true 或 false");
        requirements.*field.member = found->get<bool>();
    }
    for (const auto& field : kNumbers) {
        const auto found = in.find(std::string(field.key));
        if (found == in.end() || found->is_null()) continue;
        if (!found->is_number()) return Refuse(Quoted(field.key) + "须为数字");
        requirements.*field.member = found->get<double>();
    }
    std::string problem;
    ForEachChoice(requirements, [&](std::string_view key, auto& value) {
        if (problem.empty()) problem = ReadChoice(in, key, value);
    });
    if (!problem.empty()) return Refuse(problem);
    if (in.contains(std::string(kChlorideKey))) {
        ChlorideEnvironment chloride{};
        if (problem = ReadChoice(in, kChlorideKey, chloride); !problem.empty())
            return Refuse(problem);
        requirements.chloride = chloride;
    }
    return {requirements, {}};
}

bool IsRequirementsKey(std::string_view key) {
    bool known = key == kChlorideKey;
    for (const auto& field : kFlags)
        known = known || key == field.key;
    for (const auto& field : kNumbers)
        known = known || key == field.key;
    Requirements requirements;
    ForEachChoice(requirements,
                  [&](std::string_view choice, auto&) { known = known || key == choice; });
    return known;
}

} // namespace mixora::jgj55
