#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using Adjustment = SheetTest;

TEST_F(Adjustment, MoistAggregatesTakeWaterFromTheMix) {
    design("350");
    set({{Text21, "0.03"}, {Text24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "699.37", "1216.04", "147.59", "1", "2.00", "3.47", "0.42"}));
}

TEST_F(Adjustment, DryAggregatesStillRebuildTheAmountsFromRoundedProportions) {
    design("350");
    set({{Text21, "0"}, {Text24, "0"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "679", "1204", "180", "1", "1.94", "3.44", "0.51"}));
}

TEST_F(Adjustment, RunsOnlyWhenBothMoistureContentsAreGiven) {
    design("350");
    for (const auto& [sand, stone] : {std::pair{"0.03", ""}, std::pair{"", "0.01"}}) {
        set({{Text21, sand}, {Text24, stone}});
        EXPECT_EQ(press(), std::nullopt);
        EXPECT_EQ(frame(), AsTexts(golden::kCement350Frame));
    }
}

TEST_F(Adjustment, FollowsTheMassMethodToo) {
    sheet.set_on(Toggle::option2, true);
    design("350");
    set({{Text20, "2400"}, {Text21, "0.03"}, {Text24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "692.16", "1208.97", "147.87", "1", "1.98", "3.45", "0.42"}));
}

TEST_F(Adjustment, ReformatsTheCementContent) {
    set({{Text26, "150"}, {Text8, "0.4"}, {Text21, "0.03"}, {Text24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(sheet.text(Text4), "375.00");
    EXPECT_EQ(sheet.text(Text11), "375");
}

TEST_F(Adjustment, ABlankMoistureFailsAfterTheMethodWroteTheDryMix) {
    design("350");
    set({{Text21, " "}, {Text24, "x"}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::QuantityStage, Text24}));
    set({{Text24, "0.01"}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::QuantityStage, Text21}));
    EXPECT_EQ(frame(), AsTexts(golden::kCement350Frame));
}

TEST_F(Adjustment, FaultsOfItsOwnAreReportedAtTheirInput) {
    design("350");
    set({{Text21, "1e38"}, {Text24, "0.01"}});
    EXPECT_EQ(press(), (CalcError{Fault::Overflow, Step::tiaozheng, Text21}));
    EXPECT_EQ(sheet.text(Text30), "1.00"); // the method's, nothing of the adjustment
    // Both moistures far out of range overflow the water to add: the farther one is named,
    // not the water content the subtraction is reported at.
    set({{Text21, "-4e35"}, {Text24, "-2.5e35"}});
    EXPECT_EQ(press(), (CalcError{Fault::Overflow, Step::tiaozheng, Text21}));
}

} // namespace
} // namespace mixora::calc
