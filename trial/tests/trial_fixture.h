#pragma once
// A C30 design the tests share, worked by hand: water 180, W/B 0.45 → binder 400 (fly ash 20 %
// 80, slag 10 % 40, cement 280), admixture 1.5 % 6.00; a mass method of 2400 kg/m³ leaves
// 1820 kg of aggregate, sand ratio 35 % → sand 637, stone 1183. fcu,0 = 30 + 1.645 × 5 → 38.2.
#include "mix_types.h"
#include "trial_entries.h"

#include <gtest/gtest.h>

namespace mixora::trial {

inline DesignBasis C30() {
    DesignBasis basis;
    basis.mix = Mix{280, 80, 40, 180, 637, 1183, 6.00};
    basis.ratios = MixRatios{0.45, 35, 20, 10, 1.5};
    basis.max_aggregate_mm = 31.5;
    basis.target_strength = 38.2;
    return basis;
}

// The mass method with an assumed 2400 kg/m³, unrounded as a design would hand it over.
inline AggregateMethod MassMethod2400() {
    return [](const BinderParts& b, double water, double sand_ratio_percent) {
        const double aggregates = 2400 - b.cement - b.fly_ash - b.slag - water;
        const double sand = aggregates * sand_ratio_percent / 100;
        return Computed<Aggregates>::Of(Aggregates{sand, aggregates - sand});
    };
}

inline void ExpectMix(const Mix& actual, const Mix& expected) {
    EXPECT_DOUBLE_EQ(actual.cement, expected.cement);
    EXPECT_DOUBLE_EQ(actual.fly_ash, expected.fly_ash);
    EXPECT_DOUBLE_EQ(actual.slag, expected.slag);
    EXPECT_DOUBLE_EQ(actual.water, expected.water);
    EXPECT_DOUBLE_EQ(actual.sand, expected.sand);
    EXPECT_DOUBLE_EQ(actual.stone, expected.stone);
    EXPECT_DOUBLE_EQ(actual.admixture, expected.admixture);
}

// Strengths of the three mixes that give the hand-computed line of ratio_choice_test.
inline TrialEntries EntriesThroughStrength() {
    TrialEntries e;
    e.adjustment.slump_mm = "180";
    e.strength.groups[0] = {{"48.0", "47.0", "49.0"}, "2410", {}, {}};
    e.strength.groups[1] = {{"41.5", "41.0", "42.0"}, "2400", {}, {}};
    e.strength.groups[2] = {{"35.2", "35.0", "35.4"}, "2390", {}, {}};
    return e;
}

} // namespace mixora::trial
