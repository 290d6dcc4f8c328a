// A C60 design with 硅灰 through the trial, worked by hand. The design proposes W/B 0.31, binder
// 520 and sand ratio 39 % (the middle of 表 7.3.2's ranges); water 520 × 0.31 = 161.2 → 161;
// fly ash 20 % → 104, 硅灰 8 % → 41.6 → 42, cement 520 − 104 − 42 = 374, admixture 1.2 % →
// 6.24; the mass method of 2450 kg/m³ leaves 2450 − 520 − 161 = 1769, sand 39 % → 690, stone
// 1079.
#include "density_correction.h"
#include "design.h"
#include "design_fixture.h"
#include "jgj55_basis.h"
#include "trial_fixture.h"
#include "trial_json.h"

#include <gtest/gtest.h>

namespace mixora::trial {
namespace {

jgj55::Inputs C60WithSilicaFume() {
    jgj55::Inputs inputs = jgj55::WorkedExample();
    inputs.grade = 60;
    inputs.silica_fume_share = 8;
    inputs.binder_strength = 60; // fb measured: 表 5.1.3 has no factor for 硅灰
    inputs.method = jgj55::Method::Mass;
    inputs.assumed_mass = 2450;
    return inputs;
}

void ExpectSilicaFumeMix(const Mix& actual, const Mix& expected) {
    ExpectMix(actual, expected);
    EXPECT_DOUBLE_EQ(actual.silica_fume, expected.silica_fume);
}

TEST(SilicaFumeTrial, TheBatchAndTheMixes002ApartKeepEachMineralsShare) {
    const jgj55::Inputs inputs = C60WithSilicaFume();
    TrialEntries entries;
    entries.adjustment.slump_mm = "180";
    const Jgj55Trial trial = RunJgj55Trial(inputs, jgj55::ComputeDesign(inputs), entries);
    ASSERT_TRUE(trial.basis.value) << trial.basis.missing.front();
    ExpectSilicaFumeMix(trial.basis.value->mix, Mix{374, 104, 0, 161, 690, 1079, 6.24, 42});

    // 20 L: each × 0.02 to 0.01 kg, the admixture to 1 g.
    ASSERT_TRUE(trial.record.batch.value);
    ExpectSilicaFumeMix(trial.record.batch.value->masses,
                        Mix{7.48, 2.08, 0, 3.22, 13.80, 21.58, 0.125, 0.84});

    // W/B 0.29: binder 161 / 0.29 = 555.2 → 555, fly ash 111, 硅灰 44.4 → 44, cement 400,
    // admixture 6.66; 2450 − 555 − 161 = 1734 at 38 % → sand 659, stone 1075. W/B 0.33: binder
    // 487.9 → 488, fly ash 97.6 → 98, 硅灰 39.0 → 39, cement 351, admixture 5.86; 1801 at 40 %
    // → sand 720, stone 1081.
    ASSERT_TRUE(trial.record.strength_mixes.value) << trial.record.strength_mixes.missing.front();
    const auto& mixes = trial.record.strength_mixes.value->mixes;
    EXPECT_DOUBLE_EQ(mixes[0].ratios.water_binder, 0.29);
    EXPECT_DOUBLE_EQ(mixes[0].ratios.silica_fume_percent, 8);
    ExpectSilicaFumeMix(mixes[0].per_cubic_metre, Mix{400, 111, 0, 161, 659, 1075, 6.66, 44});
    ExpectSilicaFumeMix(mixes[2].per_cubic_metre, Mix{351, 98, 0, 161, 720, 1081, 5.86, 39});
    EXPECT_DOUBLE_EQ(mixes[2].batch.value->silica_fume, 0.78);
}

TEST(SilicaFumeTrial, TheDensityCorrectionCountsAndScalesTheSilicaFume) {
    // ρc,c = 374 + 104 + 42 + 161 + 690 + 1079 = 2450; 2520 is 2.9 % more: δ = 1.03.
    const DensityCorrection c = CorrectForDensity(Mix{374, 104, 0, 161, 690, 1079, 6.24, 42}, 2520);
    EXPECT_DOUBLE_EQ(c.computed, 2450);
    ASSERT_TRUE(c.corrected);
    EXPECT_DOUBLE_EQ(c.delta, 1.03);
    ExpectSilicaFumeMix(c.per_cubic_metre, Mix{385, 107, 0, 166, 711, 1111, 6.43, 43});
}

TEST(SilicaFumeTrial, TheFileKeepsItAndAnOlderFileWritesAsBefore) {
    TrialEntries entries;
    entries.adjustment.kind = AdjustmentKind::BatchMasses;
    entries.adjustment.batch_masses = {"7.48",  "2.08",  "",      "3.22",
                                       "13.80", "21.58", "0.125", "0.84"};
    CastRecord cast;
    cast.trial_mix.ratios.silica_fume_percent = 8;
    cast.trial_mix.per_cubic_metre = Mix{374, 104, 0, 161, 690, 1079, 6.24, 42};
    entries.cast = cast;
    const nlohmann::json stored = TrialEntriesToJson(entries);
    EXPECT_EQ(*TrialEntriesFromJson(nlohmann::json::parse(stored.dump())).value, entries);

    // A trial without 硅灰 is written without its keys, as files were before it.
    entries.adjustment.batch_masses.silica_fume.clear();
    entries.cast->trial_mix.ratios.silica_fume_percent = 0;
    entries.cast->trial_mix.per_cubic_metre.silica_fume = 0;
    EXPECT_EQ(TrialEntriesToJson(entries).dump().find("silica_fume"), std::string::npos);
    EXPECT_EQ(*TrialEntriesFromJson(TrialEntriesToJson(entries)).value, entries);
}

} // namespace
} // namespace mixora::trial
