#include "conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>

namespace mixora::calc {
namespace {

const NumberFormat kPrc{};
const NumberFormat kDecimalComma{",", ".", "3;0", "-", 1};

TEST(FormatFixed2, RoundsToHundredthsWithRegionalGrouping) {
    const std::pair<double, const char*> cases[] = {
        {26.58, "26.58"},      {0.5201905, "0.52"},      {1234.5, "1,234.50"},
        {0.5, "0.50"},         {260, "260.00"},          {0.004, "0.00"},
        {-0.004, "0.00"},      {-0.0, "0.00"},           {0.005, "0.01"},
        {0.125, "0.12"},       {-1234.567, "-1,234.57"}, {1234567.891, "1,234,567.89"},
        {999.995, "1,000.00"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatFixed2(value, kPrc), text) << value;
}

TEST(FormatFixed2, FollowsGroupingDecimalAndNegativeSettings) {
    NumberFormat f;
    const std::pair<const char*, const char*> groupings[] = {
        {"3;2;0", "12,34,567.00"}, {"3", "1234,567.00"}, {"0", "1234567.00"}, {"", "1234567.00"}};
    for (const auto& [grouping, text] : groupings) {
        f.grouping = grouping;
        EXPECT_EQ(FormatFixed2(1234567, f), text) << grouping;
    }
    const char* negatives[] = {"(1.10)", "-1.10", "- 1.10", "1.10-", "1.10 -"};
    for (int order = 0; order < 5; ++order) {
        const NumberFormat n{".", ",", "3;0", "-", order};
        EXPECT_EQ(FormatFixed2(-1.1, n), negatives[order]) << order;
        EXPECT_EQ(ParseSingle(negatives[order], n).value, -1.1f) << order;
    }
    EXPECT_EQ(FormatFixed2(-1234.5, kDecimalComma), "-1.234,50");
}

TEST(FormatSingle, SevenSignificantDigitsThenExponentForm) {
    const std::pair<float, const char*> cases[] = {
        {677.5812f, "677.5812"},
        {1204.589f, "1204.589"},
        {-376.4341f, "-376.4341"},
        {1882.17f, "1882.17"},
        {180.0f, "180"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.5f, "0.5"},
        {1234567.0f, "1234567"},
        {12345678.0f, "1.234568E+07"},
        {1e7f, "1E+07"},
        {0.0001f, "0.0001"},
        {0.00012345f, "0.00012345"},
        {0.00001f, "1E-05"},
        {FLT_MAX, "3.402823E+38"},
        {-1e-45f, "-1.401298E-45"},
        {9999999.5f, "1E+07"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatSingle(value, kPrc), text) << value;
    EXPECT_EQ(FormatSingle(0.5f, kDecimalComma), "0,5");
    EXPECT_EQ(FormatSingle(1.5e10f, kDecimalComma), "1,5E+10");
}

// The number a text shows, read independently of ParseSingle.
float Shown(const char* digits) {
    float value = 0;
    std::from_chars(digits, digits + std::char_traits<char>::length(digits), value);
    return value;
}

TEST(Formats, WhatIsWrittenReadsBackAsTheNumberShown) {
    const double values[] = {0,     0.004,   0.005,       0.125,  26.58, -376.4341, 1204.589,
                             1e-7,  1e-30,   123456789.0, 3.3e38, -1e15, 0.1,       2.675,
                             1e-45, FLT_MAX, -99999.995,  7.0e-5, 1.0e7, 1234567.5};
    for (const NumberFormat& f : {kPrc, kDecimalComma, NumberFormat{".", ",", "3;2;0", "-", 0}}) {
        for (const double value : values) {
            const float single = static_cast<float>(value);
            char seven[32];
            *std::to_chars(seven, seven + 31, single, std::chars_format::scientific, 6).ptr = 0;
            const ParsedSingle plain = ParseSingle(FormatSingle(single, f), f);
            EXPECT_EQ(plain.ec, std::errc{}) << value;
            EXPECT_EQ(plain.value, Shown(seven)) << FormatSingle(single, f);

            char hundredths[400];
            *std::to_chars(hundredths, hundredths + 399, value, std::chars_format::fixed, 2).ptr =
                0;
            const ParsedSingle fixed = ParseSingle(FormatFixed2(value, f), f);
            EXPECT_EQ(fixed.ec, std::errc{}) << value;
            EXPECT_EQ(fixed.value, Shown(hundredths)) << FormatFixed2(value, f);
        }
    }
}

} // namespace
} // namespace mixora::calc
