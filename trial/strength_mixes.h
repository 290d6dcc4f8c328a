#pragma once
// Stage 2, 强度试验的配合比: the trial mix and two beside it, with the same water, the W/B
// 0.05 lower and higher and the sand ratio 1 % lower and higher with it, each proportioned
// by the design's method.
#include "computed.h"
#include "jgj55_2011.h"
#include "mix_types.h"
#include "trial_batch.h"

#include <array>

namespace mixora::trial {

struct StrengthMix {
    MixRatios ratios;
    Mix per_cubic_metre;
    Computed<Mix> batch; // for the trial volume; lacking when the volume is
};

// Lower W/B first: W/B − 0.05, the trial mix's, W/B + 0.05.
struct StrengthMixes {
    std::array<StrengthMix, 3> mixes;
};

// The W/B step between the mixes for a design's grade: 0.05 (第 6.1 节), from C60 0.02 (第 7.3.3
// 条).
const standards::Constant& StrengthMixWaterBinderStep(int grade);

// The three mixes' ratios (W/B to 0.01 and sand ratio as shown, dosage and shares the trial
// mix's), W/B `step` apart.
std::array<MixRatios, 3> StrengthMixRatios(
    const MixRatios& trial,
    const standards::Constant& step = standards::jgj55_2011::kStrengthMixWaterBinderStep);

// The three mixes about the trial mix, W/B `step` apart.
Computed<StrengthMixes> ComputeStrengthMixes(
    const Computed<TrialMix>& trial, const Computed<TrialBatch>& batch,
    const AggregateMethod& method,
    const standards::Constant& step = standards::jgj55_2011::kStrengthMixWaterBinderStep);

} // namespace mixora::trial
