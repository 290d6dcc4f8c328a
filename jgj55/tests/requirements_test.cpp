// The special requirements: chapter 7's tables at their rows and edges, the governing limits,
// and three designs worked by hand.
#include "design_fixture.h"
#include "requirement_rules.h"

namespace mixora::jgj55 {
namespace {

const Check* FindCheck(const Result& result, const std::string& item) {
    for (const Check& check : result.checks)
        if (check.item == item) return &check;
    ADD_FAILURE() << "no check " << item;
    return nullptr;
}

Verdict VerdictOf(const Result& result, const std::string& item) {
    const Check* check = FindCheck(result, item);
    return check ? check->verdict : Verdict::CannotCheck;
}

void ExpectTexts(const Result& result,
                 const std::vector<std::pair<Quantity, std::string>>& expected) {
    for (const auto& [quantity, text] : expected)
        EXPECT_EQ(result[quantity].text, text)
            << InfoOf(quantity).symbol << " " << result[quantity].reason;
}

TEST(Requirements, Table712ByGradeBandAndStrength) {
    Inputs inputs = WorkedExample();
    const std::vector<std::tuple<ImpermeabilityGrade, int, std::string>> rows = {
        {ImpermeabilityGrade::P6, 30, "0.60"},       {ImpermeabilityGrade::P6, 35, "0.55"},
        {ImpermeabilityGrade::P8, 30, "0.55"},       {ImpermeabilityGrade::P12, 35, "0.50"},
        {ImpermeabilityGrade::AboveP12, 30, "0.50"}, {ImpermeabilityGrade::AboveP12, 35, "0.45"}};
    for (const auto& [grade, strength, limit] : rows) {
        inputs.requirements.impermeability = grade;
        inputs.grade = strength;
        EXPECT_EQ(TextOf(inputs, Quantity::WaterBinderLimit), limit)
            << NameOf(grade) << " C" << strength;
    }
    inputs.requirements.impermeability_value = 14;
    EXPECT_EQ(RequirementNames(inputs.requirements, 35), (std::vector<std::string>{"抗渗 P14"}));
}

TEST(Requirements, Table7221WithAndWithoutAnAirEntrainingAgent) {
    Inputs inputs = WorkedExample();
    inputs.requirements.frost = FrostGrade::F100;
    inputs.water_binder = 0.30; // the table's least binder shows above 表 3.0.4's
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBinderLimit].text, "0.50");
    EXPECT_EQ(result[Quantity::WaterBinderLimit].source, "抗冻 表 7.2.2-1（F100，无引气剂）");
    EXPECT_EQ(result[Quantity::BinderMinimum].text, "330"); // 表 3.0.4 W/B ≤ 0.45 governs 320
    inputs.requirements.air_entrained = true;
    EXPECT_EQ(TextOf(inputs, Quantity::WaterBinderLimit), "0.55");

    inputs.requirements.frost = FrostGrade::F150Up;
    EXPECT_EQ(TextOf(inputs, Quantity::WaterBinderLimit), "0.50");
    EXPECT_EQ(TextOf(inputs, Quantity::BinderMinimum), "350");
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "抗冻 引气剂"), Verdict::Complies);
    inputs.requirements.air_entrained = false; // required: no W/B without it
    result = ComputeDesign(inputs);
    EXPECT_TRUE(Contains(result[Quantity::WaterBinderLimit].reason, "须掺引气剂"));
    EXPECT_EQ(VerdictOf(result, "抗冻 引气剂"), Verdict::Fails);
}

TEST(Requirements, Table7222CompositeShareByCementAndWaterBinder) {
    Inputs inputs = WorkedExample();
    inputs.requirements.frost = FrostGrade::F50;
    inputs.slag_share = 25; // 45 % with the fly ash
    inputs.water_binder = 0.40;
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "抗冻 矿物掺合料最大掺量"), Verdict::Complies);
    inputs.water_binder = 0.41; // P·O above 0.40: 40 %
    const Result result = ComputeDesign(inputs);
    const Check* check = FindCheck(result, "抗冻 矿物掺合料最大掺量");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->limit, "≤ 40 %");
    EXPECT_EQ(check->verdict, Verdict::Fails);
    inputs.cement_kind = CementKind::Portland; // 50 %
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "抗冻 矿物掺合料最大掺量"), Verdict::Complies);
}

