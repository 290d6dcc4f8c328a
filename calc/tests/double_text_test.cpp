#include "decimal_text.h"
#include "double_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace mixora::calc {
namespace {

// <charconv>'s text of x, which the program's own must equal (the tests may link it).
template <class... Format> std::string Charconv(double x, Format... format) {
    char text[800];
    const auto written = std::to_chars(text, text + sizeof text, x, format...);
    return std::string(text, written.ptr);
}

// Where the C library's rounding and <charconv>'s could part: ties on the binary value and
// halves binary holds a hair off, powers of two (whose shortest digits may lie above them), whole
// numbers past 2^53, the ends of the range, both zeros, typed decimals and any bits at all.
std::vector<double> Values() {
    std::vector<double> values = {0.125,
                                  2.675,
                                  -2.675,
                                  1.005,
                                  0.5,
                                  2.5,
                                  1e-7,
                                  -1e-7,
                                  1e-4,
                                  1e-3,
                                  1e5,
                                  123456,
                                  1e15,
                                  1e16,
                                  1e22,
                                  1.2e29,
                                  0.1,
                                  0.3,
                                  5e-324,
                                  1e308,
                                  0.0,
                                  -0.0,
                                  1.15 * 45,
                                  9007199254740993.0,
                                  1.2345678901234567e20,
                                  2.2250738585072014e-308};
    for (int power = -1074; power <= 1023; ++power)
        values.push_back(std::ldexp(1.0, power));
    std::mt19937_64 random(27);
    for (int i = 0; i < 4000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x)) values.push_back(x);
        values.push_back(static_cast<double>(random() % 10'000'000) / 1000);
    }
    return values;
}

TEST(DoubleText, WritesWhatCharconvWrites) {
    for (const double x : Values()) {
        SCOPED_TRACE(Charconv(x));
        ASSERT_EQ(ShortestText(x), Charconv(x));
        if (x != 0) {
            const ShortestDigits shortest = ShortestDigitsOf(x);
            std::string scientific = shortest.digits.substr(0, 1);
            if (shortest.digits.size() > 1) scientific += "." + shortest.digits.substr(1);
            const std::string power = std::to_string(std::abs(shortest.power));
            scientific += (shortest.power < 0 ? "e-" : "e+") +
                          std::string(power.size() < 2 ? "0" : "") + power;
            ASSERT_EQ(scientific, Charconv(std::fabs(x), std::chars_format::scientific));
        }
        for (const int decimals : {0, 1, 2, 3, 6})
            ASSERT_EQ(FixedText(x, decimals), Charconv(x, std::chars_format::fixed, decimals));
        for (const int decimals : {0, 6, 11, 16})
            ASSERT_EQ(ScientificText(x, decimals),
                      Charconv(x, std::chars_format::scientific, decimals));
    }
    // The cases a reader of this file looks for, as they are written.
    EXPECT_EQ(FixedText(0.125, 2), "0.12");
    EXPECT_EQ(FixedText(2.675, 2), "2.67");
    EXPECT_EQ(FixedText(-0.001, 2), "-0.00");
    EXPECT_EQ(ShortestText(1e-7), "1e-07");
    EXPECT_EQ(ShortestText(1e5), "1e+05");
    EXPECT_EQ(ShortestText(1.2345678901234567e20), "123456789012345667584");
    EXPECT_EQ(ShortestText(-0.0), "-0");
    EXPECT_EQ(ShortestText(-NAN), "-nan");
}

TEST(DoubleText, PlainTextsReadAsCharconvReadsThem) {
    for (const double x : Values()) {
        for (const std::string& text : {ShortestText(x), ScientificText(x, 8)}) {
            double read = 1;
            ASSERT_EQ(ReadPlainDecimal(text, read), DecimalReading::Value) << text;
            double expected = 0;
            std::from_chars(text.data(), text.data() + text.size(), expected);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(expected))
                << text;
            // A single: rounded once, from the text, not by way of a double.
            float single = 1;
            float single_expected = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), single_expected);
            const DecimalReading reading = ReadPlainDecimal(text, single);
            if (error == std::errc{}) {
                EXPECT_EQ(reading, DecimalReading::Value) << text;
                EXPECT_EQ(single, single_expected) << text;
            } else {
                EXPECT_EQ(reading,
                          std::fabs(x) > 1 ? DecimalReading::TooLarge : DecimalReading::Value)
                    << text;
            }
        }
    }
    double value = 1;
    EXPECT_EQ(ReadPlainDecimal("1e400", value), DecimalReading::TooLarge);
    EXPECT_EQ(ReadPlainDecimal("-1e-400", value), DecimalReading::Value);
    EXPECT_TRUE(value == 0 && std::signbit(value));
    // What strtod reads and the plain form does not hold.
    for (const char* text : {"+1", " 1", "inf", "nan", "0x1p3", "1e", "1.5 ", ""})
        EXPECT_EQ(ReadPlainDecimal(text, value), DecimalReading::Malformed) << text;
}

} // namespace
} // namespace mixora::calc
