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
    EXPECT_EQ(intermediates(), AsTexts(golden::kResetIntermediates));
    EXPECT_EQ(frame(), kWalkthroughFrame);
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(PressTest, FilledIntermediatesAreKeptUntilEmptied) {
    ASSERT_EQ(press(), std::nullopt);
    set({{Text1, "30"}, {Text12, "stale"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), AsTexts(golden::kResetIntermediates));
    EXPECT_EQ(frame(), kWalkthroughFrame); // the method runs on every press
    set({{Text2, ""}, {Text8, ""}, {Text10, ""}, {Text4, ""}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"36.58", "0.40", "2.50", "450.00"}));
}

TEST_F(PressTest, ClearingTheResultsKeepsTheInputsAndTheNextPressComputesEveryStep) {
    ASSERT_EQ(press(), std::nullopt);
    set({{Text1, "30"}, {Text21, "0.03"}});
    const std::string fine = sheet.text(Text15);
    ClearResults(sheet);
    EXPECT_EQ(intermediates(), (Texts{"", "", "", ""}));
    EXPECT_EQ(frame(), kResetFrame);
    EXPECT_EQ(sheet.text(Text1), "30");
    EXPECT_EQ(sheet.text(Text21), "0.03");
    EXPECT_EQ(sheet.text(Text15), fine);
    EXPECT_TRUE(sheet.is_on(Toggle::option1));
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"36.58", "0.40", "2.50", "450.00"}));
}

TEST_F(PressTest, ATypedCementContentBelowTheMinimumIsUsedAsItIs) {
    set({{Text4, "200"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(sheet.text(Text4), "200");
    EXPECT_EQ(sheet.text(Text11), "200");
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(PressTest, TheMinimumNoticeComesBeforeALaterFailure) {
    set({{Text26, ""}}); // cement 0 raised to 260, then the volume method needs the water
    EXPECT_EQ(press(), (CalcError{Fault::EmptyText, Step::tijifa, Text26}));
    EXPECT_EQ(sheet.text(Text4), "260");
    EXPECT_EQ(notices.messages, Texts{"水泥用量小于最小值 故取260"});
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(PressTest, ABlankIntermediateIsNotEmptyAndFailsTheNextConversion) {
    set({{Text2, " "}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::第二步, Text2}));
    EXPECT_EQ(intermediates(), (Texts{" ", "", "", ""}));
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(PressTest, AFaultKeepsWhatWasWrittenBeforeIt) {
    set({{Text8, "0"}});
    EXPECT_EQ(press(), (CalcError{Fault::DivisionByZero, Step::第三步, Text8}));
    EXPECT_EQ(intermediates(), (Texts{"26.58", "0", "", ""}));
    set({{Text8, "0,52"}}); // 52 to the strict reading, 0 to the lenient one
    EXPECT_EQ(press(), (CalcError{Fault::DivisionByZero, Step::第四步, Text8}));
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
