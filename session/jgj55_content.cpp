#include "jgj55_content.h"

#include "design_format.h"
#include "input_reading.h"
#include "inputs_json.h"
#include "jgj55_basis.h"
#include "number_inputs.h"
#include "requirements_json.h"
#include "text_position.h"
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

// The requirements with the texts of their numbers that do not read.
using RequirementsMember = std::pair<jgj55::Requirements, jgj55::Unread>;
std::optional<RequirementsMember> ReadRequirements(const Json& json) {
    jgj55::RequirementsReading reading = jgj55::RequirementsFromJson(json);
    if (!reading.requirements) return std::nullopt;
    return RequirementsMember{*reading.requirements, std::move(reading.unread)};
}

// The trial as the file holds it, an older file's cubes recorded from the file's design.
std::optional<trial::TrialEntries> ReadTrial(const Json& json, const jgj55::Inputs& inputs) {
    std::optional<trial::TrialEntries> entries = trial::TrialEntriesFromJson(json).value;
    if (entries) entries = trial::WithOldGroupsRecorded(std::move(*entries), inputs);
    return entries;
}

// The design the file holds with its requirements, or the defaults.
jgj55::Inputs FileInputs(const Json& members) {
    jgj55::Inputs inputs;
    if (const auto found = members.find("design"); found != members.end())
        if (auto read = ReadInputs(*found)) inputs = std::move(*read);
    if (const auto found = members.find("requirements"); found != members.end())
        if (auto requirements = ReadRequirements(*found)) {
            inputs.requirements = std::move(requirements->first);
            inputs.unread.merge(requirements->second);
        }
    return inputs;
}

// Every member this version reads, at every depth, with the value it writes: the inputs with
// every given value, past results and an unread text, and the trial's entries (written whole).
const Json& KnownDesign() {
    static const Json known = [] {
        jgj55::Inputs inputs;
        for (const jgj55::NumberInput& input : jgj55::NumberInputs())
            if (input.given)
                input.given(inputs) = 1;
            else if (input.omitted_at_zero)
                input.number(inputs) = 1;
        inputs.strength_results = {1};
        return jgj55::InputsToJson(inputs);
    }();
    return known;
}
// The requirements with every member written.
const Json& KnownRequirements() {
    static const Json known = [] {
        const jgj55::Requirements all{.pumped = true,
                                      .pump_height = 1,
                                      .pipe_bore = 1,
                                      .impermeability = jgj55::ImpermeabilityGrade::P6,
                                      .impermeability_value = 1,
                                      .frost = jgj55::FrostGrade::F50,
                                      .frost_value = 1,
                                      .air_entrained = true,
                                      .air_exposure = jgj55::AirExposure::Moist,
                                      .air_content = 1,
                                      .mass = true,
                                      .chloride = jgj55::ChlorideEnvironment::Dry};
        return jgj55::RequirementsToJson(all);
    }();
    return known;
}
const Json& KnownTrial() {
    // With the members written only when they hold something: what was cast and the history.
    static const Json known = [] {
        trial::TrialEntries entries;
        entries.cast.emplace();
        entries.cast->design.emplace_back();
        entries.cast->batches.emplace_back();
        entries.cast->accepted.design.emplace_back();
        entries.history.emplace_back(static_cast<const trial::TrialAttempt&>(entries));
        return trial::TrialEntriesToJson(entries);
    }();
    return known;
}

// `now` with what `before` held that this version does not know, at every depth: a member of an
// object that `known` lacks is kept as it was; one it has is as written now (gone when now has
// it no more); the elements of an array of the same length are merged pairwise.
Json Merged(const Json& before, Json now, const Json& known) {
    if (before.is_object() && now.is_object() && known.is_object()) {
        for (const auto& [key, value] : before.items()) {
            const auto shape = known.find(key);
            if (shape == known.end())
                now[key] = value;
            else if (const auto written = now.find(key); written != now.end())
                *written = Merged(value, std::move(*written), *shape);
        }
    } else if (before.is_array() && now.is_array() && known.is_array() && !known.empty() &&
               before.size() == now.size()) {
        for (std::size_t i = 0; i < now.size(); ++i)
            now[i] = Merged(before[i], std::move(now[i]), known.front());
    }
    return now;
}

