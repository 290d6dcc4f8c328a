#include "typed_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace mixora::calc {
namespace {

TEST(TypedNumber, ReadsPlainDecimalsAsTypedByHandOrByAChineseInputMethod) {
    const std::pair<const char*, double> cases[] = {
        // plain decimals with an optional sign
        {"12", 12},
        {"-0.47", -0.47},
        {"+5", 5},
        {"+.5", 0.5},
        {"5.", 5},
        {"007.50", 7.5},
        {"-0", 0},
        // blanks around: ASCII and the ideographic space
        {" \t3.5\t ", 3.5},
        {"\u3000\u300042.5\u3000", 42.5},
        // full-width digits, point and signs, alone or mixed with ASCII
        {"\uff14\uff12\uff0e\uff15", 42.5},
        {"\uff0d\uff10\uff0e\uff14\uff17", -0.47},
        {"\uff0b1.5", 1.5},
        {"\u22122\uff0e5", -2.5},
        {"1\uff19", 19},
        // as many digits as typed, beyond what a double holds
        {"0.1000000000000000000001", 0.1},
    };
    for (const auto& [text, value] : cases) {
        const TypedNumber read = ReadTypedNumber(text, "砂含水率");
        ASSERT_TRUE(read.value) << text << ": " << read.problem;
        EXPECT_EQ(*read.value, value) << text;
        EXPECT_FALSE(std::signbit(*read.value) && *read.value == 0) << text;
    }
    // Below a double's smallest magnitude: zero.
    EXPECT_EQ(ReadTypedNumber("0." + std::string(400, '0') + "1", "x").value, 0.0);
}

TEST(TypedNumber, RefusesOtherFormsNamingTheField) {
    const char* const refused[] = {
        // exponents
        "1e3", "1E3", "2.5e-1", "12e",
        // group separators, and a decimal comma
        "1,000", "1 000", "1\uff0c000", "3,5",
        // words for numbers that are not numbers
        "NaN", "nan", "inf", "-inf", "Infinity",
        // other forms a number is never typed in here
        "0x10", "5%", "180 mm", "1.2.3", ".", "-", "+-5", "--5", "\uff0d", "二十",
        "1\u30020", // the ideographic full stop is not a point
    };
    for (const char* text : refused) {
        const TypedNumber read = ReadTypedNumber(text, "坍落度");
        EXPECT_FALSE(read.value) << text;
        EXPECT_EQ(read.problem, "坍落度“" + std::string(text) + "”不是数字");
    }
    EXPECT_EQ(ReadTypedNumber(" \u3000\t", "试拌体积").problem, "试拌体积未填写");
    EXPECT_EQ(ReadTypedNumber("", "试拌体积").problem, "试拌体积未填写");
    const std::string huge = "1" + std::string(400, '0');
    // A message quotes the first 32 characters of a text of any length.
    EXPECT_EQ(ReadTypedNumber(huge, "γc").problem, "γc“" + huge.substr(0, 32) + "…”超出数值范围");
    EXPECT_EQ(ReadTypedNumber("179769313486231570000" + std::string(288, '0'), "x").value, DBL_MAX);
}

} // namespace
} // namespace mixora::calc
