// 硅灰, the third mineral admixture (第 7.3.2 条): fb must be given, ρsf too for the volume
// method, and the mix, the volume and the mineral totals count it.
#include "design_fixture.h"
#include "inputs_json.h"

namespace mixora::jgj55 {
namespace {

const Check* FindCheck(const Result& result, const std::string& item) {
    for (const Check& check : result.checks)
        if (check.item == item) return &check;
    return nullptr;
}

// C60, fly ash 20 %, 硅灰 8 %, otherwise the worked example: fcu,0 1.15 × 60 = 69.0;
//   表 7.3.2: W/B 0.31, mb0 520, βs 39; mw0 520 × 0.31 = 161.2 → 161
//   mf0 520 × 0.20 = 104; msf0 520 × 0.08 = 41.6 → 42; mc0 520 − 104 − 42 = 374
//   374/3100 + 104/2200 + 42/2200 (ρsf given) + 161/1000 + 0.01 = 0.358009
//   0.641991 / (0.39/2650 + 0.61/2700 = 0.000373096) = 1720.7 → 1721
//   ms0 0.39 × 1721 = 671.19 → 671; mg0 1050; ρc,c 374 + 104 + 42 + 161 + 671 + 1050 = 2402
//   1 : 671/520 = 1.29 : 1050/520 = 2.02 : 161/520 = 0.31
Inputs C60WithSilicaFume() {
    Inputs inputs = WorkedExample();
    inputs.grade = 60;
    inputs.silica_fume_share = 8;
    return inputs;
}

TEST(SilicaFume, C60ByHandOnceFbAndItsDensityAreGiven) {
    Inputs inputs = C60WithSilicaFume();
    Result result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::BinderStrength].reason, "请给定 fb（表 5.1.3 无硅灰影响系数）");
    EXPECT_FALSE(result[Quantity::WaterBinder].value); // 表 7.3.2's W/B waits on it too
    EXPECT_FALSE(result[Quantity::Sand].value);

    inputs.binder_strength = 52;
    result = ComputeDesign(inputs);
    EXPECT_EQ(result[Quantity::SilicaFume].text, "42");
    EXPECT_EQ(result[Quantity::Cement].text, "374");
    EXPECT_EQ(result[Quantity::Sand].reason, "请给定 ρsf（硅灰密度）"); // no density assumed

    inputs.volume.silica_fume_density = 2200;
    result = ComputeDesign(inputs);
    for (const auto& [quantity, text] :
         std::vector<std::pair<Quantity, std::string>>{{Quantity::TargetStrength, "69.0"},
                                                       {Quantity::BinderStrength, "52.0"},
                                                       {Quantity::FlyAsh, "104"},
                                                       {Quantity::SilicaFume, "42"},
                                                       {Quantity::Cement, "374"},
                                                       {Quantity::AggregateTotal, "1721"},
                                                       {Quantity::Sand, "671"},
                                                       {Quantity::Stone, "1050"},
                                                       {Quantity::Density, "2402"}})
        EXPECT_EQ(result[quantity].text, text) << InfoOf(quantity).symbol;
    EXPECT_EQ(result.mass_ratio, "1 : 1.29 : 2.02 : 0.31");
    // The mineral totals count it: 20 + 8 = 28 %.
    EXPECT_EQ(FindCheck(result, "高强 矿物掺合料掺量")->value, "28 %");
    EXPECT_EQ(FindCheck(result, "复合掺合料最大掺量")->value, "28 %");

    // The mass method takes it off the assumed mass: 2400 − 374 − 104 − 42 − 161 = 1719.
    inputs.method = Method::Mass;
    EXPECT_EQ(TextOf(inputs, Quantity::AggregateTotal), "1719");
}

TEST(SilicaFume, ShareIsHeldToTenPerCentForHighStrength) {
    Inputs inputs = C60WithSilicaFume();
    inputs.binder_strength = 52;
    inputs.volume.silica_fume_density = 2200;
    for (const auto& [share, verdict] :
         {std::pair{10.0, Verdict::Complies}, std::pair{10.5, Verdict::Fails}}) {
        inputs.silica_fume_share = share;
        const Result result = ComputeDesign(inputs);
        const Check* check = FindCheck(result, "高强 硅灰掺量");
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->limit, "≤ 10 %");
        EXPECT_EQ(check->source, "高强 第 7.3.2 条");
        EXPECT_EQ(check->verdict, verdict) << share;
    }
    inputs.grade = 50; // no limit of its own below C60: said, not passed over
    const Result below = ComputeDesign(inputs);
    ASSERT_NE(FindCheck(below, "硅灰掺量"), nullptr);
    EXPECT_EQ(FindCheck(below, "硅灰掺量")->verdict, Verdict::NotChecked);
}

TEST(SilicaFume, KeptInTheFileAndADesignWithoutItWritesAsBefore) {
    Inputs inputs = C60WithSilicaFume();
    inputs.volume.silica_fume_density = 2200;
    const nlohmann::json json = InputsToJson(inputs);
    EXPECT_EQ(json["silica_fume_share"], 8.0);
    EXPECT_EQ(json["volume"]["silica_fume_density"], 2200.0);
    EXPECT_EQ(*InputsFromJson(json).inputs, inputs);

    const nlohmann::json old = InputsToJson(WorkedExample());
    EXPECT_FALSE(old.contains("silica_fume_share"));
    EXPECT_FALSE(old["volume"].contains("silica_fume_density"));
    EXPECT_EQ(TextOf(WorkedExample(), Quantity::SilicaFume), "0");
}

} // namespace
} // namespace mixora::jgj55
