// 试配与调整 from the JGJ 55-2011 sheet: the dialog opens from the sheet's button on the design as
// shown, recomputes every stage as the user types, names an invalid cube group, and hands its
// entries back only on 确定.
#include "jgj55_window_fixture.h"
#include "modal_driver.h"
#include "trial_dialog.h"
#include "trial_ids.h"

namespace mixora::ui::testing {
namespace {

namespace t = trial_ids;

class TrialDialogTest : public Jgj55WindowTest {
  protected:
    // Clicks 试配与调整… with `step` driving the dialog.
    void OpenTrial(std::function<bool(HWND)> step) {
        ModalDriver::Drive(kTrialDialogTitle, std::move(step),
                           [this] { SendMessageW(Control(j::Trial), BM_CLICK, 0, 0); });
    }

    static std::wstring Text(HWND dialog, int id) {
        wchar_t buffer[1024]{};
        GetWindowTextW(ModalDriver::Find(dialog, id), buffer, 1024);
        return buffer;
    }
    static void Type(HWND dialog, int id, const wchar_t* text) {
        HWND field = ModalDriver::Find(dialog, id);
        ASSERT_NE(field, nullptr) << id;
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    static void TypeGroup(HWND dialog, int n, const wchar_t* a, const wchar_t* b,
                          const wchar_t* c) {
        Type(dialog, t::Cube(n, 0), a);
        Type(dialog, t::Cube(n, 1), b);
        Type(dialog, t::Cube(n, 2), c);
    }
    static void Press(HWND dialog, int id) {
        SendMessageW(ModalDriver::Find(dialog, id), BM_CLICK, 0, 0);
    }
    // Pixels of the chart as it shows now, in the red of the fcu,0 level and the chosen point.
    static int RedPixels(HWND dialog) {
        HWND chart = ModalDriver::Find(dialog, t::Chart);
        UpdateWindow(chart);
        RECT area{};
        GetClientRect(chart, &area);
        HDC dc = GetDC(chart);
        int red = 0;
        for (int y = 0; y < area.bottom; y += 2)
            for (int x = 0; x < area.right; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                red += GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100;
            }
        ReleaseDC(chart, dc);
        return red;
    }
    static bool Enabled(HWND dialog, int id) {
        return IsWindowEnabled(ModalDriver::Find(dialog, id)) != FALSE;
    }
};

TEST_F(TrialDialogTest, TheButtonOpensTheTrialAndTheStrengthsChooseTheRatio) {
    EnterWorkedExample();
    OpenTrial([](HWND dialog) {
        EXPECT_EQ(Text(dialog, t::Litres), L"20");
        EXPECT_EQ(Text(dialog, t::LitresNote),
                  L"不少于 20 L（粗骨料最大公称粒径 20 mm，JGJ 55-2011 表 6.1.2）");
        EXPECT_EQ(Text(dialog, t::BatchMasses + 0), L"5.92");  // 296 × 20 ÷ 1000
        EXPECT_EQ(Text(dialog, t::BatchMasses + 6), L"0.089"); // 4.44 × 0.02, to 1 g
        EXPECT_EQ(Text(dialog, t::Stage(0)), L"试拌：已填写");
        // Nothing after the trial mix is computed before its slump is measured.
        EXPECT_EQ(Text(dialog, t::Stage(1)), L"试拌配合比：实测坍落度未填写");
        EXPECT_EQ(Text(dialog, t::MixWaterBinder(0)), L"");
        Type(dialog, t::Slump, L"160");
        EXPECT_EQ(Text(dialog, t::Stage(1)), L"试拌配合比：已填写");
        EXPECT_EQ(Text(dialog, t::MixWaterBinder(0)), L"0.42");
        EXPECT_EQ(Text(dialog, t::MixWaterBinder(2)), L"0.52");
        EXPECT_EQ(Text(dialog, t::BinderWater), L"");
        // The cubes not yet broken are told as one, the line keeps room for other reasons.
        EXPECT_EQ(Text(dialog, t::Stage(3)),
                  L"强度试验结果：第 1 组（水胶比 0.42）试件 1 抗压强度 等 9 项未填写");

        // B/W 2.381, 2.128 and 1.923 against 42.6, 37.6 and 30.0 MPa; fcu,0 43.2 MPa.
        TypeGroup(dialog, 0, L"42.6", L"42.6", L"42.6");
        EXPECT_EQ(RedPixels(dialog), 0); // an empty box until there is a ratio
        TypeGroup(dialog, 1, L"37.6", L"37.6", L"37.6");
        EXPECT_GT(RedPixels(dialog), 20);
        EXPECT_EQ(Text(dialog, t::BinderWater), L"2.42（由 2.412 向上取至 0.01）");
        EXPECT_EQ(Text(dialog, t::ChosenWaterBinder), L"0.41"); // 174 ÷ 421
        TypeGroup(dialog, 2, L"30", L"30", L"30");
        EXPECT_EQ(Text(dialog, t::Equation), L"f = 27.21·(B/W) − 21.61");
        EXPECT_EQ(Text(dialog, t::RSquared), L"0.9683");
        EXPECT_EQ(Text(dialog, t::BinderWater), L"2.39（由 2.382 向上取至 0.01）");
        EXPECT_EQ(Text(dialog, t::ChosenWaterBinder), L"0.42"); // 174 ÷ 416
        EXPECT_EQ(Text(dialog, t::DesignMix + 3), L"174");
        EXPECT_EQ(Text(dialog, t::Stage(4)), L"设计配合比：已填写");
        EXPECT_EQ(Text(dialog, t::Stage(5)), L"表观密度校正：拌合物表观密度实测值未填写");
        Press(dialog, IDOK);
        return true;
    });
    const trial::TrialEntries& kept = sheet->trial_entries();
    EXPECT_EQ(kept.adjustment.slump_mm, "160");
    EXPECT_EQ(kept.strength.groups[2].strengths[1], "30");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TrialDialogTest, AGroupIsNamedInvalidWhenBothOuterCubesLieFarFromTheMiddle) {
    EnterWorkedExample();
    boxes.answers = {IDNO}; // 取消 asks before the entries go: 放弃
    OpenTrial([](HWND dialog) {
        Type(dialog, t::Slump, L"160");
        TypeGroup(dialog, 0, L"30", L"40", L"50"); // both 25 % from 40
        EXPECT_EQ(Text(dialog, t::GroupValue(0)),
                  L"最大值和最小值与中间值之差均超过中间值的 15%，该组试验结果无效（GB/T 50081）");
        TypeGroup(dialog, 1, L"30", L"40", L"42"); // only the smallest
        EXPECT_EQ(Text(dialog, t::GroupValue(1)), L"代表值 40.0 MPa（取中间值，GB/T 50081）");
        // One valid group: no line, so no ratio, and the invalid group is named.
        EXPECT_EQ(Text(dialog, t::BinderWater), L"");
        EXPECT_NE(Text(dialog, t::Stage(4)).find(L"该组试验结果无效"), std::wstring::npos);
        EXPECT_NE(Text(dialog, t::Stage(4)).find(L"有效强度组少于 2 组"), std::wstring::npos)
            << Text(dialog, t::Stage(4));
        TypeGroup(dialog, 2, L"36", L"37", L"38.2");
        EXPECT_EQ(Text(dialog, t::GroupValue(2)), L"代表值 37.1 MPa（平均值）");
        EXPECT_NE(Text(dialog, t::BinderWater), L"");
        Press(dialog, IDCANCEL);
        return true;
    });
}

TEST_F(TrialDialogTest, CancelDropsTheEntriesAndOkKeepsThem) {
    EnterWorkedExample();
    boxes.answers = {IDNO}; // asked first: 放弃
    OpenTrial([](HWND dialog) {
        Type(dialog, t::Litres, L"25");
        Press(dialog, IDCANCEL);
        return true;
    });
    EXPECT_EQ(sheet->trial_entries(), trial::TrialEntries{});
    EXPECT_EQ(boxes.shown.size(), 1u);

    OpenTrial([](HWND dialog) {
        EXPECT_EQ(Text(dialog, t::Litres), L"20");
        EXPECT_FALSE(Enabled(dialog, t::AdjustedSandRatio));
        Type(dialog, t::Litres, L"25");
        Press(dialog, t::SandRatioKind);
        EXPECT_TRUE(Enabled(dialog, t::AdjustedSandRatio));
        EXPECT_FALSE(Enabled(dialog, t::ActualMass));
        Type(dialog, t::AdjustedSandRatio, L"40");
        Type(dialog, t::MeasuredAt, L"2026-12-07 08:30");
        Press(dialog, IDOK);
        return true;
    });
    trial::TrialEntries expected;
    expected.batch.litres = "25";
    expected.adjustment.kind = trial::AdjustmentKind::SandRatio;
    expected.adjustment.sand_ratio_percent = "40";
    expected.production.measured_at = "2026-12-07 08:30";
    EXPECT_EQ(sheet->trial_entries(), expected);

    // The dialog opens again on what was kept.
    OpenTrial([](HWND dialog) {
        EXPECT_EQ(Text(dialog, t::Litres), L"25");
        EXPECT_EQ(SendMessageW(ModalDriver::Find(dialog, t::SandRatioKind), BM_GETCHECK, 0, 0),
                  BST_CHECKED);
        EXPECT_EQ(Text(dialog, t::MeasuredAt), L"2026-12-07 08:30");
        Press(dialog, IDCANCEL);
        return true;
    });
    EXPECT_EQ(sheet->trial_entries(), expected);
}

TEST_F(TrialDialogTest, ItFitsTheScreenAndTabFollowsTheReadingOrder) {
    OpenTrial([](HWND dialog) {
        const int expected[] = {
            t::Litres,
            t::Unchanged,
            t::Slump,
            t::Specimen,
            t::AgeDays,
            t::Cube(0, 0),
            t::Cube(0, 1),
            t::Cube(0, 2),
            t::FreshDensity(0),
            t::MadeOn(0),
            t::SpecimenNumbers(0),
            t::Cube(1, 0),
            t::Cube(1, 1),
            t::Cube(1, 2),
            t::FreshDensity(1),
            t::MadeOn(1),
            t::SpecimenNumbers(1),
            t::Cube(2, 0),
            t::Cube(2, 1),
            t::Cube(2, 2),
            t::FreshDensity(2),
            t::MadeOn(2),
            t::SpecimenNumbers(2),
            t::MeasuredDensity,
            t::SandMoisture,
            t::StoneMoisture,
            t::MeasuredAt,
            t::MixerCapacity,
            t::Chloride, // every design measures it; nothing else is asked of this one
            t::Reason,
            IDOK,
            IDCANCEL,
            t::Litres,
        };
        // It fits a 1280 × 1024 screen at 96 DPI, a taskbar's height left over.
        RECT frame{};
        GetWindowRect(dialog, &frame);
        EXPECT_LE(frame.right - frame.left, 1280);
        EXPECT_LE(frame.bottom - frame.top, 1024 - 48);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), t::Litres);
        for (std::size_t i = 1; i < std::size(expected); ++i) {
            SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), expected[i]) << "after " << expected[i - 1];
        }
        Press(dialog, IDCANCEL);
        return true;
    });
}

