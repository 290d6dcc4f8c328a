#include "trial_procedure.h"

namespace mixora::trial {

namespace {

template <class T> StageState State(std::string_view name, const Computed<T>& stage) {
    return StageState{name, stage.filled(), stage.missing};
}

StageState StrengthState(const TrialRecord& record) {
    StageState state = State("强度试验结果", record.strengths);
    if (!record.strengths.value) return state;
    std::size_t valid = 0;
    for (const Computed<GroupResult>& group : record.strengths.value->groups) {
        if (!group.value)
            AddReasons(state.missing, group.missing);
        else if (!group.value->valid())
            state.missing.push_back(group.value->group.reason);
        else
            ++valid;
    }
    state.filled = valid >= 2 && record.strengths.value->unread.empty();
    if (state.filled) state.missing.clear();
    return state;
}

// The production mix is filled with its mix per m³; what its mix per batch lacks is still said.
StageState ProductionState(const TrialRecord& record) {
    StageState state = State("施工配合比", record.production);
    if (record.production.value) state.missing = record.production.value->per_batch.missing;
    return state;
}

} // namespace

TrialRecord RunTrial(const DesignBasis& basis, const AggregateMethod& method,
                     const TrialEntries& entries) {
    TrialRecord record;
    record.batch = ComputeTrialBatch(basis, entries.batch);
    record.trial_mix = ComputeTrialMix(basis, method, entries.batch, entries.adjustment);
    record.strength_mixes = ComputeStrengthMixes(record.trial_mix, record.batch, method);
    record.strengths = ComputeStrengthResults(record.strength_mixes, entries.strength);
    record.choice = ChooseRatio(record.strengths, record.trial_mix, basis.target_strength, method);
    record.density = ComputeDensityCorrection(record.choice, entries.density);
    record.production = ComputeProductionMix(record.density, entries.production);
    return record;
}

TrialRecord RunTrial(const Computed<DesignBasis>& basis, const AggregateMethod& method,
                     const TrialEntries& entries) {
    if (basis.value) return RunTrial(*basis.value, method, entries);
    // An empty basis lacks everything; the design's own reasons say it better.
    TrialRecord record = RunTrial(DesignBasis{}, method, entries);
    const std::vector<std::string> why{"设计尚不能计算（" + Joined(basis.missing) + "）"};
    record.batch = Computed<TrialBatch>::Lacking(why);
    record.trial_mix = Computed<TrialMix>::Lacking(why);
    return record;
}

std::array<StageState, 7> Stages(const TrialRecord& record) {
    return {State("试拌", record.batch),
            State("试拌配合比", record.trial_mix),
            State("强度试验配合比", record.strength_mixes),
            StrengthState(record),
            State("设计配合比", record.choice),
            State("表观密度校正", record.density),
            ProductionState(record)};
}

} // namespace mixora::trial
