#include "shown_number.h"

#include <gtest/gtest.h>

namespace mixora::page {
namespace {

std::optional<ShownNumber> Read(std::string_view text) {
    return ReadShownNumber(text).number;
}

TEST(ShownNumberTest, ReadsWhatTheSheetWritesAndNothingLooser) {
    EXPECT_EQ(Read("346.15"), (ShownNumber{false, 34615, -2}));
    EXPECT_EQ(Read("1,234.50"), (ShownNumber{false, 12345, -1}));
    EXPECT_EQ(Read("1.234568E+07"), (ShownNumber{false, 1234568, 1}));
    EXPECT_EQ(Read("-0.00"), ShownNumber{});
    EXPECT_EQ(Read(" 180 "), (ShownNumber{false, 18, 1}));
    for (const char* text : {"0,52", "1 80", "12abc", "1,23", "12,3456", ",123", "1e", ".", "-",
                             "inf", "nan", "0x10", "１８０", "", " "})
        EXPECT_EQ(Read(text), std::nullopt) << text;
    EXPECT_EQ(ReadShownNumber("").problem, NumberProblem::Empty);
    EXPECT_EQ(ReadShownNumber("12345678901234567891").problem, NumberProblem::TooManyDigits);
    EXPECT_EQ(ReadShownNumber("1E+401").problem, NumberProblem::TooManyDigits);
}

TEST(ShownNumberTest, ComparesExactly) {
    const auto compare = [](const char* a, const char* b) {
        return Compare(LiteralNumber(a), LiteralNumber(b));
    };
    EXPECT_EQ(compare("0.55", "0.550"), 0);
    EXPECT_EQ(compare("0.550000000000000001", "0.55"), 1);
    EXPECT_EQ(compare("99.9", "100"), -1);
    EXPECT_EQ(compare("-1", "0"), -1);
    EXPECT_EQ(compare("-2", "-1"), -1);
    EXPECT_EQ(compare("1E+3", "999.99"), 1);
}

TEST(ShownNumberTest, ThousandthOfAProductRoundsHalfAwayFromZeroOnTheDecimalValue) {
    const auto batch = [](const char* amount, const char* litres) {
        return ThousandthOfProductToHundredths(LiteralNumber(amount), LiteralNumber(litres))
            .value_or("none");
    };
    EXPECT_EQ(batch("0.25", "20"), "0.01"); // exactly 0.005
    EXPECT_EQ(batch("-0.25", "20"), "-0.01");
    EXPECT_EQ(batch("0.2499", "20"), "0.00"); // never "-0.00" either
    EXPECT_EQ(batch("-0.2", "20"), "0.00");
    EXPECT_EQ(batch("1.0049", "1000"), "1.00");
    EXPECT_EQ(batch("49.995", "1000"), "50.00");
    EXPECT_EQ(batch("1E-05", "20"), "0.00");
    EXPECT_EQ(batch("1E+07", "20"), "200000.00");
    EXPECT_EQ(batch("9999999999999999999", "9999999999999999999"), "none");
}

} // namespace
} // namespace mixora::page
