#include "conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace mixora::calc {
namespace {

const NumberFormat kPrc{};
const NumberFormat kDecimalComma{",", ".", "3;0", "-", 1};

TEST(ParseLeadingNumber, ReadsTheNumberATextStartsWith) {
    const std::pair<const char*, double> cases[] = {
        {"0.52", 0.52}, {"12abc", 12},  {"1 80", 180},       {"1,800", 1},
        {"", 0},        {"abc", 0},     {"\t-1.5e2x", -150}, {"12e", 12},
        {"12e+", 12},   {"1.2.3", 1.2}, {"+.5", 0.5},        {"-", 0},
        {".", 0},       {"1\n2", 12},   {"0,52", 0},         {"1E-2", 0.01},
        {"inf", 0},     {"0x10", 0},    {"1e-400", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseLeadingNumber(text), value) << text;
    EXPECT_EQ(ParseLeadingNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(ParseLeadingNumber("-1e999"), -HUGE_VAL);
}

TEST(ParseSingle, ReadsWholeNumbersWithBlanksSignAndExponent) {
    const std::pair<const char*, float> cases[] = {
        {" 26.58 ", 26.58f},       {"260", 260.0f},   {"1,234.5", 1234.5f},
        {"1,234,567", 1234567.0f}, {".5", 0.5f},      {"5.", 5.0f},
        {"1.5E3", 1500.0f},        {"2e-3", 0.002f},  {"+7", 7.0f},
        {"\t0\t", 0.0f},           {"-0", -0.0f},     {"1e-50", 0.0f},
        {"3.4028235e38", FLT_MAX}, {"1e-40", 1e-40f},
    };
    for (const auto& [text, value] : cases) {
        const ParsedSingle parsed = ParseSingle(text, kPrc);
        EXPECT_EQ(parsed.ec, std::errc{}) << text;
        EXPECT_EQ(parsed.value, value) << text;
    }
}

TEST(ParseSingle, AcceptsEveryRegionalFormOfANegativeNumber) {
    for (const char* text : {"-1.5", "- 1.5", "1.5-", "1.5 -", "(1.5)", " ( 1.5 ) "}) {
        const ParsedSingle parsed = ParseSingle(text, kPrc);
        EXPECT_EQ(parsed.ec, std::errc{}) << text;
        EXPECT_EQ(parsed.value, -1.5f) << text;
    }
    const NumberFormat minus_sign{".", ",", "3;0", "\u2212", 1};
    EXPECT_EQ(ParseSingle("\u22122.5", minus_sign).value, -2.5f);
}

TEST(ParseSingle, RejectsWhatIsNotANumberAsAWhole) {
    for (const char* text : {"",   " ",    "abc",  "inf",   "-inf", "nan", "infinity", "0x10",
                             "1e", "1e+",  "--1",  "(-1)",  "-1-",  "1 2", "1.2.3",    ",5",
                             "1,", "1,,2", "1,.5", "12abc", "()",   "+",   "1.5e3.2"}) {
        EXPECT_EQ(ParseSingle(text, kPrc).ec, std::errc::invalid_argument) << '"' << text << '"';
    }
}

TEST(ParseSingle, MagnitudesBeyondSinglePrecisionAreOutOfRange) {
    for (const char* text :
         {"3.5e38", "-1e39", "340,282,357,000,000,000,000,000,000,000,000,000,000",
          "1e99999999999999999999", "0.001e42"})
        EXPECT_EQ(ParseSingle(text, kPrc).ec, std::errc::result_out_of_range) << text;
    EXPECT_EQ(ParseSingle("1e-99999999999999999999", kPrc).value, 0.0f);
}

TEST(ParseSingle, FollowsADecimalCommaSetting) {
    EXPECT_EQ(ParseSingle("1.234,5", kDecimalComma).value, 1234.5f);
    EXPECT_EQ(ParseSingle(" -0,52 ", kDecimalComma).value, -0.52f);
    EXPECT_EQ(ParseSingle("1,5E+10", kDecimalComma).value, 1.5e10f);
    EXPECT_EQ(ParseSingle("1.5", kDecimalComma).value, 15.0f); // "." groups digits here
    EXPECT_EQ(ParseSingle("1,2,3", kDecimalComma).ec, std::errc::invalid_argument);
}

} // namespace
} // namespace mixora::calc
