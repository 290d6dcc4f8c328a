#include "jgj55_content.h"

#include "inputs_json.h"
#include "trial_json.h"

#include <optional>

namespace mixora::session {

namespace {

using Json = nlohmann::json;

std::optional<jgj55::Inputs> ReadInputs(const Json& json) {
    return jgj55::InputsFromJson(json).inputs;
}

std::optional<trial::TrialEntries> ReadTrial(const Json& json) {
    return trial::TrialEntriesFromJson(json).value;
}

template <class Value>
Json Written(const Json& content, const char* key, const Value& now, Json now_json,
             std::optional<Value> (*read)(const Json&)) {
    const auto found = content.find(key);
    if (found == content.end() || !found->is_object()) return now_json;
    if (const std::optional<Value> before = read(*found); before && *before == now) return *found;
    Json merged = *found;
    merged.update(now_json);
    return merged;
}

} // namespace

Jgj55Content Jgj55ContentOf(const document::DesignDocument& document) {
    Jgj55Content content;
    if (document.kind() != document::DesignKind::Jgj55) return content;
    const Json& members = document.content();
    if (const auto found = members.find("design"); found != members.end())
        if (auto inputs = ReadInputs(*found)) content.inputs = std::move(*inputs);
    if (const auto found = members.find("trial"); found != members.end())
        if (auto entries = ReadTrial(*found)) content.trial = std::move(*entries);
    return content;
}

document::DesignDocument WithJgj55Content(document::DesignDocument base,
                                          const Jgj55Content& content) {
    const Json stored =
        base.kind() == document::DesignKind::Jgj55 ? base.content() : Json::object();
    Json members = stored;
    members["design"] =
        Written(stored, "design", content.inputs, jgj55::InputsToJson(content.inputs), ReadInputs);
    members["trial"] = Written(stored, "trial", content.trial,
                               trial::TrialEntriesToJson(content.trial), ReadTrial);
    base.set_content(document::DesignKind::Jgj55, std::move(members));
    return base;
}

} // namespace mixora::session
