// One reader for the window's fields and the file's numbers: what does not read or lies outside
// the range a real design can have is kept as written, named, and never computed.
#include "design_fixture.h"
#include "input_reading.h"
#include "inputs_json.h"
#include "requirements_json.h"
#include "shown_value.h"

namespace mixora::jgj55 {
namespace {

using nlohmann::json;

const NumberInput& Input(std::string_view key) {
    return *FindNumberInput(key);
}

TEST(InputReading, TypedAndStoredValuesAreHeldToOneRangeAndNamedAlike) {
    EXPECT_EQ(ReadInput(Input("slump"), "1OO").problem, "坍落度“1OO”不是数字");
    EXPECT_EQ(ReadInput(Input("slump"), "1000").problem,
              "坍落度“1000”须在 0～300 mm 之间（坍落度筒高 300 mm）");
    EXPECT_EQ(CheckInput(Input("slump"), 1000).problem, ReadInput(Input("slump"), "1000").problem);
    EXPECT_EQ(CheckInput(Input("sand_density"), 1).problem,
              "砂表观密度“1”须在 500～5000 kg/m³ 之间（密度的物理范围）");
    EXPECT_EQ(ReadInput(Input("fly_ash_share"), "100").problem,
              "粉煤灰掺量“100”须不小于 0 且小于 100 %（胶凝材料中须有水泥）");
    EXPECT_EQ(CheckInput(Input("cement_strength"), 1e9).problem,
              "水泥 28 d 胶砂抗压强度 fce“1000000000”须大于 0 且不大于 200 MPa（强度的物理范围）");
    EXPECT_EQ(ReadInput(Input("slump"), "300").value, 300.0);
    for (const NumberInput& input : NumberInputs()) // every default is a design one can have
        EXPECT_TRUE(input.given || CheckInput(input, NumberIn(Inputs{}, input)).value) << input.key;
}

TEST(InputReading, AnInputThatDoesNotReadIsKeptAsTypedThroughTheFileAndNothingIsComputed) {
    Inputs inputs = WorkedExample();
    PutInput(inputs, Input("slump"), "1OO");
    PutInput(inputs, Input("water"), "1e3");
    PutInput(inputs, Input("sigma"), "");
    EXPECT_EQ(inputs.slump, Inputs{}.slump); // never a stale value
    EXPECT_EQ(InputText(inputs, Input("slump")), "1OO");
    EXPECT_EQ(FirstInputProblem(inputs), "坍落度“1OO”不是数字"); // in the window's order

    const json stored = InputsToJson(inputs);
    EXPECT_EQ(stored["slump"], "1OO");
    EXPECT_EQ(stored["given"]["water"], "1e3");
    const InputsReading read = InputsFromJson(json::parse(stored.dump()));
    ASSERT_TRUE(read.inputs) << read.problem;
    EXPECT_EQ(*read.inputs, inputs);

    const Result result = ComputeDesign(inputs);
    for (const QuantityInfo& info : AllQuantities()) {
        EXPECT_FALSE(result[info.quantity].value) << info.symbol;
        EXPECT_EQ(result[info.quantity].reason, "输入有误：坍落度“1OO”不是数字");
    }

    // A stored number out of range stays the number it was, said and not computed.
    const InputsReading huge = InputsFromJson(json::parse(R"({"slump": 1.2e29})"));
    ASSERT_TRUE(huge.inputs);
    EXPECT_EQ(InputText(*huge.inputs, Input("slump")), "120000000000000000000000000000");
    EXPECT_EQ(InputsToJson(*huge.inputs)["slump"], "120000000000000000000000000000");
    EXPECT_FALSE(ComputeDesign(*huge.inputs)[Quantity::Water].value);
}

TEST(InputReading, ChoicesAFileCannotShowAreRefusedNamingKeyAndValue) {
    const auto problem = [](const char* text) { return InputsFromJson(json::parse(text)).problem; };
    EXPECT_EQ(problem(R"({"grade": 7})"), "“grade”的值 7 不是可选的强度等级（C15～C80，每级 5）");
    EXPECT_EQ(problem(R"({"grade": 1000})"),
              "“grade”的值 1000 不是可选的强度等级（C15～C80，每级 5）");
    EXPECT_EQ(problem(R"({"coarse": "gravel", "max_size": "16"})"),
              "“max_size”的值“16”不是卵石可选的最大粒径");
    EXPECT_EQ(problem(R"({"strength_results": [35, 1e9]})"),
              "“strength_results”的第 2 项“1000000000”须大于 0 且不大于 200 MPa（强度的物理范围）");
    const InputsReading integral = InputsFromJson(json::parse(R"({"grade": 30.0})"));
    ASSERT_TRUE(integral.inputs) << integral.problem;
    EXPECT_EQ(integral.inputs->grade, 30);
}

TEST(InputReading, AGivenValueIsShownWithEveryPlaceItHas) {
    EXPECT_EQ(FormatGiven(0.12345678912, 2), "0.12345678912");
    EXPECT_EQ(FormatGiven(4, 1), "4.0");
    Inputs inputs;
    inputs.volume.sand_density = 2650.1234567;
    EXPECT_EQ(InputText(inputs, Input("sand_density")), "2650.1234567");
}

// The requirements' numbers are held to their ranges, typed or stored, and refused by the same
// words; the design computes nothing while one is refused.
TEST(InputReading, RequirementNumbersAreHeldToTheirRanges) {
    const struct {
        std::string_view key, inside, outside, problem;
    } kCases[] = {
        {"pump_height", "1000", "0",
         "泵送高度“0”须大于 0 且不大于 1000 m（泵送高度不超过 1000 m）"},
        {"pipe_bore", "50", "30", "输送管径“30”须在 50～300 mm 之间（混凝土输送管内径的物理范围）"},
        {"impermeability_value", "14", "12",
         "抗渗等级数值“12”须大于 12 且不大于 50（P12 以上，试验水压不超过 5 MPa）"},
        {"frost_value", "150", "100",
         "抗冻等级数值“100”须在 150～1000 之间（冻融循环次数的物理范围）"},
        {"air_content", "20", "25",
         "目标含气量“25”须大于 0 且不大于 20 %（拌合物含气量的物理范围）"},
    };
    for (const auto& c : kCases) {
        const RequirementNumber& number = *FindRequirementNumber(c.key);
        EXPECT_EQ(RequirementProblem(number, c.inside), "") << c.key;
        EXPECT_EQ(RequirementProblem(number, c.outside), c.problem);

        Inputs inputs = WorkedExample();
        PutRequirementNumber(inputs.requirements, inputs.unread, number, c.outside);
        EXPECT_FALSE(inputs.requirements.*number.member) << c.key;
        EXPECT_EQ(FirstInputProblem(inputs), c.problem);
        EXPECT_FALSE(ComputeDesign(inputs)[Quantity::Water].value) << c.key;

        const RequirementsReading stored = RequirementsFromJson(
            json::object({{std::string(c.key), std::stod(std::string(c.outside))}}));
        ASSERT_TRUE(stored.requirements) << stored.problem;
        EXPECT_EQ(stored.unread.at(UnreadKey(number)), c.outside);
    }
}

} // namespace
} // namespace mixora::jgj55
