// Fuzzes the readers of a JGJ 55-2011 design's members: the inputs ("design") and the trial's
// entries ("trial") alone and in a design file. No input may crash or hang them; a member that
// is refused says why; one that is read writes back to what reads as the same and is written
// again the same, and the design computed from it shows every value or says why not; a design
// saved unchanged keeps its members as they were, and one saved with
// other values reads back as those values.
#include "design.h"
#include "decimal_rounding.h"
#include "design_reading.h"
#include "input_reading.h"
#include "inputs_json.h"
#include "jgj55_content.h"
#include "trial_json.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

namespace {

using Json = nlohmann::json;
using namespace mixora;

void Expect(bool holds) {
    if (!holds) std::abort();
}

Json Reparsed(const Json& json) {
    return Json::parse(json.dump());
}

void CheckInputs(const Json& json) {
    const jgj55::InputsReading read = jgj55::InputsFromJson(json);
    if (!read.inputs) return Expect(!read.problem.empty());
    const Json written = jgj55::InputsToJson(*read.inputs);
    const jgj55::InputsReading again = jgj55::InputsFromJson(Reparsed(written));
    Expect(again.inputs && *again.inputs == *read.inputs);
    Expect(jgj55::InputsToJson(*again.inputs).dump() == written.dump());

    // Whatever a file holds, the design shows each value with its text or says why not.
    const jgj55::Result result = jgj55::ComputeDesign(*read.inputs);
    for (const jgj55::Parameter& parameter : result.parameters)
        Expect(parameter.value ? std::isfinite(*parameter.value) && !parameter.text.empty()
                               : !parameter.reason.empty());
}

void CheckTrial(const Json& json) {
    const trial::Computed<trial::TrialEntries> read = trial::TrialEntriesFromJson(json);
    if (!read.value) return Expect(!read.missing.empty() && !read.missing.front().empty());
    const Json written = trial::TrialEntriesToJson(*read.value);
    const auto again = trial::TrialEntriesFromJson(Reparsed(written));
    Expect(again.value && *again.value == *read.value);
    Expect(trial::TrialEntriesToJson(*again.value).dump() == written.dump());
}

// The design saved with `content` reads back as it, and is written again byte for byte.
void CheckSavedAs(const document::DesignDocument& opened, const session::Jgj55Content& content) {
    const document::WriteResult written =
        document::WriteDesign(session::WithJgj55Content(opened, content));
    const auto* text = std::get_if<std::string>(&written);
    if (!text)
        return Expect(std::get<document::DocumentError>(written).kind ==
                      document::DocumentErrorKind::TooLarge);
    const document::ReadResult read = session::ReadDesignDocument(*text);
    const auto* reopened = std::get_if<document::DesignDocument>(&read);
    Expect(reopened && session::Jgj55ContentOf(*reopened) == content);
    Expect(document::WriteDesign(*reopened) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Json content = Json::parse(bytes, nullptr, false);
    if (content.is_discarded() || !content.is_object()) return 0;
    if (const auto design = content.find("design"); design != content.end()) CheckInputs(*design);
    if (const auto entries = content.find("trial"); entries != content.end()) CheckTrial(*entries);

    document::DesignDocument document;
    document.set_content(document::DesignKind::Jgj55, content);
    const document::WriteResult written = document::WriteDesign(document);
    const auto* text = std::get_if<std::string>(&written);
    if (!text) return 0;
    const document::ReadResult read = session::ReadDesignDocument(*text);
    if (const auto* error = std::get_if<document::DocumentError>(&read)) {
        Expect(!document::ErrorMessage(*error).empty());
        return 0;
    }
    const document::DesignDocument& opened = std::get<document::DesignDocument>(read);
    const session::Jgj55Content shown = session::Jgj55ContentOf(opened);
    Expect(session::WithJgj55Content(opened, shown) == opened);

    CheckSavedAs(opened, {});
    session::Jgj55Content changed = shown;
    changed.inputs.strength_results.clear();
    changed.inputs.sigma.reset();
    // As a user types it: a value outside its range, or over a text that did not read, is kept
    // as typed.
    jgj55::PutInput(changed.inputs, *jgj55::FindNumberInput("slump"),
                    calc::ExactText(changed.inputs.slump + 10));
    changed.trial.batch.litres.clear();
    changed.trial.strength.groups[0].density = "2400";
    CheckSavedAs(opened, changed);
    return 0;
}
