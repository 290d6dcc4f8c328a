// Presses of "计算" on the window: what lands in the fields, which boxes appear, and what an
// aborted press reports and leaves behind.
#include "design_window_fixture.h"
#include "utf.h"

#include <array>
#include <vector>

namespace mixora::ui::testing {
namespace {

constexpr const wchar_t* kMinimumNotice = L"水泥用量小于最小值 故取260";

class PressTest : public DesignWindowTest {
  protected:
    // The result frame: amounts Text11–Text14, then proportions Text30–Text33.
    void ExpectFrame(std::initializer_list<const wchar_t*> amounts,
                     std::initializer_list<const wchar_t*> proportions) {
        std::vector<const wchar_t*> cells(amounts);
        cells.insert(cells.end(), proportions);
        ASSERT_EQ(cells.size(), kFrameFields.size());
        for (size_t i = 0; i < cells.size(); ++i)
            EXPECT_EQ(Text(kFrameFields[i]), cells[i]) << calc::FieldName(kFrameFields[i]);
    }
    void ExpectFrame(const golden::Frame8& frame) {
        for (size_t i = 0; i < frame.size(); ++i)
            EXPECT_EQ(Text(kFrameFields[i]), Widen(frame[i])) << calc::FieldName(kFrameFields[i]);
    }

    static constexpr std::array kFrameFields{Text11, Text12, Text13, Text14,
                                             Text30, Text31, Text32, Text33};
};

TEST_F(PressTest, FirstPressComputesTheWholeDesign) {
    PressCalculate();
    const std::array intermediates{Text2, Text8, Text10, Text4};
    for (size_t i = 0; i < intermediates.size(); ++i)
        EXPECT_EQ(Text(intermediates[i]), Widen(golden::kResetIntermediates[i]));
    ExpectFrame(golden::kResetFrame);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PressTest, SecondPressChangesNothingAndTypedValuesStand) {
    PressCalculate();
    Type(Text1, L"30"); // the target strength is not recomputed while Text2 holds text
    PressCalculate();
    EXPECT_EQ(Text(Text2), L"26.58");
    EXPECT_EQ(Text(Text4), L"346.15");
    ExpectFrame(golden::kResetFrame);

    // Emptying the intermediate fields recomputes all four from the new grade.
    for (const calc::Field n : {Text2, Text8, Text10, Text4})
        Type(n, L"");
    PressCalculate();
    EXPECT_EQ(Text(Text2), L"36.58");
}

TEST_F(PressTest, UserTypedIntermediateFieldsAreUsed) {
    Type(Text2, L"30");
    Type(Text4, L"200"); // below the minimum, but typed: no minimum, no notice
    PressCalculate();
    EXPECT_EQ(Text(Text2), L"30");
    EXPECT_EQ(Text(Text4), L"200");
    EXPECT_EQ(Text(Text11), L"200");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PressTest, MinimumCementShowsItsNoticeOnce) {
    Type(Text26, L"120");
    PressCalculate();
    EXPECT_EQ(Text(Text4), L"260");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kMinimumNotice);
    EXPECT_EQ(boxes.shown[0].title, L"Mixora");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Text(Text11), L"260");
}

TEST_F(PressTest, MassMethodNeedsTheConcreteDensity) {
    Click(ids::option2);
    ASSERT_TRUE(Checked(ids::option2));
    ASSERT_FALSE(Checked(ids::option1));
    PressCalculate();
    // The design stage ran; the frame kept its texts; the user is told about 砼密度.
    EXPECT_EQ(Text(Text4), L"346.15");
    ExpectFrame({L"水泥", L"砂", L"石子", L"水"}, {L"", L"", L"", L""});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"砼密度"), std::wstring::npos);
    EXPECT_NE(boxes.shown[0].text.find(L"Text20"), std::wstring::npos);
    EXPECT_EQ(GetFocus(), Control(ids::Text(Text20)));

    boxes.shown.clear();
    Type(Text4, L"350");
    Type(Text20, L"2400");
    PressCalculate();
    EXPECT_TRUE(boxes.shown.empty());
    ExpectFrame({L"350", L"673.2", L"1196.8", L"180"}, {L"1.00", L"1.92", L"3.42", L"0.51"});
}

