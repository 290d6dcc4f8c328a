#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

std::string FlyAsh(FlyAshGrade grade, double share) {
    Inputs inputs = WorkedExample();
    inputs.fly_ash_grade = grade;
    inputs.fly_ash_share = share;
    return TextOf(inputs, Quantity::FlyAshFactor);
}

std::string Slag(SlagGrade grade, double share) {
    Inputs inputs = WorkedExample();
    inputs.fly_ash_share = 0;
    inputs.slag_grade = grade;
    inputs.slag_share = share;
    return TextOf(inputs, Quantity::SlagFactor);
}

TEST(FlyAshFactor, GradesIAndIITakeTheUpperValueAndIIITheLower) {
    EXPECT_EQ(FlyAsh(FlyAshGrade::II, 0), "1.00");
    EXPECT_EQ(FlyAsh(FlyAshGrade::III, 0), "1.00");
    EXPECT_EQ(FlyAsh(FlyAshGrade::I, 10), "0.95");
    EXPECT_EQ(FlyAsh(FlyAshGrade::III, 10), "0.85");
    EXPECT_EQ(FlyAsh(FlyAshGrade::II, 30), "0.75");
    EXPECT_EQ(FlyAsh(FlyAshGrade::II, 40), "0.65");
    EXPECT_EQ(FlyAsh(FlyAshGrade::III, 40), "0.55");
}

TEST(FlyAshFactor, BetweenRowsAStraightLineRoundedHalfAway) {
    EXPECT_EQ(FlyAsh(FlyAshGrade::II, 25), "0.80");
    EXPECT_EQ(FlyAsh(FlyAshGrade::II, 5), "0.98");  // 0.975
    EXPECT_EQ(FlyAsh(FlyAshGrade::III, 5), "0.93"); // 0.925
    Inputs inputs = WorkedExample();
    inputs.fly_ash_share = 35;
    EXPECT_EQ(ComputeDesign(inputs)[Quantity::FlyAshFactor].source,
              "表 5.1.3（粉煤灰掺量 35 %，在 30 % 与 40 % 间线性插值，Ⅱ级取上限）");
}

TEST(FlyAshFactor, BeyondTheLastRowTheUserGivesIt) {
    Inputs inputs = WorkedExample();
    inputs.fly_ash_share = 41;
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::FlyAshFactor].reason, "由试验确定：粉煤灰掺量超过 40 %，请给定 γf");
    EXPECT_EQ(result[Quantity::BinderStrength].reason, "等待 γf（粉煤灰影响系数）");
    EXPECT_EQ(result[Quantity::FlyAsh].origin, Origin::Unavailable);

    inputs.fly_ash_factor = 0.6;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::FlyAshFactor].text, "0.60");
    EXPECT_EQ(result[Quantity::FlyAshFactor].origin, Origin::Given);
    EXPECT_EQ(result[Quantity::BinderStrength].text, "29.6"); // 0.6 × 49.3 = 29.58

    inputs.fly_ash_factor.reset();
    inputs.fly_ash_share = -5;
    EXPECT_EQ(ReasonOf(inputs, Quantity::FlyAshFactor), "粉煤灰掺量须不小于 0 且小于 100 %");
}

TEST(SlagFactor, S75LowerS95UpperS105UpperPlusFiveHundredths) {
    EXPECT_EQ(Slag(SlagGrade::S75, 30), "0.90");
    EXPECT_EQ(Slag(SlagGrade::S95, 30), "1.00");
    EXPECT_EQ(Slag(SlagGrade::S105, 30), "1.05");
    EXPECT_EQ(Slag(SlagGrade::S75, 50), "0.70");
    EXPECT_EQ(Slag(SlagGrade::S95, 50), "0.85");
    EXPECT_EQ(Slag(SlagGrade::S105, 50), "0.90");
    // Single values stay, whatever the grade.
    EXPECT_EQ(Slag(SlagGrade::S105, 0), "1.00");
    EXPECT_EQ(Slag(SlagGrade::S105, 10), "1.00");
    EXPECT_EQ(Slag(SlagGrade::S75, 10), "1.00");
}

TEST(SlagFactor, BetweenRowsAndBeyondTheLast) {
    EXPECT_EQ(Slag(SlagGrade::S105, 15), "1.03"); // 1.00 to 1.05: 1.025
    EXPECT_EQ(Slag(SlagGrade::S95, 45), "0.88");  // 0.90 to 0.85: 0.875
    EXPECT_EQ(Slag(SlagGrade::S75, 25), "0.93");  // 0.95 to 0.90: 0.925
    Inputs inputs = WorkedExample();
    inputs.slag_share = 51;
    EXPECT_EQ(ReasonOf(inputs, Quantity::SlagFactor), "由试验确定：矿粉掺量超过 50 %，请给定 γs");
    inputs.slag_factor = 0.7;
    EXPECT_EQ(TextOf(inputs, Quantity::SlagFactor), "0.70");
}

} // namespace
} // namespace mixora::jgj55