TEST(Requirements, Table741ByHeightAtItsEdges) {
    const std::vector<std::tuple<CoarseKind, double, std::string>> rows = {
        {CoarseKind::Crushed, 49.9, "3.0"}, {CoarseKind::Crushed, 50, "4.0"},
        {CoarseKind::Crushed, 100, "4.0"},  {CoarseKind::Crushed, 100.1, "5.0"},
        {CoarseKind::Gravel, 0, "2.5"},     {CoarseKind::Gravel, 100, "3.0"},
        {CoarseKind::Gravel, 120, "4.0"}};
    for (const auto& [coarse, height, ratio] : rows)
        EXPECT_EQ(PumpRatioFor(coarse, height)->ratio.text, ratio) << height;

    Inputs inputs = WorkedExample(); // 碎石 20 mm: 1 : 5.0 needs a 100 mm pipe
    inputs.requirements.pumped = true;
    inputs.requirements.pump_height = 120;
    inputs.requirements.pipe_bore = 100;
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "泵送 粗骨料最大粒径与输送管径之比"),
              Verdict::Complies);
    inputs.requirements.pipe_bore = 99;
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "泵送 粗骨料最大粒径与输送管径之比"),
              Verdict::Fails);
    inputs.requirements.pipe_bore.reset();
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "泵送 粗骨料最大粒径与输送管径之比"),
              Verdict::CannotCheck);
}

TEST(Requirements, AirContentOfTable307AndTheVolumeMethodsAlpha) {
    EXPECT_EQ(AirContentRowFor(MaxSize::Mm40).moist.text, "4.5");
    EXPECT_EQ(AirContentRowFor(MaxSize::Mm31_5).salt_frost.text, "5.5"); // the 25 mm row
    EXPECT_EQ(AirContentRowFor(MaxSize::Mm20).moist.text, "5.5");
    EXPECT_EQ(AirContentRowFor(MaxSize::Mm10).salt_frost.text, "6.0");

    Inputs inputs = WorkedExample();
    inputs.requirements.air_exposure = AirExposure::SaltFrost;
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "含气量"), Verdict::CannotCheck); // no agent
    inputs.requirements.air_entrained = true; // target 6.0 % at 20 mm
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(VerdictOf(result, "含气量"), Verdict::Complies);
    EXPECT_TRUE(Contains(result[Quantity::AggregateTotal].note, "α = 6.0 %"))
        << result[Quantity::AggregateTotal].note;
    EXPECT_NE(result[Quantity::AggregateTotal].text,
              TextOf(WorkedExample(), Quantity::AggregateTotal));
    inputs.requirements.air_content = 7.5; // above 7.0
    EXPECT_EQ(VerdictOf(ComputeDesign(inputs), "含气量"), Verdict::Fails);
}

TEST(Requirements, ChlorideRowProposedFromTheEnvironmentOrChosen) {
    Inputs inputs = WorkedExample();
    inputs.environment = EnvironmentClass::ThreeA;
    Result result = ComputeDesign(inputs);
    const Check* check = FindCheck(result, "水溶性氯离子最大含量");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->limit, "≤ 0.10 %（占水泥用量）");
    inputs.requirements.chloride = ChlorideEnvironment::Deicing;
    inputs.structure = StructureType::Plain;
    result = ComputeDesign(inputs);
    check = FindCheck(result, "水溶性氯离子最大含量");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->limit, "≤ 1.00 %（占水泥用量）");
    EXPECT_FALSE(Contains(check->source, "建议"));
}

