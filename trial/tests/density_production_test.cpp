#include "density_correction.h"
#include "production_mix.h"
#include "trial_fixture.h"

namespace mixora::trial {
namespace {

// The design mix of ratio_choice_test: ρc,c = 266 + 76 + 38 + 180 + 644 + 1196 = 2400.
const Mix kDesign{266, 76, 38, 180, 644, 1196, 5.70};

TEST(DensityCorrectionTest, TwoPercentOrLessLeavesTheMixStanding) {
    for (const double measured : {2448.0, 2352.0}) { // exactly ±48 = 2 % of 2400
        const DensityCorrection c = CorrectForDensity(kDesign, measured);
        EXPECT_DOUBLE_EQ(c.computed, 2400);
        EXPECT_FALSE(c.corrected) << measured;
        EXPECT_EQ(c.per_cubic_metre, kDesign);
        EXPECT_DOUBLE_EQ(c.difference_percent, 2.0);
        EXPECT_NE(c.rule.find("维持不变"), std::string::npos);
    }
    EXPECT_DOUBLE_EQ(CorrectForDensity(kDesign, 2448).delta, 1.02);
    EXPECT_DOUBLE_EQ(CorrectForDensity(kDesign, 2352).delta, 0.98);
}

TEST(DensityCorrectionTest, MoreThanTwoPercentMultipliesEveryMaterialByDelta) {
    // 2449 / 2400 = 1.0204 → δ 1.02: 271.32, 77.52, 38.76, 183.6, 656.88, 1219.92, 5.814.
    DensityCorrection c = CorrectForDensity(kDesign, 2449);
    EXPECT_TRUE(c.corrected);
    EXPECT_DOUBLE_EQ(c.delta, 1.02);
    ExpectMix(c.per_cubic_metre, Mix{271, 78, 39, 184, 657, 1220, 5.81});
    EXPECT_EQ(c.rule, "实测值与计算值之差超过计算值的 2%，各材料用量乘以校正系数 δ = 1.02"
                      "（JGJ 55-2011 第 6.2 节）");
    // 2351 / 2400 = 0.97958 → δ 0.98: 260.68, 74.48, 37.24, 176.4, 631.12, 1172.08, 5.586.
    c = CorrectForDensity(kDesign, 2351);
    EXPECT_TRUE(c.corrected);
    ExpectMix(c.per_cubic_metre, Mix{261, 74, 37, 176, 631, 1172, 5.59});

    EXPECT_EQ(
        ComputeDensityCorrection(Computed<RatioChoice>::Lacking("x"), DensityEntry{"2400"}).missing,
        std::vector<std::string>{"需先确定设计配合比"});
}

TEST(ProductionMixTest, AggregatesCarryTheirWaterAndTheBatchIsRounded) {
    // Sand 3.5 %, stone 0.8 %: 644 × 1.035 = 666.54 → 667, 1196 × 1.008 = 1205.568 → 1206,
    // water 180 − 22.54 − 9.568 = 147.892 → 148.
    const Computed<Mix> per_m3 = MoistureAdjusted(kDesign, 3.5, 0.8);
    ASSERT_TRUE(per_m3.value);
    ExpectMix(*per_m3.value, Mix{266, 76, 38, 148, 667, 1206, 5.70});
    // 0.75 m³: 199.5 → 200, 57, 28.5 → 29, 111, 500.25 → 500, 904.5 → 905, 4.275 → 4.28.
    ExpectMix(PerBatch(*per_m3.value, 0.75), Mix{200, 57, 29, 111, 500, 905, 4.28});
    EXPECT_FALSE(MoistureAdjusted(kDesign, 20, 5).value); // 180 − 128.8 − 59.8 < 0
}

TEST(ProductionMixTest, NothingWithoutTheDaysMoistureAndNoBatchWithoutTheMixer) {
    const Computed<DensityCorrection> design =
        Computed<DensityCorrection>::Of(CorrectForDensity(kDesign, 2400));
    ProductionEntry entry{"3.5", "", "", ""};
    Computed<ProductionMix> p = ComputeProductionMix(design, entry);
    EXPECT_FALSE(p.value);
    EXPECT_EQ(p.missing, (std::vector<std::string>{"石含水率未填写", "含水率测定时间未填写"}));

    entry = {"3.5", "0.8", "2026-12-07 08:30", ""};
    p = ComputeProductionMix(design, entry);
    ASSERT_TRUE(p.value);
    EXPECT_EQ(p.value->measured_at, "2026-12-07 08:30");
    EXPECT_EQ(p.value->per_batch.missing, std::vector<std::string>{"搅拌机每盘方量未填写"});
    entry.mixer_capacity_m3 = "2";
    p = ComputeProductionMix(design, entry);
    ExpectMix(*p.value->per_batch.value, Mix{532, 152, 76, 296, 1334, 2412, 11.40});
}

} // namespace
} // namespace mixora::trial
