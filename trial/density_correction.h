#pragma once
// Stage 5, 表观密度校正: the computed density ρc,c (the materials without the admixture), the
// measured ρc,t and δ = ρc,t ÷ ρc,c to 0.01. When they differ by more than 2 % of ρc,c every
// material is multiplied by δ (to 1 kg, the admixture to 0.01 kg); otherwise the mix stands.
#include "computed.h"
#include "mix_types.h"
#include "ratio_choice.h"
#include "trial_entries.h"

#include <string>

namespace mixora::trial {

struct DensityCorrection {
    double computed = 0;           // ρc,c, kg/m³
    double measured = 0;           // ρc,t, kg/m³
    double delta = 0;              // to 0.01
    double difference_percent = 0; // |ρc,t − ρc,c| ÷ ρc,c × 100, to 0.1
    bool corrected = false;
    Mix per_cubic_metre; // the design mix after the rule
    std::string rule;    // what was done and why, with the clause
};

// mix's materials without the admixture must add up to more than 0.
DensityCorrection CorrectForDensity(const Mix& mix, double measured);

Computed<DensityCorrection> ComputeDensityCorrection(const Computed<RatioChoice>& choice,
                                                     const DensityEntry& entry);

} // namespace mixora::trial
