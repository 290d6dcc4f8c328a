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
};

TrialRecord RunTrial(const DesignBasis& basis, const AggregateMethod& method,
                     const TrialEntries& entries);

// The trial on a design's basis, whether or not the design can be computed: while it cannot,
// every stage lacks it and the first two say why, so that what is entered still shows its state.
TrialRecord RunTrial(const Computed<DesignBasis>& basis, const AggregateMethod& method,
                     const TrialEntries& entries);

struct StageState {
    std::string_view name; // "试拌", "试拌配合比" …
    bool filled = false;
    // What it lacks, when not filled; for the production mix, what its mix per batch lacks.
    std::vector<std::string> missing;
};

// The seven stages in order. The strength results count as filled when at least two groups
// are valid, which is what the choice needs.
std::array<StageState, 7> Stages(const TrialRecord& record);

} // namespace mixora::trial
