#include "design_fixture.h"
#include "inputs_json.h"

namespace mixora::jgj55 {
namespace {

Inputs EverythingChanged() {
    Inputs inputs = WorkedExample();
    inputs.grade = 60;
    inputs.strength_results = {31.5, 33};
    inputs.cement_kind = CementKind::Portland;
    inputs.cement_grade = CementGrade::G52_5;
    inputs.fly_ash_grade = FlyAshGrade::III;
    inputs.slag_grade = SlagGrade::S105;
    inputs.slag_share = 15;
    inputs.silica_fume_share = 8;
    inputs.volume.silica_fume_density = 2200;
    inputs.coarse = CoarseKind::Gravel;
    inputs.max_size = MaxSize::Mm31_5;
    inputs.sand = SandFineness::Fine;
    inputs.environment = EnvironmentClass::ThreeB;
    inputs.structure = StructureType::Prestressed;
    inputs.method = Method::Mass;
    inputs.volume.air_percent = 2.5;
    inputs.assumed_mass = 2450;
    inputs.sigma = 4.5;
    inputs.cement_strength = 55.1;
    inputs.cement_surplus = 1.05;
    inputs.fly_ash_factor = 0.8;
    inputs.slag_factor = 1.02;
    inputs.binder_strength = 50;
    inputs.alpha_a = 0.5;
    inputs.alpha_b = 0.2;
    inputs.water_binder = 0.3;
    inputs.water_before_reducer = 220;
    inputs.water = 160;
    inputs.sand_ratio = 36;
    return inputs;
}

TEST(InputsJson, EveryInputRoundTrips) {
    for (const Inputs& inputs : {Inputs{}, WorkedExample(), EverythingChanged()}) {
        const nlohmann::json json = InputsToJson(inputs);
        const InputsReading reading = InputsFromJson(nlohmann::json::parse(json.dump()));
        ASSERT_TRUE(reading.inputs) << reading.problem;
        EXPECT_EQ(*reading.inputs, inputs) << json.dump();
    }
}

TEST(InputsJson, OnlyGivenValuesAreStoredUnderGiven) {
    Inputs inputs = WorkedExample();
    inputs.water = 180;
    const nlohmann::json json = InputsToJson(inputs);
    EXPECT_EQ(json["given"], (nlohmann::json{{"water", 180.0}}));
    EXPECT_EQ(json["environment"], "1");
    EXPECT_EQ(json["coarse"], "crushed");
    EXPECT_FALSE(json.contains("strength_results"));
}

TEST(InputsJson, AMissingKeyKeepsItsDefaultAndAWrongOneIsNamed) {
    InputsReading reading = InputsFromJson(nlohmann::json::parse(R"({"grade": 40, "later": 1,
        "given": {"sigma": null}})"));
    ASSERT_TRUE(reading.inputs);
    EXPECT_EQ(reading.inputs->grade, 40);
    EXPECT_EQ(reading.inputs->sigma, std::nullopt);
    EXPECT_EQ(reading.inputs->volume, VolumeMethodInputs{});

    const std::vector<std::pair<std::string, std::string>> refused = {
        {R"([])", "配合比设计的输入须为 JSON 对象"},
        {R"({"grade": 30.5})", "“grade”须为整数（C30 写作 30）"},
        {R"({"slump": [160]})", "“slump”须为数字"},
        {R"({"coarse": "granite"})", "“coarse”的值“granite”不是可选的一项"},
        {R"({"volume": {"sand_density": true}})", "“sand_density”须为数字"},
        {R"({"given": {"water": {}}})", "“water”须为数字"},
        {R"({"strength_results": [30, "x"]})", "“strength_results”须为数字的数组"},
    };
    for (const auto& [text, problem] : refused) {
        reading = InputsFromJson(nlohmann::json::parse(text));
        EXPECT_FALSE(reading.inputs) << text;
        EXPECT_EQ(reading.problem, problem) << text;
    }
}

} // namespace
} // namespace mixora::jgj55