TEST(Requirements, TheSmallestMaximumAndTheLargestMinimumGovern) {
    Inputs inputs = WorkedExample();
    inputs.environment = EnvironmentClass::TwoA;                  // 0.55
    inputs.requirements.impermeability = ImpermeabilityGrade::P6; // C35: 0.55
    inputs.requirements.frost = FrostGrade::F100;                 // 0.50, 320
    inputs.requirements.mass = true;                              // 0.55
    inputs.requirements.pumped = true;                            // 300
    inputs.water_binder = 0.52;
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::WaterBinder].text, "0.50");
    EXPECT_EQ(result[Quantity::WaterBinder].source, "抗冻 表 7.2.2-1 限值");
    const Parameter& minimum = result[Quantity::BinderMinimum];
    EXPECT_EQ(minimum.text, "320"); // 表 3.0.4 (0.50: 320) ties 抗渗 and 抗冻; the table first
    EXPECT_EQ(minimum.source, "表 3.0.4（钢筋混凝土，W/B ≤ 0.50）");
    EXPECT_TRUE(Contains(minimum.note, "泵送 第 7.4.2 条 300 kg")) << minimum.note;
    EXPECT_EQ(RequirementNames(inputs.requirements, inputs.grade),
              (std::vector<std::string>{"泵送", "抗渗 P6", "抗冻 F100", "大体积"}));
}

// P8, pumped 60 m through a 125 mm pipe, C35 with P·O 52.5, fly ash Ⅱ 20 %, 碎石 20 mm,
// slump 180 mm, β 25 %, dosage 1.2 %, environment 一, reinforced, volume method:
//   fce 1.10 × 52.5 = 57.75 → 57.8;  fb 0.85 × 57.8 = 49.13 → 49.1
//   W/B 0.53 × 49.1 / (43.2 + 0.106 × 49.1) = 26.023 / 48.4046 = 0.5376 → 0.54
//   limits: GB 50010 一 0.60, 表 7.1.2 P8～P12 above C30 0.50 → 0.50 governs
//   mw0′ 215 + (180 − 90) / 20 × 5 = 237.5;  mw0 237.5 × 0.75 = 178.125 → 178
//   mb0 178 / 0.50 = 356; least: 表 3.0.4 320, 抗渗 320, 泵送 300 → 320
//   mf0 71.2 → 71; mc0 285; ma0 4.272 → 4.27
//   βs 0.50 row 32–37 → 34.5, + (180 − 60) / 20 = 6 → 40.5 → 41
//   285/3100 + 71/2200 + 0.178 + 0.01 = 0.312208; 0.687792 / (0.41/2650 + 0.59/2700)
//   = 1842.8 → 1843;  ms0 0.41 × 1843 = 755.6 → 756;  mg0 1087
TEST(Requirements, AnImpermeablePumpedC35ByHand) {
    Inputs inputs = WorkedExample();
    inputs.cement_grade = CementGrade::G52_5;
    inputs.slump = 180;
    inputs.requirements.impermeability = ImpermeabilityGrade::P8;
    inputs.requirements.pumped = true;
    inputs.requirements.pump_height = 60;
    inputs.requirements.pipe_bore = 125;
    const Result result = ComputeDesign(inputs);
    ExpectTexts(result, {{Quantity::BinderStrength, "49.1"},
                         {Quantity::WaterBinderByStrength, "0.54"},
                         {Quantity::WaterBinderLimit, "0.50"},
                         {Quantity::WaterBinder, "0.50"},
                         {Quantity::Water, "178"},
                         {Quantity::Binder, "356"},
                         {Quantity::BinderMinimum, "320"},
                         {Quantity::FlyAsh, "71"},
                         {Quantity::Cement, "285"},
                         {Quantity::SandRatio, "41"},
                         {Quantity::AggregateTotal, "1843"},
                         {Quantity::Sand, "756"},
                         {Quantity::Stone, "1087"}});
    EXPECT_EQ(
        result[Quantity::WaterBinderLimit].note,
        "抗渗 表 7.1.2（P8～P12，C30 以上） 起控制作用；另有 GB 50010-2010 表 3.5.3（环境类别 "
        "一） 0.60");
    for (const char* item :
         {"最大水胶比", "最小胶凝材料用量", "泵送 砂率", "泵送 粗骨料最大粒径与输送管径之比",
          "抗渗 砂率", "抗渗 粗骨料最大公称粒径", "抗渗 粉煤灰等级"})
        EXPECT_EQ(VerdictOf(result, item), Verdict::Complies) << item;
    EXPECT_EQ(FindCheck(result, "最大水胶比")->source, "抗渗 表 7.1.2（P8～P12，C30 以上）");
}

