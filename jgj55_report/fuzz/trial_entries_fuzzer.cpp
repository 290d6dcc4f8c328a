// Fuzzes the reader of the trial's entries and the trial on what it reads: no input may crash
// or hang them; entries that are refused say why; entries that are read write back to what reads
// as the same and is written again the same; and whatever was entered, on a design by either
// method, every stage of the trial is either computed or says what it lacks, and the report's
// sections and the batch ticket are built. It stands with the report, the highest layer it runs.
#include "batch_ticket.h"
#include "design.h"
#include "trial_json.h"
#include "trial_sections.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using Json = nlohmann::json;
using namespace mixora;

void Expect(bool holds) {
    if (!holds) std::abort();
}

// The worked example of the README (C35, fly ash 20 %, β 25 %) by either method.
jgj55::Inputs Design(jgj55::Method method) {
    jgj55::Inputs inputs;
    inputs.grade = 35;
    inputs.fly_ash_share = 20;
    inputs.admixture_dosage = 1.2;
    inputs.water_reduction = 25;
    inputs.slump = 160;
    inputs.method = method;
    return inputs;
}

void RunOn(const jgj55::Inputs& inputs, const trial::TrialEntries& entries) {
    const jgj55::Result result = jgj55::ComputeDesign(inputs);
    const trial::Jgj55Trial run = trial::RunJgj55Trial(inputs, result, entries);
    Expect(run.basis.value.has_value());
    for (const trial::StageState& stage : trial::Stages(run.record))
        Expect(stage.filled || !stage.missing.empty());
    Expect(!jgj55_report::TrialSections(run, entries).empty());
    Expect(!jgj55_report::BuildBatchTicket(inputs, result, entries, {}).sections.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Json json = Json::parse(bytes, nullptr, false);
    if (json.is_discarded()) return 0;
    const trial::Computed<trial::TrialEntries> read = trial::TrialEntriesFromJson(json);
    if (!read.value) {
        Expect(!read.missing.empty() && !read.missing.front().empty());
        return 0;
    }
    const Json written = trial::TrialEntriesToJson(*read.value);
    const auto again = trial::TrialEntriesFromJson(Json::parse(written.dump()));
    Expect(again.value && *again.value == *read.value);
    Expect(trial::TrialEntriesToJson(*again.value).dump() == written.dump());

    RunOn(Design(jgj55::Method::Volume), *read.value);
    RunOn(Design(jgj55::Method::Mass), *read.value);
    return 0;
}
