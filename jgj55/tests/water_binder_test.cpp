#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

TEST(WaterBinder, GravelTakesItsOwnRegressionCoefficients) {
    Inputs inputs = WorkedExample();
    inputs.coarse = CoarseKind::Gravel; // 0.49 × 41.9 / (43.2 + 0.49 × 0.13 × 41.9) = 0.4476
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::AlphaA].text, "0.49");
    EXPECT_EQ(result[Quantity::AlphaB].text, "0.13");
    EXPECT_EQ(result[Quantity::AlphaA].source, "表 5.1.2（卵石）");
    EXPECT_EQ(result[Quantity::WaterBinder].text, "0.45");
}

TEST(WaterBinder, GivenCoefficientsOverrideTheTable) {
    Inputs inputs = WorkedExample();
    inputs.alpha_a = 0.5; // 0.5 × 41.9 / (43.2 + 0.5 × 0.20 × 41.9) = 0.4421
    EXPECT_EQ(TextOf(inputs, Quantity::WaterBinder), "0.44");
}

TEST(WaterBinder, TheDurabilityLimitGovernsWhenStrengthAllowsMore) {
    Inputs inputs = WorkedExample();
    inputs.grade = 20; // 22.207 / (26.6 + 4.4414) = 0.7154
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBinderByStrength].text, "0.72");
    EXPECT_EQ(result[Quantity::WaterBinder].text, "0.60");
    EXPECT_EQ(result[Quantity::WaterBinder].source, "GB 50010-2010 表 3.5.3 限值");
    EXPECT_EQ(result[Quantity::WaterBinder].note, "最大水胶比起控制作用：0.72 大于限值 0.60");

    const std::vector<std::pair<EnvironmentClass, std::string>> limits = {
        {EnvironmentClass::TwoA, "0.55"},
        {EnvironmentClass::TwoB, "0.50"},
        {EnvironmentClass::ThreeA, "0.45"},
        {EnvironmentClass::ThreeB, "0.40"}};
    for (const auto& [environment, limit] : limits) {
        inputs.environment = environment;
        EXPECT_EQ(TextOf(inputs, Quantity::WaterBinder), limit) << NameOf(environment);
    }
}

TEST(WaterBinder, FromC60ItIsProposedFromTable732AndTheCoefficientsAreNotNeeded) {
    Inputs inputs = WorkedExample();
    inputs.grade = 60;
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBinderByStrength].text, "0.31"); // (0.28 + 0.34) / 2
    EXPECT_EQ(result[Quantity::WaterBinderByStrength].source,
              "表 7.3.2（范围 0.28～0.34，应经试配确定）");
    EXPECT_EQ(result[Quantity::AlphaA].origin, Origin::NotNeeded);
    EXPECT_TRUE(Contains(result[Quantity::WaterBinder].note, "表 7.3.2 起控制作用"));

    inputs.water_binder = 0.3;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBinder].text, "0.30");
    EXPECT_EQ(result[Quantity::WaterBinder].origin, Origin::Given);
    EXPECT_TRUE(Contains(result[Quantity::WaterBinder].note, "给定值起控制作用"));
}

TEST(WaterBinder, AGivenRatioAboveTheLimitIsCapped) {
    Inputs inputs = WorkedExample();
    inputs.water_binder = 0.65;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBinderByStrength].origin, Origin::Given);
    EXPECT_EQ(result[Quantity::WaterBinder].text, "0.60");
    EXPECT_EQ(result[Quantity::WaterBinder].origin, Origin::Automatic);
}

} // namespace
} // namespace mixora::jgj55
