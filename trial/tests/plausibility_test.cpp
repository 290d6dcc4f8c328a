#include "plausibility.h"
#include "trial_fixture.h"

namespace mixora::trial {
namespace {

// GB/T 14902-2012: ±10 mm for 10–40, ±20 for 50–90, ±30 from 100; a design slump between two
// bands takes the one below; a difference equal to the tolerance is within it.
TEST(PlausibilityTest, SlumpToleranceBandsAtTheirEdges) {
    EXPECT_FALSE(SlumpTolerance(5));
    const std::vector<std::pair<double, double>> bands = {{10, 10}, {40, 10}, {45, 10},  {50, 20},
                                                          {90, 20}, {95, 20}, {100, 30}, {220, 30}};
    for (const auto& [design, tolerance] : bands)
        EXPECT_EQ(SlumpTolerance(design), tolerance) << design;

    TrialAttempt e;
    const TrialRecord record;
    const auto notes = [&](double design, const std::string& measured) {
        e.adjustment.slump_mm = measured;
        return PlausibilityNotes(design, e, record);
    };
    EXPECT_TRUE(notes(180, "150").empty());
    EXPECT_TRUE(notes(180, "210").empty());
    EXPECT_EQ(notes(180, "100"),
              std::vector<std::string>{
                  "实测坍落度 100 mm 超出设计坍落度 180 ± 30 mm（GB/T 14902-2012），请核对或调整"});
    EXPECT_EQ(notes(90, "110").size(), 0u);
    EXPECT_EQ(notes(90, "111").size(), 1u);
    EXPECT_EQ(notes(40, "51").size(), 1u);
}

// Never a block, only a note: a moisture that looks like a fraction, a mixer batch in litres.
TEST(PlausibilityTest, AFractionalMoistureAndAHugeMixerAreNoted) {
    TrialAttempt e;
    e.production = {"0.042", "0", "", "12"};
    const std::vector<std::string> notes = PlausibilityNotes(180, e, TrialRecord{});
    EXPECT_EQ(notes, (std::vector<std::string>{"砂：含水率 0.042 %？若为 4.2 % 请输入 4.2",
                                               "搅拌机每盘 12 m³，大于 6 m³，请核对单位"}));
    e.production = {"4.2", "1", "", "6"};
    EXPECT_TRUE(PlausibilityNotes(180, e, TrialRecord{}).empty());
}

} // namespace
} // namespace mixora::trial
