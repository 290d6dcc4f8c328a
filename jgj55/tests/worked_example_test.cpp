#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

// The worked example, each value as an engineer gets it by hand from the value shown before:
//   σ      表 4.0.2, C25–C45                                  = 5.0
//   fcu,0  35 + 1.645 × 5.0 = 43.225                           → 43.2
//   fce    γc 1.16 (表 5.1.4, 42.5) × 42.5 = 49.3               → 49.3
//   γf     表 5.1.3, 20 %, Ⅱ级 upper value                     = 0.85;  γs (0 %) = 1.00
//   fb     0.85 × 1.00 × 49.3 = 41.905                         → 41.9
//   W/B    0.53 × 41.9 / (43.2 + 0.53 × 0.20 × 41.9) = 22.207 / 47.6414 = 0.4661 → 0.47
//          (GB 50010 一 allows 0.60, so strength governs)
//   mw0′   碎石 20 mm at 75–90 mm: 215; + (160 − 90) / 20 × 5 = 17.5 → 232.5
//   mw0    232.5 × (1 − 0.25) = 174.375                        → 174
//   mb0    174 / 0.47 = 370.2 → 370, above 320 (表 3.0.4, 钢筋混凝土, W/B ≤ 0.50)
//   mf0    370 × 0.20 = 74;  mc0 = 370 − 74 = 296;  ma0 = 370 × 1.2 % = 4.44
//   βs     碎石 20 mm: W/B 0.40 row 29–34 → 31.5, 0.50 row 32–37 → 34.5;
//          at 0.47: 31.5 + 0.7 × 3 = 33.6; + (160 − 60) / 20 × 1 = 5 → 38.6 → 39
//   volume 296/3100 + 74/2200 + 174/1000 + 0.01 = 0.313120; left 0.686880;
//          per kg of aggregate 0.39/2650 + 0.61/2700 = 0.000373096 → 1841.02 → 1841
//   ms0    0.39 × 1841 = 717.99 → 718;  mg0 = 1841 − 718 = 1123
//   ρ      296 + 74 + 0 + 174 + 718 + 1123 = 2385
//   ratio  718 / 370 = 1.94, 1123 / 370 = 3.035 → 3.04, 174 / 370 = 0.470 → 0.47
TEST(WorkedExample, EveryValueAsComputedByHand) {
    const Result result = ComputeDesign(WorkedExample());
    const std::vector<std::pair<Quantity, std::string>> expected = {
        {Quantity::Sigma, "5.0"},
        {Quantity::TargetStrength, "43.2"},
        {Quantity::CementSurplus, "1.16"},
        {Quantity::CementStrength, "49.3"},
        {Quantity::FlyAshFactor, "0.85"},
        {Quantity::SlagFactor, "1.00"},
        {Quantity::BinderStrength, "41.9"},
        {Quantity::AlphaA, "0.53"},
        {Quantity::AlphaB, "0.20"},
        {Quantity::WaterBinderByStrength, "0.47"},
        {Quantity::WaterBinderLimit, "0.60"},
        {Quantity::WaterBinder, "0.47"},
        {Quantity::WaterBeforeReducer, "232.5"},
        {Quantity::Water, "174"},
        {Quantity::BinderByWater, "370"},
        {Quantity::BinderMinimum, "320"},
        {Quantity::Binder, "370"},
        {Quantity::FlyAsh, "74"},
        {Quantity::Slag, "0"},
        {Quantity::Cement, "296"},
        {Quantity::Admixture, "4.44"},
        {Quantity::SandRatio, "39"},
        {Quantity::AggregateTotal, "1841"},
        {Quantity::Sand, "718"},
        {Quantity::Stone, "1123"},
        {Quantity::Density, "2385"},
        {Quantity::RatioSand, "1.94"},
        {Quantity::RatioStone, "3.04"},
        {Quantity::RatioWater, "0.47"},
    };
    for (const auto& [quantity, text] : expected) {
        const Parameter& parameter = result[quantity];
        EXPECT_EQ(parameter.text, text) << InfoOf(quantity).symbol << " " << parameter.reason;
        EXPECT_EQ(parameter.origin, Origin::Automatic) << InfoOf(quantity).symbol;
        EXPECT_FALSE(parameter.source.empty()) << InfoOf(quantity).symbol;
    }
    EXPECT_EQ(result.mass_ratio, "1 : 1.94 : 3.04 : 0.47");
}

