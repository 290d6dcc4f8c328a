#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using DesignSteps = SheetTest;
using Texts = std::vector<std::string>;

TEST_F(DesignSteps, ResetValuesGiveTheIntermediateResults) {
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), AsTexts(golden::kResetIntermediates));
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(DesignSteps, TargetStrengthAddsTheMarginToTheGrade) {
    set({{Text3, "0"}});
    EXPECT_EQ(run(第一步), std::nullopt);
    EXPECT_EQ(sheet.text(Text2), "20.00");
    set({{Text3, "6"}});
    EXPECT_EQ(run(第一步), std::nullopt);
    EXPECT_EQ(sheet.text(Text2), "29.87");
}

TEST_F(DesignSteps, ATypedResultIsUsedByTheStepsAfterIt) {
    set({{Text2, "30"}}); // 16.692 / (30 + 5.50836)
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"30", "0.47", "2.13", "382.98"}));
    set({{Text8, "0.5"}, {Text10, ""}, {Text4, ""}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"30", "0.5", "2.00", "360.00"}));
}

TEST_F(DesignSteps, ConversionsFailInTheirOrder) {
    set({{Text1, "x"}, {Text3, ""}});
    EXPECT_EQ(run(第一步), (CalcError{Fault::EmptyText, Step::第一步, Text3}));
    set({{Text2, "26.58"}, {Text5, ""}, {Text6, "x"}, {Text9, "x"}, {Text7, "x"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::EmptyText, Step::第二步, Text5}));
    set({{Text5, "32.5"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::NotANumber, Step::第二步, Text6}));
    set({{Text6, "0.48"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::NotANumber, Step::第二步, Text9}));
    set({{Text9, "1.07"}, {Text2, "1e39"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::NotANumber, Step::第二步, Text7}));
    set({{Text7, "0.33"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::OutOfRange, Step::第二步, Text2}));
    EXPECT_EQ(sheet.text(Text8), "");
}

TEST_F(DesignSteps, ArithmeticFaultsEndTheStep) {
    set({{Text2, "0"}, {Text7, "0"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::DivisionByZero, Step::第二步, Text2}));
    set({{Text6, "0"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::InvalidOperation, Step::第二步, Text2}));
    set({{Text5, "3e38"}, {Text6, "10"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::Overflow, Step::第二步, Text5}));
    set({{Text8, "0"}});
    EXPECT_EQ(run(第三步), (CalcError{Fault::DivisionByZero, Step::第三步, Text8}));
    set({{Text8, "1e-40"}});
    EXPECT_EQ(run(第三步), (CalcError{Fault::Overflow, Step::第三步, Text8}));
    EXPECT_EQ(sheet.text(Text10), "");
}

TEST_F(DesignSteps, CementContentHasAMinimumOf260OnItsTwoDecimalText) {
    struct Case {
        const char* water;
        const char* ratio;
        const char* cement;
        bool notice;
    };
    const Case cases[] = {
        {"120", "0.52", "260", true},        {"130", "0.50", "260.00", false},
        {"1,800", "0.52", "260", true},      {"", "0.52", "260", true},
        {"129.998", "0.5", "260.00", false}, {"129.997", "0.5", "260", true},
        {"-180", "0.52", "260", true},       {" 1 80", "0.5 2", "346.15", false},
    };
    for (const Case& c : cases) {
        notices.messages.clear();
        set({{Text26, c.water}, {Text8, c.ratio}, {Text4, ""}});
        EXPECT_EQ(run(第四步), std::nullopt);
        EXPECT_EQ(sheet.text(Text4), c.cement) << c.water;
        EXPECT_EQ(notices.messages, c.notice ? Texts{"水泥用量小于最小值 故取260"} : Texts{});
    }
}

TEST_F(DesignSteps, CementContentFailsOnARatioReadingAsZero) {
    for (const char* ratio : {"0", "", "abc", "0,52"}) {
        set({{Text8, ratio}, {Text4, "old"}});
        EXPECT_EQ(run(第四步), (CalcError{Fault::DivisionByZero, Step::第四步, Text8})) << ratio;
        EXPECT_EQ(sheet.text(Text4), "old");
    }
    set({{Text26, "abc"}});
    EXPECT_EQ(run(第四步), (CalcError{Fault::InvalidOperation, Step::第四步, Text8}));
    set({{Text26, "1e999"}, {Text8, "0.52"}});
    EXPECT_EQ(run(第四步), (CalcError{Fault::Overflow, Step::第四步, Text26}));
    set({{Text26, "1e300"}}); // its two-decimal text is beyond single range: the water's fault
    EXPECT_EQ(run(第四步), (CalcError{Fault::Overflow, Step::第四步, Text26}));
}

// A result beyond the range names the operand far out of its range, wherever it sits in the
// formula, never the ordinary neighbour the operation happens to be reported at.
TEST_F(DesignSteps, AnOverflowNamesTheOperandOutOfRange) {
    for (const char* water : {"1e308", "1e300", "3e38"}) {
        set({{Text26, water}, {Text8, "0.52"}, {Text4, ""}});
        EXPECT_EQ(run(第四步), (CalcError{Fault::Overflow, Step::第四步, Text26})) << water;
    }
    set({{Text2, "26.58"}, {Text5, "32.5"}, {Text6, "1e38"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::Overflow, Step::第二步, Text6}));
    set({{Text6, "0.48"}, {Text9, "1e38"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::Overflow, Step::第二步, Text9}));

    qk(sheet);
    set({{Text26, "1e308"}});
    EXPECT_EQ(press(), (CalcError{Fault::Overflow, Step::第四步, Text26}));
}

} // namespace
} // namespace mixora::calc
