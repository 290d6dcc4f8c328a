#pragma once
// Proportioning a mix the way the design does, for the water, W/B and sand ratio the trial
// sets: binder = water ÷ W/B to 1 kg, fly ash, slag and 硅灰 by their shares to 1 kg, cement the
// rest, admixture by its dosage to 0.01 kg, sand and stone by the design's method to 1 kg.
// And a mix scaled to a batch.
#include "computed.h"
#include "mix_types.h"

#include <string>
#include <vector>

namespace mixora::trial {

// Binder parts by the shares of ratios, the admixture by its dosage (not the W/B or sand ratio).
BinderParts SplitBinder(double binder, const MixRatios& ratios);

// The mix of ratios.water_binder and ratios.sand_ratio_percent with this water.
Computed<Mix> Proportion(double water, const MixRatios& ratios, const AggregateMethod& method);

// The mix of this water and binder (kg/m³, as rounded): the binder split by the shares of ratios,
// the admixture by its dosage, sand and stone at ratios.sand_ratio_percent through the method.
Computed<Mix> ProportionBinder(double water, double binder, const MixRatios& ratios,
                               const AggregateMethod& method);

// Sand and stone for the binder parts and water of mix at this sand ratio, through the method.
Computed<Aggregates> SolveAggregates(const Mix& mix, double sand_ratio_percent,
                                     const AggregateMethod& method);

// Each material × factor, to `decimals`, the admixture to `admixture_decimals`.
Mix Scaled(const Mix& mix, double factor, int decimals, int admixture_decimals);

// Each material × litres ÷ 1000: to 0.01 kg, the admixture to 0.001 kg (1 g).
Mix BatchOf(const Mix& per_cubic_metre, double litres);

// What is wrong with the design's ratios or mix, one reason each; empty when usable.
std::vector<std::string> CheckBasis(const DesignBasis& basis);

} // namespace mixora::trial
