#include "design_fixture.h"
#include "strength_results.h"

namespace mixora::jgj55 {
namespace {

Inputs Grade(int grade) {
    Inputs inputs = WorkedExample();
    inputs.grade = grade;
    return inputs;
}

// Alternating low and high values: the deviation of each from the mean is half their gap.
std::vector<double> Alternating(std::size_t count, double low, double high) {
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(i % 2 == 0 ? low : high);
    return values;
}

TEST(Sigma, Table402AtTheEdgesOfItsBands) {
    EXPECT_EQ(TextOf(Grade(15), Quantity::Sigma), "4.0");
    EXPECT_EQ(TextOf(Grade(20), Quantity::Sigma), "4.0");
    EXPECT_EQ(TextOf(Grade(25), Quantity::Sigma), "5.0");
    EXPECT_EQ(TextOf(Grade(45), Quantity::Sigma), "5.0");
    EXPECT_EQ(TextOf(Grade(50), Quantity::Sigma), "6.0");
    EXPECT_EQ(TextOf(Grade(55), Quantity::Sigma), "6.0");
    // 20 + 1.645 × 4.0 = 26.58; 55 + 1.645 × 6.0 = 64.87
    EXPECT_EQ(TextOf(Grade(20), Quantity::TargetStrength), "26.6");
    EXPECT_EQ(TextOf(Grade(55), Quantity::TargetStrength), "64.9");
}

TEST(Sigma, FromC60NoneIsNeededAndTheTargetIs115Percent) {
    for (int grade : {60, 80}) {
        const Result result = ComputeDesign(Grade(grade));
        EXPECT_EQ(result[Quantity::Sigma].origin, Origin::NotNeeded);
        EXPECT_FALSE(result[Quantity::Sigma].value);
        EXPECT_EQ(result[Quantity::TargetStrength].source, "式 4.0.1-2");
    }
    EXPECT_EQ(TextOf(Grade(60), Quantity::TargetStrength), "69.0");
    EXPECT_EQ(TextOf(Grade(80), Quantity::TargetStrength), "92.0");
}

TEST(Sigma, AGivenValueIsUsedAsShownAndABadOneMakesTheTargetWait) {
    Inputs inputs = WorkedExample();
    inputs.sigma = 3.5; // 35 + 5.7575
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Sigma].origin, Origin::Given);
    EXPECT_EQ(result[Quantity::Sigma].text, "3.5");
    EXPECT_EQ(result[Quantity::Sigma].source, "给定");
    EXPECT_EQ(result[Quantity::TargetStrength].text, "40.8");

    inputs.sigma = -1;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Sigma].reason, "给定的 σ 须为大于 0 的数");
    EXPECT_EQ(result[Quantity::TargetStrength].reason, "等待 σ（混凝土强度标准差）");
    EXPECT_EQ(result[Quantity::WaterBinderByStrength].reason, "等待 fcu,0（配制强度）");
    EXPECT_EQ(result[Quantity::Stone].origin, Origin::Unavailable);
    EXPECT_TRUE(result.mass_ratio.empty());
}

TEST(Sigma, ThirtyResultsGiveTheSampleDeviationNotBelowItsFloor) {
    Inputs inputs = WorkedExample();
    inputs.strength_results = Alternating(30, 30, 40); // √(30 × 25 / 29) = 5.09
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Sigma].text, "5.1");
    EXPECT_EQ(result[Quantity::Sigma].source, "式 4.0.2（30 组强度资料）");

    inputs.strength_results = Alternating(30, 34, 36); // √(30 / 29) = 1.02
    inputs.grade = 30;
    EXPECT_EQ(TextOf(inputs, Quantity::Sigma), "3.0");
    inputs.grade = 35;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Sigma].text, "4.0");
    EXPECT_EQ(result[Quantity::Sigma].note, "计算值 1.0 MPa 小于下限，取下限");

    inputs.strength_results.pop_back(); // 29 results: the table
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Sigma].text, "5.0");
    EXPECT_TRUE(Contains(result[Quantity::Sigma].note, "只有 29 组"));
}

TEST(Sigma, AGradeOutsideTheListIsNamedDownTheSteps) {
    const Result result = ComputeDesign(Grade(33));
    EXPECT_EQ(result[Quantity::Sigma].reason, "强度等级 C33 不在 C15～C80（级差 5）之中");
    EXPECT_EQ(result[Quantity::TargetStrength].reason, result[Quantity::Sigma].reason);
    EXPECT_EQ(result[Quantity::BinderMinimum].reason, result[Quantity::Sigma].reason);
    EXPECT_EQ(result.checks[1].verdict, Verdict::CannotCheck);
}

TEST(StrengthResults, PastedNumbersAndTheFirstThatIsNot) {
    ParsedResults parsed = ParseStrengthResults("31.2\t32.5\r\n 33、34；35,36，+37");
    EXPECT_EQ(parsed.values, (std::vector<double>{31.2, 32.5, 33, 34, 35, 36, 37}));
    EXPECT_TRUE(parsed.problem.empty());
    parsed = ParseStrengthResults("31.2 3l.5 33");
    EXPECT_EQ(parsed.problem, "第 2 个值“3l.5”不是数字");
    EXPECT_FALSE(SampleStandardDeviation(std::vector<double>{30}));
}

TEST(CementStrength, Table514ByGradeOrAGivenCoefficientOrAMeasuredStrength) {
    Inputs inputs = WorkedExample();
    inputs.cement_grade = CementGrade::G32_5; // 1.12 × 32.5 = 36.4
    EXPECT_EQ(TextOf(inputs, Quantity::CementStrength), "36.4");
    inputs.cement_grade = CementGrade::G52_5; // 1.10 × 52.5 = 57.75
    EXPECT_EQ(TextOf(inputs, Quantity::CementSurplus), "1.10");
    EXPECT_EQ(TextOf(inputs, Quantity::CementStrength), "57.8");

    inputs.cement_surplus = 1.0;
    EXPECT_EQ(TextOf(inputs, Quantity::CementStrength), "52.5");
    inputs.cement_strength = 45;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::CementStrength].text, "45.0");
    EXPECT_EQ(result[Quantity::CementSurplus].origin, Origin::NotNeeded);
    EXPECT_EQ(result[Quantity::BinderStrength].text, "38.3"); // 0.85 × 45
}

TEST(BinderStrength, AMeasuredValueMakesTheFactorsNeedless) {
    Inputs inputs = WorkedExample();
    inputs.binder_strength = 40; // 0.53 × 40 / (43.2 + 0.53 × 0.20 × 40) = 0.447
    const Result result = ComputeDesign(inputs);
    for (Quantity quantity : {Quantity::CementSurplus, Quantity::CementStrength,
                              Quantity::FlyAshFactor, Quantity::SlagFactor})
        EXPECT_EQ(result[quantity].origin, Origin::NotNeeded) << InfoOf(quantity).symbol;
    EXPECT_EQ(result[Quantity::WaterBinder].text, "0.45");
}

} // namespace
} // namespace mixora::jgj55
