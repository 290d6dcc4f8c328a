#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using PressTest = SheetTest;
using Texts = std::vector<std::string>;
const Frame kWalkthroughFrame = {"346.15", "678.7865", "1206.731", "180",
                                 "1.00",   "1.96",     "3.49",     "0.52"};

TEST_F(PressTest, FirstPressOnAResetSheetRunsEveryDesignStepAndTheVolumeMethod) {
    EXPECT_EQ(frame(), kResetFrame);
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"26.58", "0.52", "1.92", "346.15"}));
    EXPECT_EQ(frame(), kWalkthroughFrame);
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(PressTest, FilledIntermediatesAreKeptUntilEmptied) {
    ASSERT_EQ(press(), std::nullopt);
    set({{1, "30"}, {12, "stale"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"26.58", "0.52", "1.92", "346.15"}));
    EXPECT_EQ(frame(), kWalkthroughFrame); // the method runs on every press
    set({{2, ""}, {8, ""}, {10, ""}, {4, ""}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"36.58", "0.40", "2.50", "450.00"}));
}

TEST_F(PressTest, ATypedCementContentBelowTheMinimumIsUsedAsItIs) {
    set({{4, "200"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(sheet.text(4), "200");
    EXPECT_EQ(sheet.text(11), "200");
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(PressTest, TheMinimumNoticeComesBeforeALaterFailure) {
    set({{26, ""}}); // cement 0 raised to 260, then the volume method needs the water
    EXPECT_EQ(press(), (CalcError{Fault::EmptyText, Step::tijifa, 26}));
    EXPECT_EQ(sheet.text(4), "260");
    EXPECT_EQ(notices.messages, Texts{"水泥用量小于最小值 故取260"});
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(PressTest, ABlankIntermediateIsNotEmptyAndFailsTheNextConversion) {
    set({{2, " "}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::第二步, 2}));
    EXPECT_EQ(intermediates(), (Texts{" ", "", "", ""}));
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(PressTest, AFaultKeepsWhatWasWrittenBeforeIt) {
    set({{8, "0"}});
    EXPECT_EQ(press(), (CalcError{Fault::DivisionByZero, Step::第三步, 8}));
    EXPECT_EQ(intermediates(), (Texts{"26.58", "0", "", ""}));
    set({{8, "0,52"}}); // 52 to the strict reading, 0 to the lenient one
    EXPECT_EQ(press(), (CalcError{Fault::DivisionByZero, Step::第四步, 8}));
    EXPECT_EQ(intermediates(), (Texts{"26.58", "0,52", "0.02", ""}));
}

TEST_F(PressTest, ResetAfterACalculationRestoresTheStartingSheet) {
    sheet.set_on(Toggle::碎石, true);
    ASSERT_EQ(press(), std::nullopt);
    qk(sheet);
    EXPECT_EQ(intermediates(), (Texts{"", "", "", ""}));
    EXPECT_EQ(frame(), kResetFrame);
    EXPECT_TRUE(sheet.is_on(Toggle::碎石));
}

} // namespace
} // namespace mixora::calc