TEST_F(PressTest, MoistureAdjustmentRunsWhenBothMoisturesAreGiven) {
    Type(Text4, L"350");
    Type(Text21, L"0.03");
    PressCalculate();
    // One moisture alone: the dry mix.
    ExpectFrame(golden::kCement350Frame);

    Type(Text24, L"0.01");
    PressCalculate();
    ExpectFrame({L"350", L"699.37", L"1216.04", L"147.59"}, {L"1", L"2.00", L"3.47", L"0.42"});
}

TEST_F(PressTest, AbortedPressNamesStepFieldAndProblemAndKeepsWhatWasWritten) {
    Type(Text5, L"");
    SendMessageW(Control(ids::Text(Text1)), EM_SETSEL, 0, 0);
    PressCalculate();
    // 第一步 ran before 第二步 failed at the cement strength.
    EXPECT_EQ(Text(Text2), L"26.58");
    EXPECT_EQ(Text(Text8), L"");
    EXPECT_EQ(Text(Text10), L"");
    EXPECT_EQ(Text(Text4), L"");
    EXPECT_EQ(Text(Text11), L"水泥");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const ShownBox& box = boxes.shown[0];
    EXPECT_EQ(box.title, L"Mixora");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_NE(box.text.find(L"第二步"), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"“水泥28天强度”（Text5）"), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"空"), std::wstring::npos) << box.text;
    EXPECT_EQ(GetFocus(), Control(ids::Text(Text5)));
}

TEST_F(PressTest, DivisionByZeroIsReportedAtTheWaterCementRatio) {
    Type(Text8, L"0");
    Type(Text26, L"180");
    PressCalculate();
    EXPECT_EQ(Text(Text10), L"");
    EXPECT_EQ(Text(Text4), L"");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring& text = boxes.shown[0].text;
    EXPECT_NE(text.find(L"第三步"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"“水灰比”（Text8）"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"除以零"), std::wstring::npos) << text;
    HWND field = Control(ids::Text(Text8));
    EXPECT_EQ(GetFocus(), field);
    DWORD start = 1, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u) << "the offending text is selected";
}

TEST_F(PressTest, NotANumberQuotesWhatTheFieldHolds) {
    Type(Text3, L"四");
    PressCalculate();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring& text = boxes.shown[0].text;
    EXPECT_NE(text.find(L"第一步"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"“σ取值”（Text3）"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"“四”"), std::wstring::npos) << text;
    EXPECT_EQ(Text(Text2), L"");
}

// The notice after a press whose amounts make no mix; the press itself writes what it always did.
TEST_F(PressTest, AMoistureTypedInPerCentIsNoticedAfterThePress) {
    Type(Text21, L"3");
    Type(Text24, L"0.01");
    PressCalculate();
    EXPECT_EQ(Text(Text14), L"-1867.443");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"计算结果无效：用水量为 -1867.443 kg/m³，用量应大于零。"
                                   L"可能的原因：含水率以小数输入，3% 输入 0.03。");
    EXPECT_EQ(boxes.shown[0].title, L"Mixora");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK));

    boxes.shown.clear();
    Type(Text21, L"0.03");
    PressCalculate();
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PressTest, AnOverflowNamesTheWaterContentTypedOutOfRange) {
    Type(Text26, L"1e308");
    PressCalculate();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring& text = boxes.shown[0].text;
    EXPECT_NE(text.find(L"第四步"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"由于“用水量”（Text26）的值，计算结果超出了数值范围。"),
              std::wstring::npos)
        << text;
    EXPECT_EQ(text.find(L"水灰比"), std::wstring::npos) << text;
    EXPECT_EQ(GetFocus(), Control(ids::Text(Text26)));
}

TEST_F(PressTest, ALongTextIsQuotedByItsFirstCharacters) {
    const std::wstring typed(5000, L'四');
    Type(Text3, typed.c_str());
    PressCalculate();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring& text = boxes.shown[0].text;
    EXPECT_NE(text.find(L"“" + std::wstring(32, L'四') + L"…”不是一个数值"), std::wstring::npos);
    EXPECT_LT(text.size(), 200u);
}

TEST_F(PressTest, InputsNoStepReadsChangeNoResult) {
    PressCalculate();
    const std::wstring sand = Text(Text12), stone = Text(Text13);
    Click(ids::碎石);
    Click(ids::粗砂);
    for (const calc::Field n : {Text16, Text17, Text19, Text27, Text28, Text29})
        Type(n, L"not a number");
    PressCalculate();
    EXPECT_EQ(Text(Text12), sand);
    EXPECT_EQ(Text(Text13), stone);
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace mixora::ui::testing
