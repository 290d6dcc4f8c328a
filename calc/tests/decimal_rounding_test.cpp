#include "decimal_rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mixora::calc {
namespace {

// Each case: the value, the places, the value written down.
struct Case {
    double x;
    int decimals;
    double rounded;
};

TEST(DecimalRounding, RoundsTheDecimalValueHalfAwayFromZero) {
    const Case cases[] = {
        // halves, both ways from zero
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {0.125, 2, 0.13},
        {-0.125, 2, -0.13},
        // a typed half that binary holds a hair below it (1.00499999…): as typed
        {1.005, 2, 1.01},
        {1.025, 2, 1.03},
        {15.925, 2, 15.93},
        // just below a half is below it, however close in decimals
        {2.4999999995, 0, 2},
        {0.4499999999, 1, 0.4},
        {43.225, 1, 43.2},
        // a computed half whose binary lies below it: the noise goes (51.74999999999999)
        {1.15 * 45, 1, 51.8},
        {637 * 0.025, 2, 15.93},
        {0.85 * 49.3, 2, 41.91},
        {(26.4 - 25.76) / 10.24, 3, 0.063}, // nearly equal values subtracted
        // carries through nines; far below the place; large values
        {9.9996, 3, 10},
        {-0.0004, 3, 0},
        {0.0004, 0, 0},
        {1e12 + 0.25, 0, 1e12},
        {123456.5, 0, 123457},
        {0, 2, 0},
    };
    for (const Case& c : cases) {
        const double rounded = RoundShown(c.x, c.decimals);
        EXPECT_EQ(rounded, c.rounded) << c.x << " to " << c.decimals;
        EXPECT_FALSE(rounded == 0 && std::signbit(rounded)) << c.x;
    }
    EXPECT_TRUE(std::isinf(RoundShown(INFINITY, 2)));
}

TEST(DecimalRounding, RoundsUpWhatLiesAboveThePlaceOnly) {
    const Case cases[] = {
        {2.1085, 2, 2.11}, {2.13, 2, 2.13}, {0.1 + 0.2, 1, 0.3}, {2.001, 0, 3},
        {-2.9, 0, -2},     {-0.001, 2, 0},  {0.0001, 2, 0.01},   {9.991, 2, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundUp(c.x, c.decimals), c.rounded) << c.x << " to " << c.decimals;
}

TEST(DecimalRounding, WritesExactlyThePlacesAsked) {
    EXPECT_EQ(FormatFixed(6.9, 2), "6.90");
    EXPECT_EQ(FormatFixed(174.375, 0), "174");
    EXPECT_EQ(FormatFixed(1.005, 2), "1.01");
    EXPECT_EQ(FormatFixed(0.047, 3), "0.047");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(99.95, 1), "100.0");
    EXPECT_EQ(FormatFixed(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(FormatFixed(NAN, 2), "—");
}

} // namespace
} // namespace mixora::calc
