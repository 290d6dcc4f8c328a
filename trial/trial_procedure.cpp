#include "trial_procedure.h"

#include "proportioning.h"

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

// A mix of the trial (the trial mix, the chosen one) as it would be recorded now: per m³ and for
// the trial volume; none while either is not known.
template <class M>
std::optional<RecordedMix> RecordedNow(const Computed<M>& mix, const Computed<TrialBatch>& batch) {
    if (!mix.value || !batch.value) return std::nullopt;
    const double litres = batch.value->litres;
    return RecordedMix{mix.value->ratios, mix.value->per_cubic_metre, litres,
                       BatchOf(mix.value->per_cubic_metre, litres)};
}

std::optional<RecordedMix> TrialMixNow(const TrialRecord& record) {
    return RecordedNow(record.trial_mix, record.batch);
}

// The trial mix the specimens were made from, as the later stages take it.
Computed<TrialMix> TrialMixMade(const CastRecord& cast, const Computed<TrialMix>& now) {
    TrialMix made;
    if (now.value) made = *now.value;
    made.per_cubic_metre = cast.trial_mix.per_cubic_metre;
    made.ratios = cast.trial_mix.ratios;
    return Computed<TrialMix>::Of(made);
}

// The strength mixes with those of the groups made as they were made.
Computed<StrengthMixes> WithMadeGroups(Computed<StrengthMixes> mixes, const CastRecord& cast) {
    bool all = true;
    StrengthMixes kept = mixes.value ? *mixes.value : StrengthMixes{};
    for (std::size_t i = 0; i < kept.mixes.size(); ++i) {
        const CastBatch* made = cast.Find(kCastKinds[0].key, static_cast<int>(i));
        if (!made) {
            all = false;
            continue;
        }
        kept.mixes[i] = StrengthMix{made->mix.ratios, made->mix.per_cubic_metre,
                                    Computed<Mix>::Of(made->mix.batch)};
    }
    if (!mixes.value && !all) return mixes;
    return Computed<StrengthMixes>::Of(kept);
}

bool Entered(const GroupEntry& group) {
    return !group.strengths[0].empty() || !group.strengths[1].empty() ||
           !group.strengths[2].empty() || !group.made_on.empty() || !group.specimen_numbers.empty();
}

// The entries of the groups of a kind of specimens: the strength groups or the repeat batches.
const std::array<GroupEntry, 3>* GroupsOf(const TrialAttempt& entries, std::string_view kind) {
    if (kind == kCastKinds[0].key) return &entries.strength.groups;
    if (kind == kCastKinds[1].key) return &entries.special.repeats;
    return nullptr;
}

// Keeps the design and the trial mix the specimens rest on, with the first of them.
void StartRecord(TrialEntries& entries, const DesignBasis& basis, const RecordedMix& trial_mix,
                 const std::string& note) {
    if (!entries.cast) entries.cast = CastRecord{StampOf(basis), trial_mix, note, {}, {}};
}

// The production mix is filled with its mix per m³; what its mix per batch lacks is still said.
StageState ProductionState(const TrialRecord& record) {
    StageState state = State("施工配合比", record.production);
    if (record.production.value) state.missing = record.production.value->per_batch.missing;
    return state;
}

} // namespace

TrialRecord RunTrial(const DesignBasis& basis, const AggregateMethod& method,
                     const TrialAttempt& entries) {
    TrialRecord record;
    record.batch = ComputeTrialBatch(basis, entries.batch);
    record.trial_mix = ComputeTrialMix(basis, method, entries.batch, entries.adjustment);
    record.match = MatchOf(entries.cast, StampOf(basis), TrialMixNow(record));
    const Computed<TrialMix> made =
        entries.cast ? TrialMixMade(*entries.cast, record.trial_mix) : record.trial_mix;
    record.strength_mixes =
        ComputeStrengthMixes(made, record.batch, method, StrengthMixWaterBinderStep(basis.grade));
    if (entries.cast) record.strength_mixes = WithMadeGroups(record.strength_mixes, *entries.cast);
    record.strengths = ComputeStrengthResults(record.strength_mixes, entries.strength);
    record.choice = ChooseRatio(record.strengths, made, basis.target_strength, method);
    record.density = ComputeDensityCorrection(record.choice, entries.density);
    record.production = ComputeProductionMix(record.density, entries.production);
    return record;
}

TrialRecord RunTrial(const Computed<DesignBasis>& basis, const AggregateMethod& method,
                     const TrialAttempt& entries) {
    if (basis.value) return RunTrial(*basis.value, method, entries);
    // An empty basis lacks everything; the design's own reasons say it better.
    TrialRecord record = RunTrial(DesignBasis{}, method, entries);
    const std::vector<std::string> why{"设计尚不能计算（" + Joined(basis.missing) + "）"};
    record.batch = Computed<TrialBatch>::Lacking(why);
    record.trial_mix = Computed<TrialMix>::Lacking(why);
    // Nothing to compare what was made with: say so once rather than every value as gone.
    if (record.match.recorded) {
        record.match.changes = why;
        record.match.first_stale = 0;
        record.match.reason.clear();
    }
    return record;
}

