#include "report_fixture.h"

#include "checks.h"
#include "gb50010_2010.h"
#include "jgj55_2011.h"

namespace mixora::cement_report {
namespace {

using enum calc::Field;
using standards::EnvironmentClass;
using standards::NameOf;
using standards::StructureType;

std::vector<std::string> Conclusions(const document::DesignSnapshot& snapshot,
                                     EnvironmentClass environment,
                                     StructureType structure = StructureType::Reinforced) {
    std::vector<std::string> conclusions;
    for (const CheckLine& line : RunChecks(snapshot, environment, structure))
        conclusions.push_back(ConclusionText(line));
    return conclusions;
}

TEST(ChecksTest, ResetSheetAfterOnePressInClassOneAndClassThreeB) {
    const std::vector<CheckLine> one =
        RunChecks(PressedSnapshot(), EnvironmentClass::One, StructureType::Reinforced);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(one[0], (CheckLine{"最大水胶比", "0.52", "≤ 0.60",
                                 "GB 50010-2010 表 3.5.3，环境类别 一", Verdict::Complies, ""}));
    EXPECT_EQ(one[1], (CheckLine{"最低强度等级", "C20", "≥ C20",
                                 "GB 50010-2010 表 3.5.3，环境类别 一", Verdict::Complies, ""}));
    EXPECT_EQ(one[2], (CheckLine{"最小胶凝材料用量", "346.15 kg/m³", "≥ 300 kg/m³",
                                 "JGJ 55-2011 表 3.0.4，钢筋混凝土，水胶比 ≤ 0.55",
                                 Verdict::Complies, ""}));
    EXPECT_EQ(Conclusions(PressedSnapshot(), EnvironmentClass::ThreeB),
              (std::vector<std::string>{"不符合", "不符合", "符合"}));
    EXPECT_EQ(
        RunChecks(PressedSnapshot(), EnvironmentClass::ThreeB, StructureType::Reinforced)[0].limit,
        "≤ 0.40");
}

TEST(ChecksTest, EachEnvironmentLimitHoldsAtItsValueAndFailsJustBeyond) {
    for (const auto& limits : standards::gb50010_2010::kEnvironmentLimits.rows) {
        SCOPED_TRACE(std::string(NameOf(limits.environment)));
        const std::string ratio(limits.max_water_binder.text);
        const std::string above = ratio + "01"; // "0.6001"
        const std::string grade = std::to_string(limits.min_grade);
        const std::string below = std::to_string(limits.min_grade - 5);
        const auto at =
            Conclusions(With(PressedSnapshot(), {{Text8, ratio.c_str()}, {Text1, grade.c_str()}}),
                        limits.environment);
        const auto beyond =
            Conclusions(With(PressedSnapshot(), {{Text8, above.c_str()}, {Text1, below.c_str()}}),
                        limits.environment);
        EXPECT_EQ(at[0], "符合");
        EXPECT_EQ(at[1], "符合");
        EXPECT_EQ(beyond[0], "不符合");
        EXPECT_EQ(beyond[1], "不符合");
    }
}

TEST(ChecksTest, MinimumBinderByRowOfTheRatioAndStructureType) {
    for (const auto& row : standards::jgj55_2011::kMinimumBinder.rows) {
        for (const auto& [structure, key, name] : standards::kStructureTypes) {
            SCOPED_TRACE(std::string(row.max_water_binder.text) + " " + std::string(name));
            const std::string minimum(row.min_binder[static_cast<std::size_t>(structure)].text);
            const std::string short_of = std::to_string(std::stoi(minimum) - 1) + ".99";
            const std::string ratio(row.max_water_binder.text);
            const auto at = RunChecks(
                With(PressedSnapshot(), {{Text8, ratio.c_str()}, {Text4, minimum.c_str()}}),
                EnvironmentClass::One, structure);
            EXPECT_EQ(at[2].verdict, Verdict::Complies);
            EXPECT_EQ(at[2].limit, "≥ " + minimum + " kg/m³");
            EXPECT_EQ(RunChecks(With(PressedSnapshot(),
                                     {{Text8, ratio.c_str()}, {Text4, short_of.c_str()}}),
                                EnvironmentClass::One, structure)[2]
                          .verdict,
                      Verdict::Fails);
        }
    }
    // Just above a row's ratio is the next row: 0.46 reads the 0.50 row.
    EXPECT_EQ(RunChecks(With(PressedSnapshot(), {{Text8, "0.46"}, {Text4, "325"}}),
                        EnvironmentClass::One, StructureType::Plain)[2]
                  .verdict,
              Verdict::Complies);
    EXPECT_EQ(Conclusions(With(PressedSnapshot(), {{Text8, "0.61"}}), EnvironmentClass::One)[2],
              "不适用（表中无水胶比大于 0.60 的行）");
}

TEST(ChecksTest, GradeC15AndBelowIsExemptFromTheMinimumBinder) {
    EXPECT_EQ(Conclusions(With(PressedSnapshot(), {{Text1, "15"}, {Text4, "100"}}),
                          EnvironmentClass::One)[2],
              "不适用（C15 及以下不适用此表）");
    EXPECT_EQ(Conclusions(With(PressedSnapshot(), {{Text1, "15.5"}, {Text4, "100"}}),
                          EnvironmentClass::One)[2],
              "不符合");
}

TEST(ChecksTest, AMissingOrNonNumericInputCannotBeChecked) {
    EXPECT_EQ(Conclusions(ResetSnapshot(), EnvironmentClass::One),
              (std::vector<std::string>{"无法校核（水灰比为空）", "符合",
                                        "无法校核（水灰比为空，不能确定表中的行）"}));
    EXPECT_EQ(
        Conclusions(With(PressedSnapshot(), {{Text1, "C30"}, {Text4, "x"}}), EnvironmentClass::One),
        (std::vector<std::string>{
            "符合", "无法校核（混凝土强度等级(Fcu,k)「C30」不是数）",
            "无法校核（混凝土强度等级(Fcu,k)「C30」不是数，不能确定是否适用）"}));
    EXPECT_EQ(Conclusions(With(PressedSnapshot(), {{Text4, "3 00"}}), EnvironmentClass::One)[2],
              "无法校核（水泥用量「3 00」不是数）");
}

} // namespace
} // namespace mixora::cement_report