TEST(WorkedExample, SourcesNameTheTablesAndWhatGoverned) {
    const Result result = ComputeDesign(WorkedExample());
    EXPECT_EQ(result[Quantity::Sigma].source, "表 4.0.2（≤ C45）");
    EXPECT_EQ(result[Quantity::TargetStrength].source, "式 4.0.1-1");
    EXPECT_EQ(result[Quantity::FlyAshFactor].source, "表 5.1.3（粉煤灰掺量 20 %，Ⅱ级取上限）");
    EXPECT_EQ(result[Quantity::WaterBinder].source, "式 5.1.1");
    EXPECT_TRUE(Contains(result[Quantity::WaterBinder].note, "强度要求起控制作用"));
    EXPECT_EQ(result[Quantity::Binder].source, "式 5.3.1");
    EXPECT_TRUE(result[Quantity::Binder].note.empty());
    EXPECT_TRUE(Contains(result[Quantity::AggregateTotal].source, "体积法"));
}

TEST(WorkedExample, ChecksOfAReinforcedMixInEnvironmentOne) {
    const Result result = ComputeDesign(WorkedExample());
    ASSERT_EQ(result.checks.size(), 5u);
    EXPECT_EQ(result.checks[0],
              (Check{"最大水胶比", "0.47", "≤ 0.60", "GB 50010-2010 表 3.5.3（环境类别 一）",
                     Verdict::Complies, ""}));
    EXPECT_EQ(result.checks[1],
              (Check{"最低强度等级", "C35", "≥ C20", "GB 50010-2010 表 3.5.3（环境类别 一）",
                     Verdict::Complies, ""}));
    EXPECT_EQ(result.checks[2],
              (Check{"最小胶凝材料用量", "370 kg/m³", "≥ 320 kg/m³",
                     "表 3.0.4（钢筋混凝土，W/B ≤ 0.50）", Verdict::Complies, ""}));
    EXPECT_EQ(result.checks[3], (Check{"粉煤灰最大掺量", "20 %", "≤ 30 %",
                                       "表 3.0.5-1（普通硅酸盐水泥 P·O，钢筋混凝土，W/B > 0.40）",
                                       Verdict::Complies, ""}));
    EXPECT_EQ(result.checks[4], (Check{"水溶性氯离子最大含量", "", "≤ 0.30 %（占水泥用量）",
                                       "表 3.0.6（干燥环境，钢筋混凝土；按环境类别 一 建议）",
                                       Verdict::CannotCheck, "在试配时对新拌混凝土实测"}));
}

TEST(WorkedExample, TheMassMethodFillsTheAssumedMass) {
    Inputs inputs = WorkedExample();
    inputs.method = Method::Mass; // 2400 − 370 − 174 = 1856; 0.39 × 1856 = 723.84 → 724
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::AggregateTotal].text, "1856");
    EXPECT_EQ(result[Quantity::Sand].text, "724");
    EXPECT_EQ(result[Quantity::Stone].text, "1132");
    EXPECT_EQ(result[Quantity::Density].text, "2400");
}

// C60 with what the tables cannot give: W/B 0.30, mw0 160, βs 36.
//   mb0 160 / 0.30 = 533.3 → 533 (above 330); mf0 533 × 0.20 = 106.6 → 107; mc0 426
//   426/3100 + 107/2200 + 160/1000 + 0.01 = 0.356056; 0.643944 / (0.36/2650 + 0.64/2700)
//   = 1726.92 → 1727; ms0 0.36 × 1727 = 621.72 → 622; mg0 1105
TEST(WorkedExample, HighStrengthWithTheGivenValuesItNeeds) {
    Inputs inputs = WorkedExample();
    inputs.grade = 60;
    inputs.water_binder = 0.30;
    inputs.water = 160;
    inputs.sand_ratio = 36;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::TargetStrength].text, "69.0");
    EXPECT_EQ(result[Quantity::Binder].text, "533");
    EXPECT_EQ(result[Quantity::FlyAsh].text, "107");
    EXPECT_EQ(result[Quantity::Cement].text, "426");
    EXPECT_EQ(result[Quantity::Sand].text, "622");
    EXPECT_EQ(result[Quantity::Stone].text, "1105");
    EXPECT_EQ(result.mass_ratio, "1 : 1.17 : 2.07 : 0.30");
    EXPECT_EQ(result.checks[3].limit, "≤ 40 %"); // fly ash, P·O, W/B ≤ 0.40
    EXPECT_EQ(result.checks[5], (Check{"高强 胶凝材料用量", "533 kg/m³", "480～560 kg/m³",
                                       "高强 表 7.3.2", Verdict::Complies, ""}));
}

} // namespace
} // namespace mixora::jgj55
