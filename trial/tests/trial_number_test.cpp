#include "trial_number.h"

#include <gtest/gtest.h>

namespace mixora::trial {
namespace {

TEST(TrialNumberTest, RoundsDecimalHalvesAwayFromZero) {
    EXPECT_EQ(Round(1.005, 2), 1.01); // binary 1.00499999…
    EXPECT_EQ(Round(15.925, 2), 15.93);
    EXPECT_EQ(Round(-2.5, 0), -3);
    EXPECT_EQ(Round(0.149, 1), 0.1);
    EXPECT_EQ(Round(637 * 0.025, 2), 15.93); // 15.924999… as a product
    EXPECT_EQ(Round(1e12 + 0.25, 0), 1e12);  // the tolerance stays far below a unit
    EXPECT_EQ(Fixed(-0.001, 2), "0.00");
    EXPECT_EQ(Fixed(6.9, 2), "6.90");
}

TEST(TrialNumberTest, RoundsUpOnlyWhatLiesAbove) {
    EXPECT_EQ(RoundUp(2.1085, 2), 2.11);
    EXPECT_EQ(RoundUp(2.13, 2), 2.13);
    EXPECT_EQ(RoundUp(0.1 + 0.2, 1), 0.3); // 0.30000000000000004 is 0.3
}

TEST(TrialNumberTest, ReadsPlainDecimalsAndNamesWhatIsNot) {
    EXPECT_EQ(ReadNumber(" 3.5 ", "砂含水率").value, 3.5);
    EXPECT_EQ(ReadNumber("+.5", "x").value, 0.5);
    EXPECT_EQ(ReadNumber("-0", "x").value, 0.0);
    for (const char* bad : {"3,5", "1e3", "abc", ".", "-", "1.2.3", "nan", "5%"}) {
        const Reading r = ReadNumber(bad, "砂含水率");
        EXPECT_FALSE(r.value) << bad;
        EXPECT_EQ(r.problem, "砂含水率“" + std::string(bad) + "”不是数字");
    }
    EXPECT_EQ(ReadNumber("  ", "砂含水率").problem, "砂含水率未填写");
    EXPECT_EQ(ReadInRange("0", "试拌体积", jgj55::kTrialLitresRange).problem,
              "试拌体积“0”须大于 0 且不大于 1000 L（试拌不超过 1 m³）");
    EXPECT_TRUE(ReadInRange("0", "x", jgj55::kMoistureRange).value);
    EXPECT_FALSE(ReadInRange("-1", "x", jgj55::kMoistureRange).value);
}

} // namespace
} // namespace mixora::trial
