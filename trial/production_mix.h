#pragma once
// Stage 6, 施工配合比: the design mix with the day's aggregate moisture, per m³ and per batch of
// the mixer. Sand and stone carry their water: ms' = ms(1 + ws), mg' = mg(1 + wg); the water
// is less by it: mw' = mw − ms·ws − mg·wg; each to 1 kg. Per batch: × capacity, to 1 kg, the
// admixture to 0.01 kg.
#include "computed.h"
#include "density_correction.h"
#include "mix_types.h"
#include "trial_entries.h"

#include <string>

namespace mixora::trial {

struct ProductionMix {
    double sand_moisture_percent = 0;
    double stone_moisture_percent = 0;
    std::string measured_at;
    Mix per_cubic_metre;
    Computed<Mix> per_batch; // lacking without the mixer's capacity
    double capacity_m3 = 0;
};

// The production mix per m³ for these moistures (%), or why not (the water would not be
// positive).
Computed<Mix> MoistureAdjusted(const Mix& design, double sand_percent, double stone_percent);

Mix PerBatch(const Mix& per_cubic_metre, double capacity_m3);

Computed<ProductionMix> ComputeProductionMix(const Computed<DensityCorrection>& design,
                                             const ProductionEntry& entry);

} // namespace mixora::trial
