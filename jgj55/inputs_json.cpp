#include "inputs_json.h"

#include "json_keys.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace mixora::jgj55 {
namespace {

using nlohmann::json;

template <class Member> using Field = JsonField<Member>;

// The values a user may give in place of the derived ones.
constexpr std::array<Field<std::optional<double> Inputs::*>, 13> kGiven = {{
    {"sigma", &Inputs::sigma},
    {"cement_strength", &Inputs::cement_strength},
    {"cement_surplus", &Inputs::cement_surplus},
    {"fly_ash_factor", &Inputs::fly_ash_factor},
    {"slag_factor", &Inputs::slag_factor},
    {"binder_strength", &Inputs::binder_strength},
    {"alpha_a", &Inputs::alpha_a},
    {"alpha_b", &Inputs::alpha_b},
    {"water_binder", &Inputs::water_binder},
    {"water_before_reducer", &Inputs::water_before_reducer},
    {"water", &Inputs::water},
    {"sand_ratio", &Inputs::sand_ratio},
    {"binder", &Inputs::binder},
}};

constexpr std::array<Field<double Inputs::*>, 6> kNumbers = {{
    {"fly_ash_share", &Inputs::fly_ash_share},
    {"slag_share", &Inputs::slag_share},
    {"admixture_dosage", &Inputs::admixture_dosage},
    {"water_reduction", &Inputs::water_reduction},
    {"slump", &Inputs::slump},
    {"assumed_mass", &Inputs::assumed_mass},
}};

constexpr std::array<Field<double VolumeMethodInputs::*>, 7> kVolume = {{
    {"cement_density", &VolumeMethodInputs::cement_density},
    {"fly_ash_density", &VolumeMethodInputs::fly_ash_density},
    {"slag_density", &VolumeMethodInputs::slag_density},
    {"sand_density", &VolumeMethodInputs::sand_density},
    {"stone_density", &VolumeMethodInputs::stone_density},
    {"water_density", &VolumeMethodInputs::water_density},
    {"air_percent", &VolumeMethodInputs::air_percent},
}};

constexpr std::string_view kGivenKey = "given";
constexpr std::string_view kVolumeKey = "volume";
constexpr std::string_view kResultsKey = "strength_results";
constexpr std::string_view kGradeKey = "grade";

// The choices, each under its key, written and read alike.
template <class In, class Visit> void ForEachChoice(In& inputs, Visit&& visit) {
    visit("cement_kind", inputs.cement_kind);
    visit("cement_grade", inputs.cement_grade);
    visit("fly_ash_grade", inputs.fly_ash_grade);
    visit("slag_grade", inputs.slag_grade);
    visit("coarse", inputs.coarse);
    visit("max_size", inputs.max_size);
    visit("sand", inputs.sand);
    visit("environment", inputs.environment);
    visit("structure", inputs.structure);
    visit("method", inputs.method);
}

std::string Quoted(std::string_view key) {
    return QuotedKey(key);
}

class Reader {
  public:
    explicit Reader(const json& object) : object_(object) {}

    bool Number(std::string_view key, double& out) {
        const auto found = object_.find(std::string(key));
        if (found == object_.end()) return true;
        if (!found->is_number()) return Fail(Quoted(key) + "须为数字");
        out = found->get<double>();
        return true;
    }
    bool Given(std::string_view key, std::optional<double>& out) {
        const auto found = object_.find(std::string(key));
        if (found == object_.end() || found->is_null()) return true;
        if (!found->is_number()) return Fail(Quoted(key) + "须为数字");
        out = found->get<double>();
        return true;
    }
    template <class E> bool Choice(std::string_view key, E& out) {
        const auto found = object_.find(std::string(key));
        if (found == object_.end()) return true;
        if (!found->is_string()) return Fail(Quoted(key) + "须为文字");
        const auto value = FromKey<E>(found->get_ref<const std::string&>());
        if (!value)
            return Fail(Quoted(key) + "的值“" + found->get<std::string>() + "”不是可选的一项");
        out = *value;
        return true;
    }
    const std::string& problem() const { return problem_; }

  private:
    bool Fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }
    const json& object_;
    std::string problem_;
};

InputsReading Refuse(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

} // namespace

json InputsToJson(const Inputs& inputs) {
    json out = json::object();
    out[std::string(kGradeKey)] = inputs.grade;
    ForEachChoice(inputs, [&](std::string_view key, auto value) {
        out[std::string(key)] = std::string(KeyOf(value));
    });
    for (const auto& field : kNumbers)
        out[std::string(field.key)] = inputs.*field.member;
    json volume = json::object();
    for (const auto& field : kVolume)
        volume[std::string(field.key)] = inputs.volume.*field.member;
    out[std::string(kVolumeKey)] = std::move(volume);
    if (!inputs.strength_results.empty()) out[std::string(kResultsKey)] = inputs.strength_results;
    json given = json::object();
    for (const auto& field : kGiven)
        if (const auto& value = inputs.*field.member) given[std::string(field.key)] = *value;
    out[std::string(kGivenKey)] = std::move(given);
    return out;
}

InputsReading InputsFromJson(const json& in) {
    if (!in.is_object()) return Refuse("配合比设计的输入须为 JSON 对象");
    Inputs inputs;
    Reader reader(in);

    if (const auto grade = in.find(std::string(kGradeKey)); grade != in.end()) {
        if (!grade->is_number_integer())
            return Refuse(Quoted(kGradeKey) + "须为整数（C30 写作 30）");
        const auto value = grade->get<std::int64_t>();
        if (value < 0 || value > 1000) return Refuse(Quoted(kGradeKey) + "超出范围");
        inputs.grade = static_cast<int>(value);
    }
    bool ok = true;
    ForEachChoice(inputs, [&](std::string_view key, auto& value) {
        if (ok) ok = reader.Choice(key, value);
    });
    if (!ok) return Refuse(reader.problem());
    for (const auto& field : kNumbers)
        if (!reader.Number(field.key, inputs.*field.member)) return Refuse(reader.problem());

    if (const auto volume = in.find(std::string(kVolumeKey)); volume != in.end()) {
        if (!volume->is_object()) return Refuse(Quoted(kVolumeKey) + "须为 JSON 对象");
        Reader volume_reader(*volume);
        for (const auto& field : kVolume)
            if (!volume_reader.Number(field.key, inputs.volume.*field.member))
                return Refuse(volume_reader.problem());
    }
    if (const auto results = in.find(std::string(kResultsKey)); results != in.end()) {
        if (!results->is_array()) return Refuse(Quoted(kResultsKey) + "须为数字的数组");
        for (const json& value : *results) {
            if (!value.is_number()) return Refuse(Quoted(kResultsKey) + "须为数字的数组");
            inputs.strength_results.push_back(value.get<double>());
        }
    }
    if (const auto given = in.find(std::string(kGivenKey)); given != in.end()) {
        if (!given->is_object()) return Refuse(Quoted(kGivenKey) + "须为 JSON 对象");
        Reader given_reader(*given);
        for (const auto& field : kGiven)
            if (!given_reader.Given(field.key, inputs.*field.member))
                return Refuse(given_reader.problem());
    }
    return {std::move(inputs), {}};
}

bool IsInputsKey(std::string_view key) {
    bool known = key == kGradeKey || key == kVolumeKey || key == kResultsKey || key == kGivenKey;
    for (const auto& field : kNumbers)
        known = known || key == field.key;
    Inputs inputs;
    ForEachChoice(inputs, [&](std::string_view choice, auto&) { known = known || key == choice; });
    return known;
}

} // namespace mixora::jgj55
