#include "ratio_choice.h"
#include "trial_procedure.h"
#include "trial_fixture.h"

namespace mixora::trial {
namespace {

// The line through the three groups, by hand:
//   x = B/W: 1/0.50 = 2.000, 1/0.45 = 2.222, 1/0.40 = 2.500 (to 0.001); y = 35.2, 41.5, 48.0
//   x̄ = 6.722 / 3 = 2.240667, ȳ = 124.7 / 3 = 41.566667
//   Sxx = 0.240667² + 0.018667² + 0.259333² = 0.125523
//   Sxy = (−0.240667)(−6.366667) + (−0.018667)(−0.066667) + (0.259333)(6.433333) = 3.201867
//   Syy = 6.366667² + 0.066667² + 6.433333² = 81.926667
//   a = Sxy / Sxx = 25.5083 → 25.51; b = ȳ − a·x̄ = −15.5889 → −15.59
//   R² = Sxy² / (Sxx·Syy) = 0.996917 → 0.9969
//   B/W for 38.2: (38.2 + 15.59) / 25.51 = 2.108585 → up to 2.11
//   binder 180 × 2.11 = 379.8 → 380: fly ash 76, slag 38, cement 266, admixture 5.70;
//   W/B 180 / 380 = 0.4737 → 0.47; aggregates 2400 − 380 − 180 = 1840: sand 644, stone 1196.
TEST(RatioChoiceTest, LineAndChoiceMatchTheHandComputation) {
    const Computed<StrengthLine> line = FitLine({{2.0, 35.2}, {2.222, 41.5}, {2.5, 48.0}});
    ASSERT_TRUE(line.value);
    EXPECT_DOUBLE_EQ(line.value->slope, 25.51);
    EXPECT_DOUBLE_EQ(line.value->intercept, -15.59);
    EXPECT_DOUBLE_EQ(line.value->r_squared, 0.9969);
    EXPECT_EQ(EquationText(*line.value), "f = 25.51·(B/W) − 15.59");

    const TrialRecord record = RunTrial(C30(), MassMethod2400(), EntriesThroughStrength());
    ASSERT_TRUE(record.choice.value) << record.choice.missing.front();
    const RatioChoice& choice = *record.choice.value;
    EXPECT_NEAR(choice.exact_binder_water, 2.108585, 1e-6);
    EXPECT_DOUBLE_EQ(choice.binder_water, 2.11);
    EXPECT_FALSE(choice.extrapolation);
    ExpectMix(choice.per_cubic_metre, Mix{266, 76, 38, 180, 644, 1196, 5.70});
    EXPECT_DOUBLE_EQ(choice.ratios.water_binder, 0.47);
    EXPECT_DOUBLE_EQ(choice.ratios.sand_ratio_percent, 35);

    DesignBasis basis = C30();
    basis.target_strength = 38.0; // (38.0 + 15.59) / 25.51 = 2.1008: above 2.10, so 2.11
    EXPECT_DOUBLE_EQ(
        RunTrial(basis, MassMethod2400(), EntriesThroughStrength()).choice.value->binder_water,
        2.11);
}

TEST(RatioChoiceTest, TwoValidGroupsSufficeAndFewerAreNamed) {
    TrialEntries e = EntriesThroughStrength();
    e.strength.groups[1].strengths = {"30.0", "41.5", "50.0"}; // invalid
    TrialRecord record = RunTrial(C30(), MassMethod2400(), e);
    ASSERT_TRUE(record.choice.value);
    // Through (2.0, 35.2) and (2.5, 48.0): a = 25.6, b = −16.0, R² = 1.
    EXPECT_DOUBLE_EQ(record.choice.value->line.slope, 25.6);
    EXPECT_DOUBLE_EQ(record.choice.value->line.intercept, -16.0);
    EXPECT_DOUBLE_EQ(record.choice.value->line.r_squared, 1.0);
    EXPECT_DOUBLE_EQ(record.choice.value->binder_water, 2.12); // 54.2 / 25.6 = 2.1172

    e.strength.groups[2].strengths[0] = "";
    record = RunTrial(C30(), MassMethod2400(), e);
    EXPECT_FALSE(record.choice.value);
    ASSERT_EQ(record.choice.missing.size(), 3u);
    EXPECT_NE(record.choice.missing[0].find("无效"), std::string::npos);
    EXPECT_EQ(record.choice.missing[1], "第 3 组（水胶比 0.50）试件 1 抗压强度未填写");
    EXPECT_EQ(record.choice.missing[2],
              "有效强度组少于 2 组（现有 1 组），无法回归强度与胶水比的关系");
}

TEST(RatioChoiceTest, AFallingLineOrATargetOutsideTheTestsIsSaid) {
    EXPECT_FALSE(BinderWaterFor(StrengthLine{-3.0, 50.0, 0.5}, 38.2).value);
    EXPECT_FALSE(BinderWaterFor(StrengthLine{10.0, 50.0, 0.9}, 38.2).value); // x < 0

    DesignBasis basis = C30();
    basis.target_strength = 52.0; // (52 + 15.59) / 25.51 = 2.6496 → 2.65, above 2.5
    const TrialRecord record = RunTrial(basis, MassMethod2400(), EntriesThroughStrength());
    ASSERT_TRUE(record.choice.value);
    EXPECT_DOUBLE_EQ(record.choice.value->binder_water, 2.65);
    ASSERT_TRUE(record.choice.value->extrapolation);
    EXPECT_NE(record.choice.value->extrapolation->find("外推"), std::string::npos);
    // The line is drawn out to the chosen B/W.
    EXPECT_DOUBLE_EQ(record.choice.value->plot.line_to.x, 2.65);
    EXPECT_DOUBLE_EQ(record.choice.value->plot.line_from.x, 2.0);
}

TEST(StrengthPlotTest, AxesCoverEverythingDrawnWithRoundTicks) {
    const TrialRecord record = RunTrial(C30(), MassMethod2400(), EntriesThroughStrength());
    const StrengthPlot& plot = record.choice.value->plot;
    EXPECT_EQ(plot.points.size(), 3u);
    EXPECT_EQ(plot.x.ticks, (std::vector<double>{1.8, 2.0, 2.2, 2.4, 2.6})); // 0.55 / 5 → 0.2
    EXPECT_EQ(plot.x.decimals, 1);
    EXPECT_EQ(plot.y.ticks.front(), plot.y.min);
    EXPECT_EQ(plot.y.ticks.back(), plot.y.max);
    EXPECT_LE(plot.y.min, 35.2);
    EXPECT_GE(plot.y.max, 48.0);
    EXPECT_EQ(plot.equation, "f = 25.51·(B/W) − 15.59，R² = 0.9969");
    EXPECT_EQ(plot.target_label, "fcu,0 = 38.2 MPa");
    const PlotAxis flat = NiceAxis(40, 40, 5, "");
    EXPECT_LT(flat.min, 40);
    EXPECT_GT(flat.max, 40);
}

} // namespace
} // namespace mixora::trial
