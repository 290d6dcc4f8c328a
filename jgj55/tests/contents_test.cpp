#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

// W/B 0.55 and 150 kg of water: 150 / 0.55 = 272.7 → 273 by water.
Inputs LeanMix(StructureType structure) {
    Inputs inputs = WorkedExample();
    inputs.water_binder = 0.55;
    inputs.water = 150;
    inputs.structure = structure;
    return inputs;
}

TEST(Binder, Table304GovernsALeanMixByStructureType) {
    Result result = ComputeDesign(LeanMix(StructureType::Reinforced));
    EXPECT_EQ(result[Quantity::BinderByWater].text, "273");
    EXPECT_EQ(result[Quantity::BinderMinimum].text, "300");
    EXPECT_EQ(result[Quantity::Binder].text, "300");
    EXPECT_EQ(result[Quantity::Binder].source, "表 3.0.4（钢筋混凝土，W/B ≤ 0.55）");
    EXPECT_EQ(result[Quantity::Binder].note,
              "最小胶凝材料用量起控制作用：计算值 273 kg 小于 300 kg");
    EXPECT_EQ(result[Quantity::FlyAsh].text, "60");
    EXPECT_EQ(result[Quantity::RatioWater].text, "0.50"); // 150 / 300, not the 0.55 aimed at

    EXPECT_EQ(TextOf(LeanMix(StructureType::Plain), Quantity::Binder), "280");
    EXPECT_EQ(TextOf(LeanMix(StructureType::Prestressed), Quantity::Binder), "300");
}

TEST(Binder, Table304RowsAtTheirUpperEdges) {
    Inputs inputs = LeanMix(StructureType::Plain);
    const std::vector<std::pair<double, std::string>> rows = {
        {0.45, "330"}, {0.46, "320"}, {0.50, "320"}, {0.51, "280"}, {0.60, "250"}};
    for (const auto& [water_binder, minimum] : rows) {
        inputs.water_binder = water_binder;
        EXPECT_EQ(TextOf(inputs, Quantity::BinderMinimum), minimum) << water_binder;
    }
}

TEST(Binder, C15AndBelowHasNoMinimum) {
    Inputs inputs = LeanMix(StructureType::Reinforced);
    inputs.grade = 15;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::BinderMinimum].origin, Origin::NotNeeded);
    EXPECT_EQ(result[Quantity::Binder].text, "273");
    EXPECT_EQ(result.checks[2].verdict, Verdict::NotApplicable);
}

TEST(Binder, FlyAshSlagCementAndAdmixtureFromTheBinder) {
    Inputs inputs = WorkedExample();
    inputs.slag_share = 30;
    inputs.binder_strength = 41.9; // keeps W/B 0.47 and mb0 370
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::FlyAsh].text, "74");
    EXPECT_EQ(result[Quantity::Slag].text, "111");
    EXPECT_EQ(result[Quantity::Cement].text, "185");
    EXPECT_EQ(result[Quantity::Slag].source, "式 5.3.2（矿粉掺量 30 %）");

    inputs.admixture_dosage = 0;
    EXPECT_EQ(TextOf(inputs, Quantity::Admixture), "0.00");
    inputs.fly_ash_share = 60;
    inputs.slag_share = 40;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Cement].reason, "粉煤灰与矿粉掺量之和须小于 100 %");
    EXPECT_EQ(result[Quantity::Sand].reason, "等待 mc0（水泥用量）");
}

} // namespace
} // namespace mixora::jgj55