// Puts `now` into members[key]. A member that reads as `now` is kept exactly as it is, and so is
// its absence from a file that left it out while `now` is what an absent one reads as.
template <class Value, class Read>
void Put(Json& members, const char* key, const Value& now, Json now_json, const Read& read,
         const Json& known) {
    const auto found = members.find(key);
    if (found == members.end()) {
        if (read(Json::object()) != now) members[key] = std::move(now_json);
        return;
    }
    if (const std::optional<Value> before = read(*found); before && *before == now) return;
    *found = Merged(*found, std::move(now_json), known);
}

// The first text of a member this version reads that no window could hold: longer than a
// design's text may be, or with a NUL character (an edit control ends the text there).
std::string TextProblem(const Json& value, const Json& known, const std::string& path) {
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        if (text.find('\0') != std::string::npos) return "“" + path + "”的文本含有空字符（U+0000）";
        if (document::CountCharacters(text) > document::kMaxDesignTextLength)
            return "“" + path + "”的文本过长（超过 " +
                   std::to_string(document::kMaxDesignTextLength) + " 个字符）";
    } else if (value.is_object() && known.is_object()) {
        for (const auto& [key, member] : value.items())
            if (const auto shape = known.find(key); shape != known.end())
                if (std::string problem =
                        TextProblem(member, *shape, path.empty() ? key : path + "." + key);
                    !problem.empty())
                    return problem;
    } else if (value.is_array() && known.is_array() && !known.empty()) {
        for (std::size_t i = 0; i < value.size(); ++i)
            if (std::string problem =
                    TextProblem(value[i], known.front(), path + "[" + std::to_string(i) + "]");
                !problem.empty())
                return problem;
    }
    return {};
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

std::string InputProblemOf(const document::DesignDocument& document) {
    if (document.kind() != document::DesignKind::Jgj55) return {};
    return jgj55::FirstInputProblem(Jgj55ContentOf(document).inputs);
}

document::DesignDocument WithJgj55Content(document::DesignDocument base,
                                          const Jgj55Content& content) {
    // The requirements are a member of their own: "design" holds the rest of the inputs.
    jgj55::Inputs inputs = content.inputs;
    RequirementsMember requirements{std::exchange(inputs.requirements, {}), {}};
    for (const jgj55::RequirementNumber& number : jgj55::RequirementNumbers())
        if (auto typed = inputs.unread.extract(jgj55::UnreadKey(number)))
            requirements.second.insert(std::move(typed));
    const Json design = jgj55::InputsToJson(inputs);
    const Json required = jgj55::RequirementsToJson(requirements.first, requirements.second);
    const Json entries = trial::TrialEntriesToJson(content.trial);
    if (base.kind() != document::DesignKind::Jgj55) {
        Json members = {{"design", design}, {"trial", entries}};
        if (!required.empty()) members["requirements"] = required;
        base.set_content(document::DesignKind::Jgj55, std::move(members));
        return base;
    }
    Json members = base.content();
    const jgj55::Inputs file_inputs = FileInputs(members);
    Put(members, "design", inputs, design, ReadInputs, KnownDesign());
    Put(members, "requirements", requirements, required, ReadRequirements, KnownRequirements());
    // None any more, and nothing this version does not know: the member goes.
    if (const auto found = members.find("requirements");
        found != members.end() && found->is_object() && found->empty())
        members.erase(found);
    // An older file's cubes, recorded as it opened, stay unwritten while its design is as it
    // was (they would be recorded the same way again); once it changes, the record is written.
    const bool same_design = file_inputs == content.inputs;
    Put(
        members, "trial", content.trial, entries,
        [&](const Json& json) {
            return same_design ? ReadTrial(json, file_inputs)
                               : trial::TrialEntriesFromJson(json).value;
        },
        KnownTrial());
    base.set_content(document::DesignKind::Jgj55, std::move(members));
    return base;
}

std::string DesignTextProblem(const nlohmann::json& design) {
    return TextProblem(design, KnownDesign(), "");
}

std::string TrialTextProblem(const nlohmann::json& trial) {
    return TextProblem(trial, KnownTrial(), "");
}

} // namespace mixora::session
