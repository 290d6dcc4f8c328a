#include "trial_batch.h"
#include "trial_fixture.h"

namespace mixora::trial {
namespace {

TEST(TrialBatchTest, MassesAreThePerCubicMetreAmountsForTheVolume) {
    BatchEntry entry{"25"};
    const Computed<TrialBatch> batch = ComputeTrialBatch(C30(), entry);
    ASSERT_TRUE(batch.value);
    // 637 × 0.025 = 15.925 and 1183 × 0.025 = 29.575 round up; the admixture keeps grams.
    ExpectMix(batch.value->masses, Mix{7.00, 2.00, 1.00, 4.50, 15.93, 29.58, 0.150});
    EXPECT_FALSE(batch.value->volume_warning);
    entry.litres = "22.2";
    EXPECT_DOUBLE_EQ(ComputeTrialBatch(C30(), entry).value->masses.admixture, 0.133); // 0.1332
}

TEST(TrialBatchTest, WarnsBelowTheLeastVolumeForTheAggregateSize) {
    DesignBasis basis = C30();
    const auto warning = [&basis](const char* litres, double size) {
        basis.max_aggregate_mm = size;
        return ComputeTrialBatch(basis, BatchEntry{litres}).value->volume_warning;
    };
    EXPECT_FALSE(warning("20", 31.5));
    EXPECT_EQ(*warning("19.9", 31.5),
              "试拌体积 19.9 L 少于 20 L（粗骨料最大公称粒径 31.5 mm，JGJ 55-2011 表 6.1.2）");
    EXPECT_TRUE(warning("20", 40));
    EXPECT_TRUE(warning("24", 37.5)); // between the rows: the 40 mm row
    EXPECT_FALSE(warning("25", 40));
    EXPECT_NE(warning("30", 63)->find("未核对最小搅拌量"), std::string::npos);
}

TEST(TrialBatchTest, AVolumeOrADesignThatCannotBeUsedIsNamed) {
    EXPECT_EQ(ComputeTrialBatch(C30(), BatchEntry{"二十"}).missing,
              std::vector<std::string>{"试拌体积“二十”不是数字"});
    DesignBasis basis = C30();
    basis.target_strength = 0;
    basis.ratios.water_binder = 0;
    EXPECT_EQ(ComputeTrialBatch(basis, BatchEntry{}).missing.size(), 2u);
}

TEST(TrialMixTest, BatchMassesGiveThePerCubicMetreMixAndItsRatios) {
    AdjustmentEntry entry;
    entry.kind = AdjustmentKind::BatchMasses;
    // What a 20 L batch held after 0.2 kg more water and binder at the same W/B.
    entry.batch_masses = {"5.74", "1.64", "0.82", "3.69", "12.74", "23.66", "0.123"};
    entry.slump_mm = "185";
    const Computed<TrialMix> trial = ComputeTrialMix(C30(), MassMethod2400(), BatchEntry{}, entry);
    ASSERT_TRUE(trial.value) << trial.missing.front();
    ExpectMix(trial.value->per_cubic_metre, Mix{287, 82, 41, 185, 637, 1183, 6.15});
    EXPECT_DOUBLE_EQ(trial.value->ratios.water_binder, 0.45);       // 185 / 410 = 0.4512
    EXPECT_DOUBLE_EQ(trial.value->ratios.sand_ratio_percent, 35.0); // 637 / 1820
    EXPECT_DOUBLE_EQ(trial.value->ratios.admixture_percent, 1.5);
    EXPECT_DOUBLE_EQ(trial.value->slump_mm, 185);

    entry.batch_masses.slag = "";
    entry.slump_mm = "";
    const Computed<TrialMix> missing =
        ComputeTrialMix(C30(), MassMethod2400(), BatchEntry{}, entry);
    EXPECT_EQ(missing.missing,
              (std::vector<std::string>{"试拌实际用量：矿粉未填写", "实测坍落度未填写"}));
}

TEST(TrialMixTest, WaterAndAdmixtureKeepTheWaterBinderRatio) {
    AdjustmentEntry entry;
    entry.kind = AdjustmentKind::WaterAndAdmixture;
    entry.water = "185";
    entry.admixture = "6.8";
    entry.slump_mm = "200";
    const TrialMix trial = *ComputeTrialMix(C30(), MassMethod2400(), BatchEntry{}, entry).value;
    // 185 / 0.45 = 411.1 → 411: fly ash 82.2 → 82, slag 41.1 → 41, cement 288;
    // aggregates 2400 − 411 − 185 = 1804: sand 631.4 → 631, stone 1172.6 → 1173.
    ExpectMix(trial.per_cubic_metre, Mix{288, 82, 41, 185, 631, 1173, 6.80});
    EXPECT_DOUBLE_EQ(trial.ratios.admixture_percent, 1.65); // 6.8 / 411 = 1.6545 %
}

TEST(TrialMixTest, ASandRatioMovesOnlyTheAggregates) {
    AdjustmentEntry entry;
    entry.kind = AdjustmentKind::SandRatio;
    entry.sand_ratio_percent = "37";
    entry.slump_mm = "170";
    const TrialMix trial = *ComputeTrialMix(C30(), MassMethod2400(), BatchEntry{}, entry).value;
    ExpectMix(trial.per_cubic_metre, Mix{280, 80, 40, 180, 673, 1147, 6.00}); // 1820 × 0.37
    EXPECT_DOUBLE_EQ(trial.ratios.sand_ratio_percent, 37);

    const Computed<TrialMix> no_method =
        ComputeTrialMix(C30(), AggregateMethod{}, BatchEntry{}, entry);
    EXPECT_EQ(no_method.missing, std::vector<std::string>{"设计未提供砂石用量的计算方法"});
}

} // namespace
} // namespace mixora::trial