// Cubes keep the mix they were made from: more water in the actual batch after they were made,
// or a stronger grade on the sheet, never moves them; the trial says what changed, and the stages
// from there read 与当前设计不符 until a reason is recorded.
TEST_F(TrialDialogTest, CubesStayAsMadeAndAChangedDesignIsNamedUntilAReasonIsGiven) {
    EnterWorkedExample();
    OpenTrial([](HWND dialog) {
        Type(dialog, t::Slump, L"160");
        Type(dialog, t::MadeOn(1), L"2026-11-10");
        TypeGroup(dialog, 1, L"37.6", L"37.6", L"37.6");
        EXPECT_EQ(Text(dialog, t::MixWaterBinder(1)), L"0.47");
        EXPECT_NE(Text(dialog, t::MatchNote).find(L"第 2 组"), std::wstring::npos);
        Press(dialog, t::ActualMasses);
        const wchar_t* batch[] = {L"5.92", L"1.48", L"0", L"3.58", L"14.36", L"22.46", L"0.089"};
        for (int k = 0; k < 7; ++k)
            Type(dialog, t::ActualMass + k, batch[k]); // 0.10 kg more water than 3.48
        EXPECT_EQ(Text(dialog, t::MixWaterBinder(1)), L"0.47");
        EXPECT_EQ(Text(dialog, t::TrialWaterBinder), L"0.48");
        EXPECT_NE(Text(dialog, t::Stage(1)).find(L"与当前设计不符"), std::wstring::npos)
            << Text(dialog, t::Stage(1));
        EXPECT_NE(Text(dialog, t::Stage(0)).find(L"已填写"), std::wstring::npos);
        Press(dialog, t::Unchanged);
        EXPECT_NE(Text(dialog, t::Stage(1)).find(L"已填写"), std::wstring::npos);
        Press(dialog, IDOK);
        return true;
    });
    Choose(j::Grade, L"C40");
    OpenTrial([](HWND dialog) {
        EXPECT_NE(Text(dialog, t::Stage(0)).find(L"强度等级 C35 → C40"), std::wstring::npos)
            << Text(dialog, t::Stage(0));
        EXPECT_EQ(Text(dialog, t::MixWaterBinder(1)), L"0.47");
        EXPECT_TRUE(Enabled(dialog, t::AcceptReason));
        Type(dialog, t::Reason, L"同批材料，强度富余足够");
        Press(dialog, t::AcceptReason);
        EXPECT_NE(Text(dialog, t::MatchNote).find(L"理由：同批材料"), std::wstring::npos);
        EXPECT_EQ(Text(dialog, t::Stage(0)), L"试拌：已填写");
        Press(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(sheet->trial_entries().cast->accepted.reason, "同批材料，强度富余足够");
}

TEST_F(TrialDialogTest, AWindowClosedWhileTheDialogIsUpClosesWhenItIsDone) {
    HWND frame = window->hwnd();
    OpenTrial([frame](HWND dialog) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        EXPECT_TRUE(IsWindow(dialog)) << "the sheet went from under its dialog";
        Press(dialog, IDCANCEL);
        return true;
    });
    Pump();
    EXPECT_FALSE(IsWindow(frame));
}

// 特殊要求试验 shows the records the design asks for, each checked as it is typed.
TEST_F(TrialDialogTest, AnImpermeableDesignAsksForItsTestAndChecksThePressureReached) {
    EnterWorkedExample();
    Choose(j::Impermeability, L"P8");
    OpenTrial([](HWND dialog) {
        const auto shown = [dialog](int id) {
            return (GetWindowLongPtrW(ModalDriver::Find(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
        };
        EXPECT_TRUE(shown(t::SeepagePressure) && shown(t::Chloride));
        EXPECT_FALSE(shown(t::WaitMinutes) || shown(t::RepeatCube(0, 0)));
        Type(dialog, t::SeepagePressure, L"0.9");
        HWND result = ModalDriver::Find(dialog, t::SeepageResult);
        SendMessageW(result, CB_SETCURSEL, 1, 0); // 未透水
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(t::SeepageResult, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(result));
        EXPECT_TRUE(Text(dialog, t::SeepageCheck).starts_with(L"不符合"))
            << Text(dialog, t::SeepageCheck);
        EXPECT_NE(Text(dialog, t::SeepageCheck).find(L"= 1.0 MPa（P8）"), std::wstring::npos);
        Type(dialog, t::SeepagePressure, L"1.0");
        EXPECT_TRUE(Text(dialog, t::SeepageCheck).starts_with(L"符合"))
            << Text(dialog, t::SeepageCheck);
        Press(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(sheet->trial_entries().special.seepage_pressure_mpa, "1.0");
    EXPECT_EQ(sheet->trial_entries().special.seepage, trial::SeepageResult::Held);
}

TEST_F(TrialDialogTest, ADesignThatCannotBeComputedStillOpensAndSaysWhy) {
    Set(j::Slump, L"abc");
    OpenTrial([](HWND dialog) {
        EXPECT_TRUE(Text(dialog, t::Basis).starts_with(L"设计尚不能计算"))
            << Text(dialog, t::Basis);
        EXPECT_TRUE(Text(dialog, t::Stage(0)).starts_with(L"试拌：设计尚不能计算"))
            << Text(dialog, t::Stage(0));
        EXPECT_EQ(Text(dialog, t::BatchMasses), L"");
        Type(dialog, t::Litres, L"30");
        Press(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(sheet->trial_entries().batch.litres, "30");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TrialDialogTest, AnEntryThatDoesNotReadIsSaidAtOnceAndNoEntryIsDroppedUnasked) {
    EnterWorkedExample();
    boxes.answers = {IDCANCEL, IDNO};
    OpenTrial([](HWND dialog) {
        EXPECT_EQ(SendMessageW(ModalDriver::Find(dialog, t::Cube(0, 0)), EM_GETLIMITTEXT, 0, 0),
                  4096);
        Type(dialog, t::Slump, L"160");
        TypeGroup(dialog, 0, L"46,5", L"47.0", L"48.0");
        TypeGroup(dialog, 1, L"41.5", L"41.0", L"42.0");
        TypeGroup(dialog, 2, L"35.2", L"35.0", L"35.4");
        EXPECT_NE(Text(dialog, t::GroupValue(0)).find(L"试件 1 抗压强度“46,5”不是数字"),
                  std::wstring::npos)
            << Text(dialog, t::GroupValue(0));
        EXPECT_NE(Text(dialog, t::Stage(3)), L"强度试验结果：已填写");
        EXPECT_EQ(Text(dialog, t::BinderWater), L""); // never from the other two groups
        Press(dialog, IDCANCEL);                      // asked; 取消 goes back to the dialog
        EXPECT_TRUE(IsWindow(dialog));
        Press(dialog, IDCANCEL); // asked; 放弃
        return true;
    });
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].style, kKeepEntriesStyle);
    EXPECT_EQ(sheet->trial_entries(), trial::TrialEntries{});
}

} // namespace
} // namespace mixora::ui::testing
