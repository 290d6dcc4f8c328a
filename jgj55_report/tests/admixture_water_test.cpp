// The admixture's own water at the edges of its solid content: all solids bring none, no solids
// or a share beyond the whole is refused and nothing comes off.
#include "admixture_water.h"

#include <gtest/gtest.h>

namespace mixora::jgj55_report {
namespace {

AdmixtureWater Of(std::string solid) {
    report::ReportInfo info;
    info.admixture_solid_percent = std::move(solid);
    return AdmixtureWaterOf(info);
}

TEST(AdmixtureWaterTest, TakesOffWhatTheSolidsLeaveAndRefusesAShareOutOfRange) {
    trial::Mix mix;
    mix.water = 180;
    mix.admixture = 6.5;
    EXPECT_EQ(Of("").Net(mix).water, 180);      // none stated: a powder, nothing off
    EXPECT_EQ(Of("100").Net(mix).water, 180);   // all solids: no water of its own
    EXPECT_EQ(Of("20").Net(mix).water, 175);    // 180 − 6.5 × 0.8 = 174.8
    EXPECT_EQ(Of("．5０").Net(mix).water, 174); // full-width ".50" is 0.5 %: 173.53 → 174
    for (const char* refused : {"0", "100.5", "-3"}) {
        const AdmixtureWater water = Of(refused);
        EXPECT_FALSE(water.solid_percent) << refused;
        EXPECT_NE(water.problem.find("应在 0 与 100 % 之间"), std::string::npos) << refused;
        EXPECT_EQ(water.Net(mix).water, 180) << refused;
    }
}

} // namespace
} // namespace mixora::jgj55_report
