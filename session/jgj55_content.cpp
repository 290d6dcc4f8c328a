#include "jgj55_content.h"

#include "inputs_json.h"
#include "jgj55_basis.h"
#include "trial_json.h"

#include <optional>
#include <string_view>

namespace mixora::session {

namespace {

using Json = nlohmann::json;

std::optional<jgj55::Inputs> ReadInputs(const Json& json) {
    return jgj55::InputsFromJson(json).inputs;
}

// The trial as the file holds it, an older file's cubes recorded from the file's design.
std::optional<trial::TrialEntries> ReadTrial(const Json& json, const jgj55::Inputs& inputs) {
    std::optional<trial::TrialEntries> entries = trial::TrialEntriesFromJson(json).value;
    if (entries) entries = trial::WithOldGroupsRecorded(std::move(*entries), inputs);
    return entries;
}

// The design the file holds, or the defaults.
jgj55::Inputs FileInputs(const Json& members) {
    if (const auto found = members.find("design"); found != members.end())
        if (auto inputs = ReadInputs(*found)) return *inputs;
    return {};
}

// Puts `now` into members[key]. A member that reads as `now` is kept exactly as it is, and so is
// its absence from a file that left it out while `now` is what an absent one reads as.
template <class Value, class Read>
void Put(Json& members, const char* key, const Value& now, Json now_json, const Read& read,
         bool (*known)(std::string_view)) {
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
    content.inputs = FileInputs(members);
    if (const auto found = members.find("trial"); found != members.end())
        if (auto entries = ReadTrial(*found, content.inputs)) content.trial = std::move(*entries);
    return content;
}

document::DesignDocument WithJgj55Content(document::DesignDocument base,
                                          const Jgj55Content& content) {
    const Json design = jgj55::InputsToJson(content.inputs);
    const Json entries = trial::TrialEntriesToJson(content.trial);
    if (base.kind() != document::DesignKind::Jgj55) {
        base.set_content(document::DesignKind::Jgj55, {{"design", design}, {"trial", entries}});
        return base;
    }
    Json members = base.content();
    const jgj55::Inputs file_inputs = FileInputs(members);
    Put(members, "design", content.inputs, design, ReadInputs, jgj55::IsInputsKey);
    // An older file's cubes, recorded as it opened, stay unwritten while its design is as it
    // was (they would be recorded the same way again); once it changes, the record is written.
    const bool same_design = file_inputs == content.inputs;
    Put(
        members, "trial", content.trial, entries,
        [&](const Json& json) {
            return same_design ? ReadTrial(json, file_inputs)
                               : trial::TrialEntriesFromJson(json).value;
        },
        trial::IsTrialEntriesKey);
    base.set_content(document::DesignKind::Jgj55, std::move(members));
    return base;
}

} // namespace mixora::session