std::array<StageState, kStageCount> Stages(const TrialRecord& record) {
    std::array<StageState, kStageCount> stages = {State("试拌", record.batch),
                                                  State("试拌配合比", record.trial_mix),
                                                  State("强度试验配合比", record.strength_mixes),
                                                  StrengthState(record),
                                                  State("设计配合比", record.choice),
                                                  State("表观密度校正", record.density),
                                                  ProductionState(record)};
    for (std::size_t i = 0; i < stages.size(); ++i)
        if (record.match.stale(i)) {
            stages[i].filled = false;
            stages[i].stale = true;
            stages[i].missing = {std::string(kStaleText) + "：" + record.match.Why()};
        }
    return stages;
}

bool RecordGroup(TrialEntries& entries, const DesignBasis& basis, const AggregateMethod& method,
                 int index, const std::string& note) {
    const TrialRecord now = RunTrial(basis, method, entries);
    if (!now.match.matches() || !now.strength_mixes.value || index < 0 || index > 2) return false;
    const std::string_view kind = kCastKinds[0].key;
    if (entries.cast && entries.cast->Find(kind, index)) return false;
    const std::optional<RecordedMix> trial_mix = TrialMixNow(now);
    const StrengthMix& mix = now.strength_mixes.value->mixes[static_cast<std::size_t>(index)];
    if (!trial_mix || !mix.batch.value) return false;
    StartRecord(entries, basis, *trial_mix, note);
    const GroupEntry& group = entries.strength.groups[static_cast<std::size_t>(index)];
    entries.cast->batches.push_back(
        CastBatch{std::string(kind), index,
                  RecordedMix{mix.ratios, mix.per_cubic_metre, trial_mix->litres, *mix.batch.value},
                  group.made_on, group.specimen_numbers, entries.strength.age_days});
    return true;
}

std::optional<RecordedMix> ChosenMixNow(const TrialRecord& record) {
    return RecordedNow(record.choice, record.batch);
}

bool RecordRepeat(TrialEntries& entries, const DesignBasis& basis, const AggregateMethod& method,
                  int index, const std::string& note) {
    const std::string_view kind = kCastKinds[1].key;
    if (index < 0 || index > 2 || (entries.cast && entries.cast->Find(kind, index))) return false;
    const TrialRecord now = RunTrial(basis, method, entries);
    const std::optional<RecordedMix> trial_mix = TrialMixNow(now);
    const std::optional<RecordedMix> chosen = ChosenMixNow(now);
    if (!now.match.matches() || !trial_mix || !chosen) return false;
    StartRecord(entries, basis, *trial_mix, note);
    const GroupEntry& batch = entries.special.repeats[static_cast<std::size_t>(index)];
    entries.cast->batches.push_back(CastBatch{std::string(kind), index, *chosen, batch.made_on,
                                              batch.specimen_numbers, entries.strength.age_days});
    return true;
}

int RecordEnteredGroups(TrialEntries& entries, const DesignBasis& basis,
                        const AggregateMethod& method, const std::string& note) {
    // What is written of a group made (its date, numbers and age) follows the entries; its mix
    // never does.
    if (entries.cast)
        for (CastBatch& made : entries.cast->batches)
            if (const auto* groups = GroupsOf(entries, made.kind);
                groups && made.index >= 0 && made.index < 3) {
                const GroupEntry& group = (*groups)[static_cast<std::size_t>(made.index)];
                made.made_on = group.made_on;
                made.specimen_numbers = group.specimen_numbers;
                made.age_days = entries.strength.age_days;
            }
    int recorded = 0;
    for (int i = 0; i < 3; ++i)
        if (Entered(entries.strength.groups[static_cast<std::size_t>(i)]) &&
            RecordGroup(entries, basis, method, i, note))
            ++recorded;
    for (int i = 0; i < 3; ++i)
        if (Entered(entries.special.repeats[static_cast<std::size_t>(i)]) &&
            RecordRepeat(entries, basis, method, i, note))
            ++recorded;
    return recorded;
}

void StartNewTrial(TrialEntries& entries) {
    entries.history.push_back(static_cast<const TrialAttempt&>(entries));
    static_cast<TrialAttempt&>(entries) = TrialAttempt{};
}

void AcceptChanges(TrialEntries& entries, const DesignBasis& basis, const AggregateMethod& method,
                   std::string reason) {
    if (!entries.cast) return;
    const TrialRecord now = RunTrial(basis, method, entries);
    const std::optional<RecordedMix> trial_mix = TrialMixNow(now);
    entries.cast->accepted =
        Acceptance{std::move(reason), StampOf(basis), trial_mix.value_or(RecordedMix{})};
}

} // namespace mixora::trial
