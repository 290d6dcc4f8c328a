#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using DesignSteps = SheetTest;
using Texts = std::vector<std::string>;

TEST_F(DesignSteps, ResetValuesGiveTheIntermediateResults) {
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"26.58", "0.52", "1.92", "346.15"}));
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(DesignSteps, TargetStrengthAddsTheMarginToTheGrade) {
    set({{3, "0"}});
    EXPECT_EQ(run(第一步), std::nullopt);
    EXPECT_EQ(sheet.text(2), "20.00");
    set({{3, "6"}});
    EXPECT_EQ(run(第一步), std::nullopt);
    EXPECT_EQ(sheet.text(2), "29.87");
}

TEST_F(DesignSteps, ATypedResultIsUsedByTheStepsAfterIt) {
    set({{2, "30"}}); // 16.692 / (30 + 5.50836)
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"30", "0.47", "2.13", "382.98"}));
    set({{8, "0.5"}, {10, ""}, {4, ""}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(intermediates(), (Texts{"30", "0.5", "2.00", "360.00"}));
}

TEST_F(DesignSteps, ConversionsFailInTheirOrder) {
    set({{1, "x"}, {3, ""}});
    EXPECT_EQ(run(第一步), (CalcError{Fault::EmptyText, Step::第一步, 3}));
    set({{2, "26.58"}, {5, ""}, {6, "x"}, {9, "x"}, {7, "x"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::EmptyText, Step::第二步, 5}));
    set({{5, "32.5"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::NotANumber, Step::第二步, 6}));
    set({{6, "0.48"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::NotANumber, Step::第二步, 9}));
    set({{9, "1.07"}, {2, "1e39"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::NotANumber, Step::第二步, 7}));
    set({{7, "0.33"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::OutOfRange, Step::第二步, 2}));
    EXPECT_EQ(sheet.text(8), "");
}

TEST_F(DesignSteps, ArithmeticFaultsEndTheStep) {
    set({{2, "0"}, {7, "0"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::DivisionByZero, Step::第二步, 2}));
    set({{6, "0"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::InvalidOperation, Step::第二步, 2}));
    set({{5, "3e38"}, {6, "10"}});
    EXPECT_EQ(run(第二步), (CalcError{Fault::Overflow, Step::第二步, 5}));
    set({{8, "0"}});
    EXPECT_EQ(run(第三步), (CalcError{Fault::DivisionByZero, Step::第三步, 8}));
    set({{8, "1e-40"}});
    EXPECT_EQ(run(第三步), (CalcError{Fault::Overflow, Step::第三步, 8}));
    EXPECT_EQ(sheet.text(10), "");
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
        set({{26, c.water}, {8, c.ratio}, {4, ""}});
        EXPECT_EQ(run(第四步), std::nullopt);
        EXPECT_EQ(sheet.text(4), c.cement) << c.water;
        EXPECT_EQ(notices.messages, c.notice ? Texts{"水泥用量小于最小值 故取260"} : Texts{});
    }
}

TEST_F(DesignSteps, CementContentFailsOnARatioReadingAsZero) {
    for (const char* ratio : {"0", "", "abc", "0,52"}) {
        set({{8, ratio}, {4, "old"}});
        EXPECT_EQ(run(第四步), (CalcError{Fault::DivisionByZero, Step::第四步, 8})) << ratio;
        EXPECT_EQ(sheet.text(4), "old");
    }
    set({{26, "abc"}});
    EXPECT_EQ(run(第四步), (CalcError{Fault::InvalidOperation, Step::第四步, 8}));
    set({{26, "1e999"}, {8, "0.52"}});
    EXPECT_EQ(run(第四步), (CalcError{Fault::Overflow, Step::第四步, 26}));
    set({{26, "1e300"}}); // its two-decimal text is beyond single range
    EXPECT_EQ(run(第四步), (CalcError{Fault::OutOfRange, Step::第四步, 4}));
}

} // namespace
} // namespace mixora::calc
