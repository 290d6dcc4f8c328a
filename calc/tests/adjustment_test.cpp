#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using Adjustment = SheetTest;

TEST_F(Adjustment, MoistAggregatesTakeWaterFromTheMix) {
    design("350");
    set({{21, "0.03"}, {24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "699.37", "1216.04", "147.59", "1", "2.00", "3.47", "0.42"}));
}

TEST_F(Adjustment, DryAggregatesStillRebuildTheAmountsFromRoundedProportions) {
    design("350");
    set({{21, "0"}, {24, "0"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "679", "1204", "180", "1", "1.94", "3.44", "0.51"}));
}

TEST_F(Adjustment, RunsOnlyWhenBothMoistureContentsAreGiven) {
    design("350");
    for (const auto& [sand, stone] : {std::pair{"0.03", ""}, std::pair{"", "0.01"}}) {
        set({{21, sand}, {24, stone}});
        EXPECT_EQ(press(), std::nullopt);
        EXPECT_EQ(frame(),
                  (Frame{"350", "677.5812", "1204.589", "180", "1.00", "1.94", "3.44", "0.51"}));
    }
}

TEST_F(Adjustment, FollowsTheMassMethodToo) {
    sheet.set_on(Toggle::option2, true);
    design("350");
    set({{20, "2400"}, {21, "0.03"}, {24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "692.16", "1208.97", "147.87", "1", "1.98", "3.45", "0.42"}));
}

TEST_F(Adjustment, ReformatsTheCementContent) {
    set({{26, "150"}, {8, "0.4"}, {21, "0.03"}, {24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(sheet.text(4), "375.00");
    EXPECT_EQ(sheet.text(11), "375");
}

TEST_F(Adjustment, ABlankMoistureFailsAfterTheMethodWroteTheDryMix) {
    design("350");
    set({{21, " "}, {24, "x"}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::QuantityStage, 24}));
    set({{24, "0.01"}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::QuantityStage, 21}));
    EXPECT_EQ(frame(),
              (Frame{"350", "677.5812", "1204.589", "180", "1.00", "1.94", "3.44", "0.51"}));
}

TEST_F(Adjustment, FaultsOfItsOwnAreReportedAtTheirInput) {
    design("350");
    set({{21, "1e38"}, {24, "0.01"}});
    EXPECT_EQ(press(), (CalcError{Fault::Overflow, Step::tiaozheng, 21}));
    EXPECT_EQ(sheet.text(30), "1.00"); // the method's, nothing of the adjustment
}

} // namespace
} // namespace mixora::calc
