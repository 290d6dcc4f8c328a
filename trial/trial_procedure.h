#pragma once
// The whole trial, stage after stage: each stage either holds its results or says what it
// lacks; a stage whose predecessor lacks something is never computed from a guess.
#include "density_correction.h"
#include "production_mix.h"
#include "ratio_choice.h"
#include "strength_groups.h"
#include "strength_mixes.h"
#include "trial_batch.h"
#include "trial_entries.h"
#include "trial_match.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::trial {

struct TrialRecord {
    Computed<TrialBatch> batch;
    Computed<TrialMix> trial_mix;
    Computed<StrengthMixes> strength_mixes;
    Computed<StrengthResults> strengths;
    Computed<RatioChoice> choice;
    Computed<DensityCorrection> density;
    Computed<ProductionMix> production;
    TrialMatch match; // whether what was made still matches the design
};

// Once specimens are made (entries.cast), the strength mixes of the groups made are the ones
// kept, and the choice rests on the trial mix kept: the line is fitted from the W/B the cubes
// were made at, whatever the design reads now.
TrialRecord RunTrial(const DesignBasis& basis, const AggregateMethod& method,
                     const TrialAttempt& entries);

// The trial on a design's basis, whether or not the design can be computed: while it cannot,
// every stage lacks it and the first two say why, so that what is entered still shows its state.
TrialRecord RunTrial(const Computed<DesignBasis>& basis, const AggregateMethod& method,
                     const TrialAttempt& entries);

struct StageState {
    std::string_view name; // "试拌", "试拌配合比" …
    bool filled = false;
    // What it lacks, when not filled; for the production mix, what its mix per batch lacks.
    std::vector<std::string> missing;
    bool stale = false; // made from what the design no longer is: missing says why
};

// The seven stages in order. The strength results count as filled when at least two groups
// are valid, which is what the choice needs. A stage the match refuses is not filled and reads
// 与当前设计不符 with the changes.
std::array<StageState, kStageCount> Stages(const TrialRecord& record);

// Recording what was made. Strength group `index` as the trial now computes it, with the design
// and the trial mix it rests on (kept once, with the first group); `note` says how the record
// came about when not as the specimens were made. Nothing is recorded, and false returned, when
// the group has no mix or the trial no longer matches the design.
bool RecordGroup(TrialEntries& entries, const DesignBasis& basis, const AggregateMethod& method,
                 int index, const std::string& note = {});
// Every group with a cube strength, its date made or its numbers entered and no record yet (a
// lab records the cubes as it makes them, or at the latest when it tests them), the strength
// groups first, then the repeat batches; how many were recorded. The date, numbers and age of
// the groups recorded follow the entries.
int RecordEnteredGroups(TrialEntries& entries, const DesignBasis& basis,
                        const AggregateMethod& method, const std::string& note = {});
// The 设计配合比 as a repeat batch of a high-strength design is made from it: the chosen mix for
// the trial volume; none while either is not known.
std::optional<RecordedMix> ChosenMixNow(const TrialRecord& record);
// Repeat batch `index` of the chosen mix as the trial now computes it, with the design and the
// trial mix it rests on; false, and nothing recorded, when there is no chosen mix, the batch is
// recorded already or the trial no longer matches the design.
bool RecordRepeat(TrialEntries& entries, const DesignBasis& basis, const AggregateMethod& method,
                  int index, const std::string& note = {});

// The current trial goes to the history, read-only; a new one starts with nothing entered.
void StartNewTrial(TrialEntries& entries);
// Keeps the user's reason that the results made still hold for the design as it reads now.
void AcceptChanges(TrialEntries& entries, const DesignBasis& basis, const AggregateMethod& method,
                   std::string reason);

} // namespace mixora::trial
