#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

class MassMethod : public SheetTest {
  protected:
    MassMethod() { sheet.set_on(Toggle::option2, true); }
};

TEST_F(MassMethod, SplitsTheAggregateBySandRatio) {
    design("350");
    set({{Text20, "2400"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "673.2", "1196.8", "180", "1.00", "1.92", "3.42", "0.51"}));
}

TEST_F(MassMethod, WritesNothingWithoutTheConcreteDensity) {
    EXPECT_EQ(press(), (CalcError{Fault::EmptyText, Step::QuantityStage, Text20}));
    EXPECT_EQ(intermediates(), (std::vector<std::string>{"26.58", "0.52", "1.92", "346.15"}));
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(MassMethod, ReadsItsArgumentsStrictlyLastFirst) {
    design("350");
    set({{Text20, "2400"}, {Text26, "x"}, {Text4, "x"}, {Text15, ""}});
    // Text4 is also the design stage's output; a text there keeps 第四步 from running.
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::QuantityStage, Text26}));
    set({{Text26, "180"}});
    EXPECT_EQ(press(), (CalcError{Fault::NotANumber, Step::QuantityStage, Text4}));
    set({{Text4, "350"}});
    EXPECT_EQ(press(), (CalcError{Fault::EmptyText, Step::QuantityStage, Text15}));
    set({{Text15, "0"}});
    EXPECT_EQ(press(), (CalcError{Fault::InvalidOperation, Step::zhiliangfa, Text15}));
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(MassMethod, ALowConcreteDensityGivesNegativeAggregates) {
    design("350");
    set({{Text20, "400"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "-46.8", "-83.2", "180", "1.00", "-0.13", "-0.24", "0.51"}));
}

TEST_F(MassMethod, AnOverflowNamesTheDensityOutOfRangeNotTheSandRatio) {
    design("350");
    set({{Text20, "3e38"}, {Text15, "2"}});
    EXPECT_EQ(press(), (CalcError{Fault::Overflow, Step::zhiliangfa, Text20}));
    EXPECT_EQ(frame(), kResetFrame);
}

TEST_F(MassMethod, AZeroCementTextFailsAtTheFirstProportion) {
    design("0.00");
    set({{Text20, "2400"}});
    EXPECT_EQ(press(), (CalcError{Fault::DivisionByZero, Step::zhiliangfa, Text4}));
    EXPECT_EQ(frame(), (Frame{"0.00", "799.2", "1420.8", "180", "", "", "", ""}));
}

} // namespace
} // namespace mixora::calc
