#pragma once
// Stage 1, 试拌: the computed mix for one trial batch, and what the adjusted trial used, which
// gives the trial mix (试拌配合比) per m³.
#include "computed.h"
#include "mix_types.h"
#include "trial_entries.h"

#include <optional>
#include <string>

namespace mixora::trial {

struct TrialBatch {
    double litres = 0;
    Mix masses; // per-m³ × litres ÷ 1000, to 0.01 kg (admixture 0.001 kg)
    // Below the least volume for the aggregate size, or a size the table does not cover.
    std::optional<std::string> volume_warning;
};

Computed<TrialBatch> ComputeTrialBatch(const DesignBasis& basis, const BatchEntry& entry);

// The least volume of one trial batch for an aggregate size (JGJ 55-2011 表 6.1.2), with the
// table as the trial cites it; none above the table's last row.
struct TrialVolumeMinimum {
    double min_litres = 0;
    std::string clause;
};
std::optional<TrialVolumeMinimum> MinimumFor(double max_aggregate_mm);

struct TrialMix {
    AdjustmentKind kind = AdjustmentKind::Unchanged;
    Mix per_cubic_metre;
    MixRatios ratios;
    double slump_mm = 0;
};

// The trial mix from the adjustment record. From batch masses: per m³ = kg × 1000 ÷ litres to
// 1 kg (admixture 0.01 kg), W/B to 0.01, sand ratio to 0.1 %, dosage to 0.01 %; the shares of
// fly ash, slag and 硅灰 stay the design's.
Computed<TrialMix> ComputeTrialMix(const DesignBasis& basis, const AggregateMethod& method,
                                   const BatchEntry& batch, const AdjustmentEntry& entry);

} // namespace mixora::trial
