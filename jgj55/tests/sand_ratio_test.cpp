#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

std::string SandRatio(CoarseKind coarse, MaxSize size, double water_binder, double slump) {
    Inputs inputs = WorkedExample();
    inputs.coarse = coarse;
    inputs.max_size = size;
    inputs.water_binder = water_binder;
    inputs.slump = slump;
    return TextOf(inputs, Quantity::SandRatio);
}

TEST(SandRatio, Table542MiddlesAtTheRowsAndBetweenThem) {
    constexpr auto kCrushed = CoarseKind::Crushed;
    constexpr auto kGravel = CoarseKind::Gravel;
    EXPECT_EQ(SandRatio(kCrushed, MaxSize::Mm20, 0.40, 50), "32"); // 31.5 half away
    EXPECT_EQ(SandRatio(kCrushed, MaxSize::Mm20, 0.47, 60), "34"); // 33.6
    EXPECT_EQ(SandRatio(kCrushed, MaxSize::Mm20, 0.60, 10), "38"); // 37.5
    EXPECT_EQ(SandRatio(kGravel, MaxSize::Mm10, 0.55, 30), "34");  // 32.5 to 35.5
    EXPECT_EQ(SandRatio(kCrushed, MaxSize::Mm16, 0.50, 30), "36"); // 35.5
    EXPECT_EQ(SandRatio(kGravel, MaxSize::Mm40, 0.40, 30), "27");
}

TEST(SandRatio, ThirtyOneAndAHalfMillimetresLieBetweenTheColumns) {
    // 20 mm 34.5, 40 mm 32.5; 31.5 is 0.575 of the way: 33.35
    EXPECT_EQ(SandRatio(CoarseKind::Crushed, MaxSize::Mm31_5, 0.50, 30), "33");
    // 20 mm 34.5, 40 mm 33.5: 33.925
    EXPECT_EQ(SandRatio(CoarseKind::Gravel, MaxSize::Mm31_5, 0.60, 30), "34");
}

TEST(SandRatio, OnePercentPer20mmAbove60InProportion) {
    EXPECT_EQ(SandRatio(CoarseKind::Crushed, MaxSize::Mm20, 0.50, 70), "35");  // 34.5 + 0.5
    EXPECT_EQ(SandRatio(CoarseKind::Crushed, MaxSize::Mm20, 0.50, 180), "41"); // 34.5 + 6
}

TEST(SandRatio, OutsideTheTableTheUserGivesIt) {
    Inputs inputs = WorkedExample();
    inputs.slump = 5;
    EXPECT_EQ(ReasonOf(inputs, Quantity::SandRatio),
              "由试验确定：坍落度小于 10 mm（第 5.2.1、5.4.2 条），请给定 βs");
    inputs.slump = 160;
    inputs.water_binder = 0.35;
    EXPECT_EQ(ReasonOf(inputs, Quantity::SandRatio),
              "由试验确定：水胶比 0.35 不在表 5.4.2 的 0.40～0.70 之间，请给定 βs");
    inputs.sand_ratio = 100;
    EXPECT_EQ(ReasonOf(inputs, Quantity::SandRatio), "给定的 βs 须为大于 0、小于 100 的数");
    inputs.sand_ratio = 36.5;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::SandRatio].text, "36.5");
    EXPECT_EQ(result[Quantity::SandRatio].origin, Origin::Given);
}

} // namespace
} // namespace mixora::jgj55
