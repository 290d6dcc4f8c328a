#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using VolumeMethod = SheetTest;

TEST_F(VolumeMethod, FillsTheFrameFromTheAbsoluteVolumes) {
    design("350");
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), AsTexts(golden::kCement350Frame));
}

TEST_F(VolumeMethod, SandRatioIsReadLenientlyAndNeverRejected) {
    design("350");
    set({{Text15, ""}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(), (Frame{"350", "0", "1882.17", "180", "1.00", "0.00", "5.38", "0.51"}));
    set({{Text15, "1.2"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(),
              (Frame{"350", "2258.604", "-376.4341", "180", "1.00", "6.45", "-1.08", "0.51"}));
}

TEST_F(VolumeMethod, ReturnsTheMassThatDxAsksFor) {
    design("350");
    const auto mass = [&](const char* dx) {
        float m = 0;
        EXPECT_EQ(run([&](const PressContext& p) { m = tijifa(p, 0.36f, dx); }), std::nullopt);
        return m;
    };
    EXPECT_EQ(FormatSingle(mass("1"), format), "1204.589");
    EXPECT_EQ(FormatSingle(mass("2"), format), "677.5812");
    EXPECT_EQ(mass(" 1"), mass("2"));
}

TEST_F(VolumeMethod, TheCementIsCopiedAsTextAndUnusedInputsChangeNothing) {
    design("350.0");
    set({{Text19, "abc"},
         {Text16, "x"},
         {Text17, "x"},
         {Text27, "x"},
         {Text28, "x"},
         {Text29, "x"}});
    sheet.set_on(Toggle::碎石, true);
    sheet.set_on(Toggle::粗砂, true);
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(frame(),
              (Frame{"350.0", "677.5812", "1204.589", "180", "1.00", "1.94", "3.44", "0.51"}));
}

TEST_F(VolumeMethod, FaultsInsideTheVolumesLeaveTheFrameAlone) {
    struct Case {
        Field field;
        const char* text;
        CalcError error;
    };
    const Case cases[] = {
        {Text15, "1", {Fault::InvalidOperation, Step::tijifa, Text15}},
        {Text18, "0", {Fault::DivisionByZero, Step::tijifa, Text18}},
        {Text23, "0", {Fault::DivisionByZero, Step::tijifa, Text23}},
        {Text23, "", {Fault::EmptyText, Step::tijifa, Text23}},
        {Text25, "abc", {Fault::NotANumber, Step::tijifa, Text25}},
        {Text22, "1e38", {Fault::Overflow, Step::tijifa, Text22}},
        {Text15, "1e39", {Fault::Overflow, Step::tjfjs, Text15}},
    };
    for (const Case& c : cases) {
        qk(sheet);
        design("350");
        set({{c.field, c.text}});
        EXPECT_EQ(press(), c.error) << FieldName(c.field) << " " << c.text;
        EXPECT_EQ(frame(), kResetFrame);
    }
}

TEST_F(VolumeMethod, AZeroCementFailsAtTheFirstProportion) {
    design("350");
    ASSERT_EQ(press(), std::nullopt);
    set({{Text4, "0"}});
    EXPECT_EQ(press(), (CalcError{Fault::DivisionByZero, Step::tjfjs, Text4}));
    EXPECT_EQ(frame(), (Frame{"0", "787.3201", "1399.68", "180", "1.00", "1.94", "3.44", "0.51"}));
}

} // namespace
} // namespace mixora::calc
