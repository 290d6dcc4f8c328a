#include "strength_groups.h"
#include "strength_mixes.h"
#include "trial_fixture.h"
#include "trial_procedure.h"

namespace mixora::trial {
namespace {

Computed<StrengthMixes> C30Mixes(const char* litres = "20") {
    TrialEntries e = EntriesThroughStrength();
    e.batch.litres = litres;
    const AggregateMethod method = MassMethod2400();
    return ComputeStrengthMixes(ComputeTrialMix(C30(), method, e.batch, e.adjustment),
                                ComputeTrialBatch(C30(), e.batch), method);
}

TEST(StrengthMixesTest, LowerWaterBinderRatioGoesWithLowerSandRatio) {
    MixRatios trial{0.45, 35, 20, 10, 1.5};
    const std::array<MixRatios, 3> r = StrengthMixRatios(trial);
    EXPECT_EQ(r[0], (MixRatios{0.40, 34, 20, 10, 1.5}));
    EXPECT_EQ(r[1], trial);
    EXPECT_EQ(r[2], (MixRatios{0.50, 36, 20, 10, 1.5}));
    trial.water_binder = 0.43; // stays on 0.01 steps
    EXPECT_EQ(StrengthMixRatios(trial)[0].water_binder, 0.38);
    EXPECT_EQ(StrengthMixRatios(trial)[2].water_binder, 0.48);
}

TEST(StrengthMixesTest, FromC60TheMixesAre002Apart) {
    EXPECT_EQ(StrengthMixWaterBinderStep(55).value, 0.05);
    const standards::Constant& step = StrengthMixWaterBinderStep(60);
    EXPECT_EQ(step.source, "第 7.3.3 条");
    const std::array<MixRatios, 3> r = StrengthMixRatios(MixRatios{0.31, 39, 20, 10, 1.2}, step);
    EXPECT_EQ(r[0].water_binder, 0.29);
    EXPECT_EQ(r[2].water_binder, 0.33);

    // The trial takes its step from the design's grade.
    DesignBasis basis = C30();
    basis.grade = 60;
    const TrialRecord record = RunTrial(basis, MassMethod2400(), EntriesThroughStrength());
    ASSERT_TRUE(record.strength_mixes.value);
    const std::array<StrengthMix, 3>& mixes = record.strength_mixes.value->mixes;
    EXPECT_NEAR(mixes[1].ratios.water_binder - mixes[0].ratios.water_binder, 0.02, 1e-9);
    EXPECT_NEAR(mixes[2].ratios.water_binder - mixes[1].ratios.water_binder, 0.02, 1e-9);
}

TEST(StrengthMixesTest, EachMixIsProportionedWithTheSameWater) {
    const Computed<StrengthMixes> mixes = C30Mixes();
    ASSERT_TRUE(mixes.value);
    const auto& m = mixes.value->mixes;
    // 180 / 0.40 = 450: 90, 45, 315; 6.75; 1770 × 0.34 = 601.8 → 602, 1168.2 → 1168.
    ExpectMix(m[0].per_cubic_metre, Mix{315, 90, 45, 180, 602, 1168, 6.75});
    ExpectMix(m[1].per_cubic_metre, C30().mix);
    // 180 / 0.50 = 360: 72, 36, 252; 5.40; 1860 × 0.36 = 669.6 → 670, 1190.4 → 1190.
    ExpectMix(m[2].per_cubic_metre, Mix{252, 72, 36, 180, 670, 1190, 5.40});
    ASSERT_TRUE(m[0].batch.value);
    ExpectMix(*m[0].batch.value, Mix{6.30, 1.80, 0.90, 3.60, 12.04, 23.36, 0.135});

    const Computed<StrengthMixes> no_volume = C30Mixes("");
    ASSERT_TRUE(no_volume.value);
    EXPECT_EQ(no_volume.value->mixes[2].batch.missing, std::vector<std::string>{"试拌体积未确定"});
}

TEST(GroupValueTest, FifteenPercentOfTheMiddleOnEitherSide) {
    // Middle 40.0: 15 % is 6.0. Exactly 6.0 away keeps the mean.
    GroupValue g = ValueOfGroup({46.0, 40.0, 38.0});
    EXPECT_EQ(g.rule, GroupRule::Mean);
    EXPECT_DOUBLE_EQ(g.value, 41.3); // 124.0 / 3
    g = ValueOfGroup({34.0, 40.0, 42.0});
    EXPECT_EQ(g.rule, GroupRule::Mean);
    EXPECT_DOUBLE_EQ(g.value, 38.7);      // 116.0 / 3 = 38.67
    g = ValueOfGroup({25.5, 34.5, 30.0}); // both exactly 15 % of 30.0
    EXPECT_EQ(g.rule, GroupRule::Mean);
    EXPECT_DOUBLE_EQ(g.value, 30.0);

    g = ValueOfGroup({46.1, 40.0, 38.0});
    EXPECT_EQ(g.rule, GroupRule::Middle);
    EXPECT_DOUBLE_EQ(g.value, 40.0);
    EXPECT_EQ(g.reason, "最大值与中间值之差超过中间值的 15%，取中间值（GB/T 50081）");
    g = ValueOfGroup({33.9, 40.0, 42.0});
    EXPECT_EQ(g.rule, GroupRule::Middle);
    EXPECT_EQ(g.reason.substr(0, 9), "最小值");

    g = ValueOfGroup({33.9, 46.1, 40.0});
    EXPECT_EQ(g.rule, GroupRule::Invalid);
    EXPECT_NE(g.reason.find("该组试验结果无效"), std::string::npos);
}

TEST(StrengthResultsTest, GroupsAreConvertedToTheStandardCubeAndNamedWhenIncomplete) {
    StrengthEntry entry = EntriesThroughStrength().strength;
    entry.specimen = SpecimenSize::Mm100;
    entry.groups[0].strengths = {"41.0", "42.0", "41.0"}; // 41.33 → 41.3 × 0.95 = 39.235
    entry.groups[1].strengths[2] = "";
    entry.groups[2].density = "2,390";
    const Computed<StrengthResults> r = ComputeStrengthResults(C30Mixes(), entry);
    ASSERT_TRUE(r.value);
    const GroupResult& first = *r.value->groups[0].value;
    EXPECT_DOUBLE_EQ(first.group.value, 41.3);
    EXPECT_DOUBLE_EQ(first.converted, 39.2);
    EXPECT_DOUBLE_EQ(first.binder_water, 2.5);
    EXPECT_EQ(first.density, 2410);
    EXPECT_EQ(r.value->groups[1].missing,
              std::vector<std::string>{"第 2 组（水胶比 0.45）试件 3 抗压强度未填写"});
    EXPECT_EQ(r.value->groups[2].missing,
              std::vector<std::string>{"第 3 组（水胶比 0.50）拌合物表观密度“2,390”不是数字"});

    entry.specimen = SpecimenSize::Mm200; // 41.3 × 1.05 = 43.365
    EXPECT_DOUBLE_EQ(ComputeStrengthResults(C30Mixes(), entry).value->groups[0].value->converted,
                     43.4);
    EXPECT_FALSE(ComputeStrengthResults(Computed<StrengthMixes>::Lacking("x"), entry).value);
}

} // namespace
} // namespace mixora::trial
