// Presses of "计算" on the window: what lands in the fields, which boxes appear, and what an
// aborted press reports and leaves behind.
#include "design_window_fixture.h"

namespace mixora::ui::testing {
namespace {

constexpr const wchar_t* kMinimumNotice = L"水泥用量小于最小值 故取260";

class PressTest : public DesignWindowTest {
  protected:
    // The result frame: amounts Text11–Text14, then proportions Text30–Text33.
    void ExpectFrame(std::initializer_list<const wchar_t*> amounts,
                     std::initializer_list<const wchar_t*> proportions) {
        int n = 11;
        for (const wchar_t* text : amounts) {
            EXPECT_EQ(Text(n), text) << "Text" << n;
            ++n;
        }
        n = 30;
        for (const wchar_t* text : proportions) {
            EXPECT_EQ(Text(n), text) << "Text" << n;
            ++n;
        }
    }
};

TEST_F(PressTest, FirstPressComputesTheWholeDesign) {
    PressCalculate();
    EXPECT_EQ(Text(2), L"26.58");
    EXPECT_EQ(Text(8), L"0.52");
    EXPECT_EQ(Text(10), L"1.92");
    EXPECT_EQ(Text(4), L"346.15");
    ExpectFrame({L"346.15", L"678.7865", L"1206.731", L"180"},
                {L"1.00", L"1.96", L"3.49", L"0.52"});
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PressTest, SecondPressChangesNothingAndTypedValuesStand) {
    PressCalculate();
    Type(1, L"30"); // the target strength is not recomputed while Text2 holds text
    PressCalculate();
    EXPECT_EQ(Text(2), L"26.58");
    EXPECT_EQ(Text(4), L"346.15");
    ExpectFrame({L"346.15", L"678.7865", L"1206.731", L"180"},
                {L"1.00", L"1.96", L"3.49", L"0.52"});

    // Emptying the intermediate fields recomputes all four from the new grade.
    for (int n : {2, 8, 10, 4})
        Type(n, L"");
    PressCalculate();
    EXPECT_EQ(Text(2), L"36.58");
}

TEST_F(PressTest, UserTypedIntermediateFieldsAreUsed) {
    Type(2, L"30");
    Type(4, L"200"); // below the minimum, but typed: no minimum, no notice
    PressCalculate();
    EXPECT_EQ(Text(2), L"30");
    EXPECT_EQ(Text(4), L"200");
    EXPECT_EQ(Text(11), L"200");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PressTest, MinimumCementShowsItsNoticeOnce) {
    Type(26, L"120");
    PressCalculate();
    EXPECT_EQ(Text(4), L"260");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kMinimumNotice);
    EXPECT_EQ(boxes.shown[0].title, L"Mixora");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Text(11), L"260");
}

TEST_F(PressTest, MassMethodNeedsTheConcreteDensity) {
    Click(ids::option2);
    ASSERT_TRUE(Checked(ids::option2));
    ASSERT_FALSE(Checked(ids::option1));
    PressCalculate();
    // The design stage ran; the frame kept its texts; the user is told about 砼密度.
    EXPECT_EQ(Text(4), L"346.15");
    ExpectFrame({L"水泥", L"砂", L"石子", L"水"}, {L"", L"", L"", L""});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"砼密度"), std::wstring::npos);
    EXPECT_NE(boxes.shown[0].text.find(L"Text20"), std::wstring::npos);
    EXPECT_EQ(GetFocus(), Control(ids::Text(20)));

    boxes.shown.clear();
    Type(4, L"350");
    Type(20, L"2400");
    PressCalculate();
    EXPECT_TRUE(boxes.shown.empty());
    ExpectFrame({L"350", L"673.2", L"1196.8", L"180"}, {L"1.00", L"1.92", L"3.42", L"0.51"});
}

TEST_F(PressTest, MoistureAdjustmentRunsWhenBothMoisturesAreGiven) {
    Type(4, L"350");
    Type(21, L"0.03");
    PressCalculate();
    // One moisture alone: the dry mix.
    ExpectFrame({L"350", L"677.5812", L"1204.589", L"180"}, {L"1.00", L"1.94", L"3.44", L"0.51"});

    Type(24, L"0.01");
    PressCalculate();
    ExpectFrame({L"350", L"699.37", L"1216.04", L"147.59"}, {L"1", L"2.00", L"3.47", L"0.42"});
}

TEST_F(PressTest, AbortedPressNamesStepFieldAndProblemAndKeepsWhatWasWritten) {
    Type(5, L"");
    SendMessageW(Control(ids::Text(1)), EM_SETSEL, 0, 0);
    PressCalculate();
    // 第一步 ran before 第二步 failed at the cement strength.
    EXPECT_EQ(Text(2), L"26.58");
    EXPECT_EQ(Text(8), L"");
    EXPECT_EQ(Text(10), L"");
    EXPECT_EQ(Text(4), L"");
    EXPECT_EQ(Text(11), L"水泥");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const ShownBox& box = boxes.shown[0];
    EXPECT_EQ(box.title, L"Mixora");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_NE(box.text.find(L"第二步"), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"“水泥28天强度”（Text5）"), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"空"), std::wstring::npos) << box.text;
    EXPECT_EQ(GetFocus(), Control(ids::Text(5)));
}

TEST_F(PressTest, DivisionByZeroIsReportedAtTheWaterCementRatio) {
    Type(8, L"0");
    Type(26, L"180");
    PressCalculate();
    EXPECT_EQ(Text(10), L"");
    EXPECT_EQ(Text(4), L"");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring& text = boxes.shown[0].text;
    EXPECT_NE(text.find(L"第三步"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"“水灰比”（Text8）"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"除以零"), std::wstring::npos) << text;
    HWND field = Control(ids::Text(8));
    EXPECT_EQ(GetFocus(), field);
    DWORD start = 1, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u) << "the offending text is selected";
}

TEST_F(PressTest, NotANumberQuotesWhatTheFieldHolds) {
    Type(3, L"四");
    PressCalculate();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring& text = boxes.shown[0].text;
    EXPECT_NE(text.find(L"第一步"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"“σ取值”（Text3）"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"“四”"), std::wstring::npos) << text;
    EXPECT_EQ(Text(2), L"");
}

TEST_F(PressTest, InputsNoStepReadsChangeNoResult) {
    PressCalculate();
    const std::wstring sand = Text(12), stone = Text(13);
    Click(ids::碎石);
    Click(ids::粗砂);
    for (int n : {16, 17, 19, 27, 28, 29})
        Type(n, L"not a number");
    PressCalculate();
    EXPECT_EQ(Text(12), sand);
    EXPECT_EQ(Text(13), stone);
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace mixora::ui::testing
