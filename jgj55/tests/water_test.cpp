#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

std::string TableWater(CoarseKind coarse, MaxSize size, double slump) {
    Inputs inputs = WorkedExample();
    inputs.coarse = coarse;
    inputs.max_size = size;
    inputs.slump = slump;
    return TextOf(inputs, Quantity::WaterBeforeReducer);
}

TEST(Water, Table5212ByBandWithAGapTakingTheHigherBand) {
    constexpr auto kCrushed = CoarseKind::Crushed;
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm20, 10), "185.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm20, 30), "185.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm20, 31), "195.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm20, 50), "195.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm20, 53), "205.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm20, 90), "215.0");
    EXPECT_EQ(TableWater(CoarseKind::Gravel, MaxSize::Mm10, 70), "210.0");
    EXPECT_EQ(TableWater(CoarseKind::Gravel, MaxSize::Mm40, 30), "150.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm16, 90), "230.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm31_5, 40), "185.0");
    EXPECT_EQ(TableWater(kCrushed, MaxSize::Mm40, 10), "165.0");
}

TEST(Water, Above90mmFiveKilogramsPer20mmInProportion) {
    EXPECT_EQ(TableWater(CoarseKind::Crushed, MaxSize::Mm20, 100), "217.5");
    EXPECT_EQ(TableWater(CoarseKind::Crushed, MaxSize::Mm20, 165), "233.8"); // 233.75
    EXPECT_EQ(TableWater(CoarseKind::Gravel, MaxSize::Mm20, 180), "217.5");  // 195 + 22.5
}

TEST(Water, OutsideTheTableTheUserGivesIt) {
    Inputs inputs = WorkedExample();
    inputs.slump = 5;
    EXPECT_EQ(ReasonOf(inputs, Quantity::WaterBeforeReducer),
              "由试验确定：坍落度小于 10 mm（第 5.2.1、5.4.2 条），请给定用水量");
    inputs.slump = -1;
    EXPECT_EQ(ReasonOf(inputs, Quantity::WaterBeforeReducer), "坍落度须为不小于 0 的数");

    inputs = WorkedExample();
    inputs.coarse = CoarseKind::Gravel;
    inputs.max_size = MaxSize::Mm16;
    EXPECT_EQ(ReasonOf(inputs, Quantity::WaterBeforeReducer),
              "表 5.2.1-2 中没有卵石最大公称粒径 16 mm 一栏，请给定用水量");

    inputs = WorkedExample();
    inputs.grade = 60;
    inputs.water_binder = 0.3;
    EXPECT_EQ(ComputeDesign(inputs)[Quantity::WaterBeforeReducer].origin, Origin::NotNeeded);
    inputs.water_before_reducer = 200; // 200 × 0.75: the binder then follows from the water
    EXPECT_EQ(TextOf(inputs, Quantity::Water), "150");
}

TEST(Water, TheReducerSavesItsShareAndAGivenWaterStandsAlone) {
    Inputs inputs = WorkedExample();
    inputs.water_reduction = 0; // 232.5 rounds half away
    EXPECT_EQ(TextOf(inputs, Quantity::Water), "233");
    inputs.water_reduction = 100;
    EXPECT_EQ(ReasonOf(inputs, Quantity::Water), "外加剂减水率 β 须不小于 0 且小于 100 %");

    inputs.water = 180;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Water].text, "180");
    EXPECT_EQ(result[Quantity::Water].origin, Origin::Given);
    EXPECT_EQ(result[Quantity::WaterBeforeReducer].origin, Origin::NotNeeded);
    EXPECT_EQ(result[Quantity::BinderByWater].text, "383"); // 180 / 0.47
}

TEST(Water, FineOrCoarseSandIsAHintNeverAChange) {
    Inputs inputs = WorkedExample();
    inputs.sand = SandFineness::Fine;
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBeforeReducer].text, "232.5");
    EXPECT_EQ(result[Quantity::WaterBeforeReducer].note,
              "细砂：用水量可增加 5～10 kg（表 5.2.1-2 注），未自动调整");
    inputs.sand = SandFineness::Coarse;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBeforeReducer].note,
              "粗砂：用水量可减少 5～10 kg（表 5.2.1-2 注），未自动调整");
    EXPECT_TRUE(ComputeDesign(WorkedExample())[Quantity::WaterBeforeReducer].note.empty());
}

// 25 mm lies between the 20 and 31.5 mm columns, 5 / 11.5 of the way, by hand (slump 160):
//   碎石 75–90 mm: 215 + 5/11.5 × (205 − 215) = 210.652; + 17.5 = 228.152 → 228.2; × 0.75 → 171
//   卵石 75–90 mm: 195 + 5/11.5 × (185 − 195) = 190.652; + 17.5 = 208.152 → 208.2
//   βs 碎石 (between 20 and 40 mm, 1/4 of the way): W/B 0.40 31.5 − 0.5 = 31.0, 0.50 34.5 − 0.5
//   = 34.0; at 0.47 31.0 + 0.7 × 3.0 = 33.1; + 5 → 38.1 → 38
TEST(Water, TwentyFiveMillimetresIsReadBetweenTheTwentyAndThirtyOneAndAHalfColumns) {
    Inputs inputs = WorkedExample();
    inputs.max_size = MaxSize::Mm25;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBeforeReducer].text, "228.2");
    EXPECT_TRUE(Contains(result[Quantity::WaterBeforeReducer].source,
                         "表 5.2.1-2，20 与 31.5 mm 之间内插"));
    EXPECT_EQ(result[Quantity::Water].text, "171");
    EXPECT_EQ(result[Quantity::SandRatio].text, "38");
    EXPECT_TRUE(Contains(result[Quantity::SandRatio].source, "20 与 40 mm 之间内插"));
    inputs.coarse = CoarseKind::Gravel;
    EXPECT_EQ(TextOf(inputs, Quantity::WaterBeforeReducer), "208.2");
}

} // namespace
} // namespace mixora::jgj55
