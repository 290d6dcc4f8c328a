#include "bitmaps.h"
#include "border_paint.h"
#include "button_paint.h"
#include "check_paint.h"
#include "colours.h"
#include "combo_paint.h"
#include "control_state.h"
#include "draw_test_support.h"
#include "handles.h"
#include "header_paint.h"
#include "primitives.h"
#include "progress_paint.h"
#include "props.h"
#include "window_dc.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

namespace mixora::skin {
namespace {

LRESULT CALLBACK Nothing(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

// Every object a painter makes is gone when it returns, across many rounds of every painter
// and many builds of the bitmaps; creating objects keeps succeeding.
TEST(DrawSoak, PaintingEveryKindReleasesEverythingItMakes) {
    test::HostWindow host;
    const HWND button = host.AddChild(L"BUTTON", L"计算", BS_PUSHBUTTON, 10, 10, 75, 25);
    const HWND check = host.AddChild(L"BUTTON", L"卵石", BS_AUTOCHECKBOX, 10, 40, 80, 24);
    const HWND option = host.AddChild(L"BUTTON", L"体积法", BS_AUTORADIOBUTTON, 10, 70, 80, 24);
    const HWND combo = host.AddChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST, 100, 10, 120, 200);
    const HWND edit_combo = host.AddChild(L"COMBOBOX", L"", CBS_DROPDOWN, 100, 40, 120, 200);
    const HWND header = host.AddChild(WC_HEADERW, L"", 0, 250, 10, 200, 20);
    const HWND bar = host.AddChild(PROGRESS_CLASSW, L"", WS_BORDER, 250, 40, 200, 20);
    const HWND edit = host.AddChild(L"EDIT", L"346.15", 0, 250, 70, 120, 24, WS_EX_CLIENTEDGE);
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
    SendMessageW(bar, PBM_SETPOS, 12345, 0);
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = 80;
    item.pszText = const_cast<wchar_t*>(L"名称");
    SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(header, HDM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&item));
    props::Set(header, props::kHdIndex, 1);
    props::Set(header, props::kHmIndex, 0);

    // The push button's state images, made as installation makes them.
    MemoryDC images[4];
    {
        const base::unique_window_dc dc = base::GetWindowDCScoped(button);
        for (int n = 0; n < 4; ++n) {
            images[n] = MemoryDC(base::unique_hdc{CreateCompatibleDC(dc.get())},
                                 base::unique_hbitmap{CreateCompatibleBitmap(dc.get(), 75, 25)});
            SelectObject(images[n].get(), images[n].bitmap());
            props::SetHandle(button, props::StateDcKey(n).c_str(), images[n].get());
        }
    }

    test::GdiRecorder recorder;
    std::vector<HGDIOBJ> skin;
    const MemoryDC target = CreateMemoryDC(500, 100);
    recorder.Clear();
    for (int round = 0; round < 2000; ++round) {
        if (round % 200 == 0) {
            FreeSkinBitmaps();
            for (HGDIOBJ freed : skin)
                ASSERT_EQ(GetObjectType(freed), 0u) << "round " << round;
            recorder.Clear();
            BuildSkinBitmaps();
            skin = recorder.Created();
            ASSERT_EQ(recorder.Alive().size(), 10u); // five contexts, five bitmaps
            recorder.Clear();
        }
        const int state = round % 4;
        props::Set(button, props::kAlphaLevel, (round * 3) % 256);
        props::Set(button, props::kOldState, state);
        RenderButtonStates(button);
        PaintButtonFade(button);
        PaintButtonFade(button, target.get());
        PaintCheckBox(check, state, true);
        PaintOptionButton(option, state, true);
        int combo_state = state % 3;
        PaintComboButton(combo, nullptr, combo_state, true);
        PaintComboButton(combo, target.get(), combo_state, true);
        PaintComboBox(&Nothing, combo, WM_PAINT, 0, 0);
        PaintComboBox(&Nothing, edit_combo, WM_PAINT, 0, 0);
        PaintListFrame(&Nothing, combo, WM_PAINT, 0, 0);
        PaintGridBorder(&Nothing, bar, WM_PAINT, 0, 0);
        PaintHeader(header);
        PaintHeaderItem(header, nullptr, round % 2, state);
        PaintHeaderItem(header, target.get(), round % 2, state);
        PaintProgressBar(bar);
        PaintProgressFrame(bar);
        PaintFlatBorder(&Nothing, edit, WM_NCPAINT, 1, 0);
        BlitSliced(target.get(), 0, 0, 90, 30, ButtonSkin(), 0, 0, 7, 21, 3, 3, 3, 3, kKeyColour);

        const std::vector<HGDIOBJ> alive = recorder.Alive();
        ASSERT_TRUE(alive.empty()) << alive.size() << " objects left after round " << round;
        ASSERT_GT(recorder.Created().size(), 50u);
        recorder.Clear();
    }
    FreeSkinBitmaps();
    for (HGDIOBJ freed : skin)
        EXPECT_EQ(GetObjectType(freed), 0u);

    // Creation still works, and so does drawing.
    const MemoryDC after = CreateMemoryDC(64, 64);
    ASSERT_TRUE(after);
    EXPECT_NE(FillSolid(after.get(), 0, 0, 64, 64, BarColour), 0);
    EXPECT_EQ(GetPixel(after.get(), 63, 63), BarColour);
    for (int n = 0; n < 4; ++n)
        props::Remove(button, props::StateDcKey(n).c_str());
}

} // namespace
} // namespace mixora::skin