// C60 (fly ash 20 %, slag 10 %, otherwise the worked example): fcu,0 1.15 × 60 = 69.0;
//   表 7.3.2 C60～C80: W/B (0.28 + 0.34) / 2 = 0.31, mb0 (480 + 560) / 2 = 520, βs 38.5 → 39
//   mw0 520 × 0.31 = 161.2 → 161 (表 5.2.1-2 不需要); mf0 104, mk0 52, mc0 364
//   364/3100 + 104/2200 + 52/2900 + 0.161 + 0.01 = 0.353623; 0.646377 / 0.000373096
//   = 1732.5 → 1732;  ms0 0.39 × 1732 = 675.5 → 675;  mg0 1057
// C80: fcu,0 92.0; W/B 0.27, mb0 550; mw0 148.5 → 149 (half away from zero)
TEST(Requirements, HighStrengthC60AndC80ByHand) {
    Inputs inputs = WorkedExample();
    inputs.grade = 60;
    inputs.slag_share = 10;
    Result result = ComputeDesign(inputs);
    ExpectTexts(result, {{Quantity::TargetStrength, "69.0"},
                         {Quantity::WaterBinder, "0.31"},
                         {Quantity::Binder, "520"},
                         {Quantity::Water, "161"},
                         {Quantity::FlyAsh, "104"},
                         {Quantity::Slag, "52"},
                         {Quantity::Cement, "364"},
                         {Quantity::SandRatio, "39"},
                         {Quantity::AggregateTotal, "1732"},
                         {Quantity::Sand, "675"},
                         {Quantity::Stone, "1057"}});
    EXPECT_EQ(result[Quantity::Binder].source, "表 7.3.2（范围 480～560 kg/m³，应经试配确定）");
    EXPECT_EQ(result[Quantity::SandRatio].source, "表 7.3.2（范围 35～42 %，应经试配确定）");
    EXPECT_EQ(result[Quantity::WaterBeforeReducer].origin, Origin::NotNeeded);
    for (const char* item : {"高强 水胶比", "高强 胶凝材料用量", "高强 砂率", "高强 水泥用量",
                             "高强 矿物掺合料掺量", "高强 粗骨料最大公称粒径", "高强 粉煤灰等级"})
        EXPECT_EQ(VerdictOf(result, item), Verdict::Complies) << item;

    inputs.grade = 80;
    ExpectTexts(ComputeDesign(inputs), {{Quantity::TargetStrength, "92.0"},
                                        {Quantity::WaterBinder, "0.27"},
                                        {Quantity::Binder, "550"},
                                        {Quantity::Water, "149"}});

    // The user's own values are checked, never moved: mb0 600 is outside 520～580; given mw0
    // gives mb0 = mw0 / (W/B) = 150 / 0.27 = 555.6 → 556.
    inputs.binder = 600;
    inputs.max_size = MaxSize::Mm31_5;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::Binder].text, "600");
    EXPECT_EQ(VerdictOf(result, "高强 胶凝材料用量"), Verdict::Fails);
    EXPECT_EQ(VerdictOf(result, "高强 粗骨料最大公称粒径"), Verdict::Fails);
    inputs.water = 150;
    EXPECT_EQ(TextOf(inputs, Quantity::Binder), "556");
}

} // namespace
} // namespace mixora::jgj55
