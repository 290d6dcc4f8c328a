#include "requirements_json.h"

#include "choices.h"
#include "decimal_rounding.h"
#include "json_keys.h"
#include "typed_number.h"

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
    return {std::nullopt, std::move(problem), {}};
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

json RequirementsToJson(const Requirements& requirements, const Unread& unread) {
    json out = json::object();
    for (const auto& field : kFlags)
        if (requirements.*field.member) out[std::string(field.key)] = true;
    for (const RequirementNumber& number : RequirementNumbers()) {
        if (const auto typed = unread.find(UnreadKey(number)); typed != unread.end())
            out[std::string(number.key)] = typed->second; // as typed: it does not read
        else if (const auto& value = requirements.*number.member)
            out[std::string(number.key)] = *value;
    }
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
    Unread unread;
    for (const RequirementNumber& number : RequirementNumbers()) {
        const auto found = in.find(std::string(number.key));
        if (found == in.end() || found->is_null()) continue;
        if (found->is_string())
            PutRequirementNumber(requirements, unread, number,
                                 found->get_ref<const std::string&>());
        else if (found->is_number())
            PutRequirementNumber(requirements, unread, number,
                                 calc::ExactText(found->get<double>()));
        else
            return Refuse(Quoted(number.key) + "须为数字");
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
    return {requirements, {}, std::move(unread)};
}

} // namespace mixora::jgj55
