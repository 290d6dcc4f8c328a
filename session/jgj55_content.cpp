#include "jgj55_content.h"

#include "design_format.h"
#include "input_reading.h"
#include "inputs_json.h"
#include "number_inputs.h"
#include "text_position.h"
#include "trial_json.h"

#include <optional>
#include <string_view>

namespace mixora::session {

namespace {

using Json = nlohmann::json;

std::optional<jgj55::Inputs> ReadInputs(const Json& json) {
    return jgj55::InputsFromJson(json).inputs;
}

std::optional<trial::TrialEntries> ReadTrial(const Json& json) {
    return trial::TrialEntriesFromJson(json).value;
}

// Every member this version reads, at every depth, with the value it writes: the inputs with
// every given value, past results and an unread text, and the trial's entries (written whole).
const Json& KnownDesign() {
    static const Json known = [] {
        jgj55::Inputs inputs;
        for (const jgj55::NumberInput& input : jgj55::NumberInputs())
            if (input.given) input.given(inputs) = 1;
        inputs.strength_results = {1};
        return jgj55::InputsToJson(inputs);
    }();
    return known;
}
const Json& KnownTrial() {
    static const Json known = trial::TrialEntriesToJson({});
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
template <class Value>
void Put(Json& members, const char* key, const Value& now, Json now_json,
         std::optional<Value> (*read)(const Json&), const Json& known) {
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
    if (const auto found = members.find("design"); found != members.end())
        if (auto inputs = ReadInputs(*found)) content.inputs = std::move(*inputs);
    if (const auto found = members.find("trial"); found != members.end())
        if (auto entries = ReadTrial(*found)) content.trial = std::move(*entries);
    return content;
}

std::string InputProblemOf(const document::DesignDocument& document) {
    if (document.kind() != document::DesignKind::Jgj55) return {};
    return jgj55::FirstInputProblem(Jgj55ContentOf(document).inputs);
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
    Put(members, "design", content.inputs, design, ReadInputs, KnownDesign());
    Put(members, "trial", content.trial, entries, ReadTrial, KnownTrial());
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
