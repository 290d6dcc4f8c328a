#include "inputs_json.h"

#include "input_reading.h"
#include "json_keys.h"
#include "shown_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace mixora::jgj55 {
namespace {

using nlohmann::json;

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

// The object a number input stands in: "design" itself, its "volume" or its "given".
const json* PlaceIn(const json& design, InputPlace place) {
    if (place == InputPlace::Design) return &design;
    const auto found =
        design.find(std::string(place == InputPlace::Volume ? kVolumeKey : kGivenKey));
    return found == design.end() ? nullptr : &*found;
}

json& PlaceIn(json& design, InputPlace place) {
    if (place == InputPlace::Design) return design;
    return design[std::string(place == InputPlace::Volume ? kVolumeKey : kGivenKey)];
}

// A number input as the file holds it: a number (held to its range), or a text the user typed
// that did not read, kept as typed. Empty when it reads, else why the file cannot be read.
std::string ReadNumberInput(const json& value, const NumberInput& input, Inputs& inputs) {
    if (value.is_string()) {
        PutInput(inputs, input, value.get_ref<const std::string&>());
        return {};
    }
    if (!value.is_number()) return Quoted(input.key) + "须为数字";
    const double number = value.get<double>();
    if (const InputReading reading = CheckInput(input, number); !reading.value)
        inputs.unread.emplace(std::string(input.key), ExactText(number));
    else if (input.given)
        input.given(inputs) = number;
    else
        input.number(inputs) = number;
    return {};
}

// The grade as an integer (30, or 30.0); none for anything else.
std::optional<double> IntegralGrade(const json& value) {
    if (!value.is_number()) return std::nullopt;
    const double number = value.get<double>();
    if (!std::isfinite(number) || number != std::trunc(number)) return std::nullopt;
    return number;
}

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
    out[std::string(kVolumeKey)] = json::object();
    out[std::string(kGivenKey)] = json::object();
    for (const NumberInput& input : NumberInputs()) {
        json& place = PlaceIn(out, input.place);
        const std::string key(input.key);
        if (const auto unread = inputs.unread.find(key); unread != inputs.unread.end())
            place[key] = unread->second; // as typed: it does not read
        else if (!input.given) {
            if (!(input.omitted_at_zero && NumberIn(inputs, input) == 0.0))
                place[key] = NumberIn(inputs, input);
        } else if (const std::optional<double> given = GivenIn(inputs, input))
            place[key] = *given;
    }
    if (!inputs.strength_results.empty()) out[std::string(kResultsKey)] = inputs.strength_results;
    return out;
}

InputsReading InputsFromJson(const json& in) {
    if (!in.is_object()) return Refuse("配合比设计的输入须为 JSON 对象");
    Inputs inputs;
    Reader reader(in);

    if (const auto grade = in.find(std::string(kGradeKey)); grade != in.end()) {
        const std::optional<double> value = IntegralGrade(*grade);
        if (!value) return Refuse(Quoted(kGradeKey) + "须为整数（C30 写作 30）");
        if (*value < kLowestGrade || *value > kHighestGrade ||
            !IsOfferedGrade(static_cast<int>(*value)))
            return Refuse(Quoted(kGradeKey) + "的值 " + ExactText(*value) +
                          " 不是可选的强度等级（C" + std::to_string(kLowestGrade) + "～C" +
                          std::to_string(kHighestGrade) + "，每级 " + std::to_string(kGradeStep) +
                          "）");
        inputs.grade = static_cast<int>(*value);
    }
    bool ok = true;
    ForEachChoice(inputs, [&](std::string_view key, auto& value) {
        if (ok) ok = reader.Choice(key, value);
    });
    if (!ok) return Refuse(reader.problem());
    if (const auto sizes = MaxSizesOf(inputs.coarse);
        std::find(sizes.begin(), sizes.end(), inputs.max_size) == sizes.end())
        return Refuse("“max_size”的值“" + std::string(KeyOf(inputs.max_size)) + "”不是" +
                      std::string(NameOf(inputs.coarse)) + "可选的最大粒径");

    for (const InputPlace place : {InputPlace::Volume, InputPlace::Given})
        if (const json* object = PlaceIn(in, place); object && !object->is_object())
            return Refuse(Quoted(place == InputPlace::Volume ? kVolumeKey : kGivenKey) +
                          "须为 JSON 对象");
    for (const NumberInput& input : NumberInputs()) {
        const json* place = PlaceIn(in, input.place);
        if (!place) continue;
        const auto found = place->find(std::string(input.key));
        if (found == place->end() || (input.given && found->is_null())) continue;
        if (std::string problem = ReadNumberInput(*found, input, inputs); !problem.empty())
            return Refuse(std::move(problem));
    }
    if (const auto results = in.find(std::string(kResultsKey)); results != in.end()) {
        if (!results->is_array()) return Refuse(Quoted(kResultsKey) + "须为数字的数组");
        for (const json& value : *results) {
            if (!value.is_number()) return Refuse(Quoted(kResultsKey) + "须为数字的数组");
            const double result = value.get<double>();
            if (!kStrengthRange.Holds(result))
                return Refuse(OutOfRange(kStrengthRange,
                                         Quoted(kResultsKey) + "的第 " +
                                             std::to_string(inputs.strength_results.size() + 1) +
                                             " 项",
                                         ExactText(result)));
            inputs.strength_results.push_back(result);
        }
    }
    return {std::move(inputs), {}};
}

} // namespace mixora::jgj55
