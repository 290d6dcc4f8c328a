#include "conversions.h"
#include "decimal_text.h"

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

// The one scanner every reader of a number uses: where a number's parts stand in a text.
TEST(ScanDecimal, FindsTheLongestNumberAtTheStartAndItsParts) {
    struct Case {
        const char* text;
        DecimalSyntax syntax;
        const char* whole;
        const char* fraction;
        const char* exponent;
        std::size_t length;
    };
    const DecimalSyntax grouped{".", ",", true};
    const DecimalSyntax comma{",", ".", false};
    const Case cases[] = {
        {"12e", {}, "12", "", "", 2},                  // an exponent needs a digit
        {"1.5E-3x", {}, "1", "5", "-3", 6},            // its sign is kept as written
        {"-.5", {}, "", "5", "", 3},                   //
        {"1,234,5.6", grouped, "1,234,5", "6", "", 9}, // group sizes are the reader's to check
        {"1,,2", grouped, "1", "", "", 1},             // a separator only between two digits
        {"1,", grouped, "1", "", "", 1},               //
        {"1.234,5e+2", comma, "1.234", "5", "+2", 10},
    };
    for (const Case& c : cases) {
        const auto parts = ScanDecimal(c.text, c.syntax);
        ASSERT_TRUE(parts) << c.text;
        EXPECT_EQ(parts->whole, c.whole) << c.text;
        EXPECT_EQ(parts->fraction, c.fraction) << c.text;
        EXPECT_EQ(parts->exponent, c.exponent) << c.text;
        EXPECT_EQ(parts->length, c.length) << c.text;
    }
    for (const char* none : {"", ".", "-", "+.e5", ",5", "e5"})
        EXPECT_FALSE(ScanDecimal(none, grouped)) << none;
    EXPECT_FALSE(ScanDecimal("-5", comma)); // this reader takes its sign apart
    EXPECT_EQ(PlainDecimal(*ScanDecimal("-1,234.50e+7", grouped), ","), "-1234.50e+7");
    EXPECT_EQ(PlainDecimal(*ScanDecimal("1.234,", comma), "."), "1234.");
}

} // namespace
} // namespace mixora::calc
