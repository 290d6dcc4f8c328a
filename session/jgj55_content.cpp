#include "jgj55_content.h"

#include "inputs_json.h"
#include "requirements_json.h"
#include "trial_json.h"

#include <optional>
#include <string_view>
#include <utility>

namespace mixora::session {

namespace {

using Json = nlohmann::json;

std::optional<jgj55::Inputs> ReadInputs(const Json& json) {
    return jgj55::InputsFromJson(json).inputs;
}

std::optional<jgj55::Requirements> ReadRequirements(const Json& json) {
    return jgj55::RequirementsFromJson(json).requirements;
}

std::optional<trial::TrialEntries> ReadTrial(const Json& json) {
    return trial::TrialEntriesFromJson(json).value;
}

// Whether the trial's entries have a member `key`: the trial writes every member it has.
bool IsTrialKey(std::string_view key) {
    static const Json written = trial::TrialEntriesToJson({});
    return written.contains(key);
}

// Puts `now` into members[key]. A member that reads as `now` is kept exactly as it is, and so is
// its absence from a file that left it out while `now` is what an absent one reads as.
template <class Value>
void Put(Json& members, const char* key, const Value& now, Json now_json,
         std::optional<Value> (*read)(const Json&), bool (*known)(std::string_view)) {
    const auto found = members.find(key);
    if (found == members.end()) {
        if (read(Json::object()) != now) members[key] = std::move(now_json);
        return;
    }
    if (!found->is_object()) {
        *found = std::move(now_json);
        return;
    }
    if (const std::optional<Value> before = read(*found); before && *before == now) return;
    // The members of this version as written now (one it leaves out is gone), the others kept.
    Json merged = Json::object();
    for (const auto& [member, value] : found->items())
        if (!known(member)) merged[member] = value;
    merged.update(now_json);
    *found = std::move(merged);
}

} // namespace

Jgj55Content Jgj55ContentOf(const document::DesignDocument& document) {
    Jgj55Content content;
    if (document.kind() != document::DesignKind::Jgj55) return content;
    const Json& members = document.content();
    if (const auto found = members.find("design"); found != members.end())
        if (auto inputs = ReadInputs(*found)) content.inputs = std::move(*inputs);
    if (const auto found = members.find("requirements"); found != members.end())
        if (auto requirements = ReadRequirements(*found))
            content.inputs.requirements = std::move(*requirements);
    if (const auto found = members.find("trial"); found != members.end())
        if (auto entries = ReadTrial(*found)) content.trial = std::move(*entries);
    return content;
}

document::DesignDocument WithJgj55Content(document::DesignDocument base,
                                          const Jgj55Content& content) {
    // The requirements are a member of their own: "design" holds the rest of the inputs.
    jgj55::Inputs inputs = content.inputs;
    const jgj55::Requirements requirements = std::exchange(inputs.requirements, {});
    const Json design = jgj55::InputsToJson(inputs);
    const Json required = jgj55::RequirementsToJson(requirements);
    const Json entries = trial::TrialEntriesToJson(content.trial);
    if (base.kind() != document::DesignKind::Jgj55) {
        Json members = {{"design", design}, {"trial", entries}};
        if (!required.empty()) members["requirements"] = required;
        base.set_content(document::DesignKind::Jgj55, std::move(members));
        return base;
    }
    Json members = base.content();
    Put(members, "design", inputs, design, ReadInputs, jgj55::IsInputsKey);
    Put(members, "requirements", requirements, required, ReadRequirements,
        jgj55::IsRequirementsKey);
    Put(members, "trial", content.trial, entries, ReadTrial, IsTrialKey);
    base.set_content(document::DesignKind::Jgj55, std::move(members));
    return base;
}

} // namespace mixora::session
