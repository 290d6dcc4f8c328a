#include "bitmaps.h"
#include "colours.h"
#include "combo_paint.h"
#include "control_state.h"
#include "draw_test_support.h"
#include "primitives.h"
#include "props.h"
#include "window_dc.h"

#include <gtest/gtest.h>

namespace mixora::skin {
namespace {

using test::CountColour;
using test::Pixels;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kArrow = RGB(25, 85, 95);
constexpr COLORREF kPaleArrow = RGB(132, 165, 172);

using ComboPaintTest = test::WithSkinBitmaps;

TEST_F(ComboPaintTest, DropButtonForA17PixelScrollBarAndA21PixelCombo) {
    // Button 18 × 19; the arrow at (6, 8) inside it.
    const MemoryDC button = CreateMemoryDC(18, 19);
    ComposeComboButton(button.get(), 18, 19, 21, StateNormal, true);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 7; ++column) {
            const COLORREF arrow = GetPixel(ComboButtonSkin(), 8 + column, row);
            EXPECT_EQ(GetPixel(button.get(), 6 + column, 8 + row), arrow == kKey ? kWhite : arrow);
        }
    EXPECT_EQ(CountColour(button.get(), 0, 0, 18, 19, kArrow), 16);
    EXPECT_EQ(CountColour(button.get(), 0, 0, 18, 19, kWhite), 18 * 19 - 16);

    ComposeComboButton(button.get(), 18, 19, 21, StateNormal, false);
    EXPECT_EQ(CountColour(button.get(), 6, 8, 7, 4, kPaleArrow), 16);
}

TEST_F(ComboPaintTest, HoverAndDroppedFacesComeFromTheirCells) {
    const MemoryDC button = CreateMemoryDC(18, 19);
    const HDC skin = ComboButtonSkin();
    for (int state : {StateHover, StatePressed}) {
        const int cell = state == StateHover ? 0 : 4;
        ComposeComboButton(button.get(), 18, 19, 21, state, true);
        // Fixed edges: left 2 columns and the corners unscaled.
        for (int row : {0, 18})
            for (int column : {0, 1})
                EXPECT_EQ(GetPixel(button.get(), column, row),
                          GetPixel(skin, cell + column, row == 0 ? 0 : 17));
        EXPECT_EQ(GetPixel(button.get(), 17, 0), GetPixel(skin, cell + 3, 0));
        EXPECT_EQ(CountColour(button.get(), 0, 0, 1, 19, RGB(78, 160, 209)), 19);
        EXPECT_EQ(CountColour(button.get(), 6, 8, 7, 4, kArrow), 16);
    }
    ComposeComboButton(button.get(), 18, 19, 21, StateHover, true);
    const COLORREF hover_top = GetPixel(button.get(), 3, 1);
    ComposeComboButton(button.get(), 18, 19, 21, StatePressed, true);
    EXPECT_NE(GetPixel(button.get(), 3, 1), hover_top);
}

// The drop button region of a combo box on screen.
std::vector<COLORREF> ButtonOnScreen(HWND combo) {
    const WindowBounds bounds = GetWindowBounds(combo);
    const int width = GetSystemMetrics(SM_CXVSCROLL) + 1;
    const base::unique_window_dc dc = base::GetWindowDCScoped(combo);
    return Pixels(dc.get(), bounds.Width - width - 1, 1, width, bounds.Height - 2);
}
std::vector<COLORREF> ExpectedButton(HWND combo, int state, bool enabled) {
    const WindowBounds bounds = GetWindowBounds(combo);
    const int width = GetSystemMetrics(SM_CXVSCROLL) + 1;
    const MemoryDC image = CreateMemoryDC(width, bounds.Height - 2);
    ComposeComboButton(image.get(), width, bounds.Height - 2, bounds.Height, state, enabled);
    return Pixels(image.get(), 0, 0, width, bounds.Height - 2);
}

TEST_F(ComboPaintTest, DropButtonIsDrawnInItsStateAtTheRightEdge) {
    test::HostWindow host;
    const HWND combo = host.AddChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST, 10, 10, 120, 200);
    int state = StateHover;
    PaintComboButton(combo, nullptr, state, false);
    EXPECT_EQ(state, StateHover);
    EXPECT_EQ(props::GetInt(combo, props::kOldState), StateHover);
    EXPECT_EQ(ButtonOnScreen(combo), ExpectedButton(combo, StateHover, true));

    // The same state again is not redrawn unless forced.
    const WindowBounds bounds = GetWindowBounds(combo);
    {
        const base::unique_window_dc dc = base::GetWindowDCScoped(combo);
        FillSolid(dc.get(), 0, 0, bounds.Width, bounds.Height, RGB(1, 2, 3));
    }
    PaintComboButton(combo, nullptr, state, false);
    EXPECT_EQ(test::WindowPixel(combo, bounds.Width - 10, 5), RGB(1, 2, 3));
    PaintComboButton(combo, nullptr, state, true);
    EXPECT_EQ(ButtonOnScreen(combo), ExpectedButton(combo, StateHover, true));
    EXPECT_EQ(test::WindowPixel(combo, bounds.Width - 1, 5), RGB(1, 2, 3)); // 1 pixel margin
}

TEST_F(ComboPaintTest, ADroppedDownComboShowsTheDroppedCellWhateverTheCallerPassed) {
    test::HostWindow host;
    const HWND combo = host.AddChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST, 10, 10, 120, 200);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"细砂"));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_NE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
    int state = StateHover;
    PaintComboButton(combo, nullptr, state, true);
    EXPECT_EQ(state, StatePressed);
    EXPECT_EQ(props::GetInt(combo, props::kOldState), StatePressed);
    EXPECT_EQ(ButtonOnScreen(combo), ExpectedButton(combo, StatePressed, true));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ComboPaintTest, AListComboGetsTwoFramesAndItsButtonAfterItsOwnPainting) {
    test::HostWindow host;
    const HWND combo = host.AddChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST, 10, 10, 120, 200);
    props::Set(combo, props::kOldState, StateHover);
    test::HookMessage(combo, WM_PAINT, &PaintComboBox);
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const WindowBounds bounds = GetWindowBounds(combo);
    const base::unique_window_dc dc = base::GetWindowDCScoped(combo);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, bounds.Width, 1, BorderColour), bounds.Width);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 1, bounds.Height, BorderColour), bounds.Height);
    EXPECT_EQ(CountColour(dc.get(), 1, 1, 1, bounds.Height - 2, kWhite), bounds.Height - 2);
    EXPECT_EQ(ButtonOnScreen(combo), ExpectedButton(combo, StateHover, true));

    EnableWindow(combo, FALSE);
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), DisabledBorderColour);
    EXPECT_EQ(ButtonOnScreen(combo), ExpectedButton(combo, StateHover, false));
}

TEST_F(ComboPaintTest, AnEditableComboIsPaintedWhollyBySkin) {
    test::HostWindow host;
    const HWND combo = host.AddChild(L"COMBOBOX", L"", CBS_DROPDOWN, 10, 10, 120, 200);
    int calls = 0;
    test::HookMessage(combo, WM_PAINT, [&](WNDPROC previous, HWND w, UINT m, WPARAM wp, LPARAM lp) {
        ++calls;
        // The control's own procedure must not paint; hand it a procedure that would.
        const LRESULT result =
            PaintComboBox([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 77; }, w, m, wp, lp);
        (void)previous;
        return result;
    });
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(test::WindowPixel(combo, 0, 0), BorderColour);
    EXPECT_EQ(ButtonOnScreen(combo), ExpectedButton(combo, StateNormal, true));
    // The update region was validated: nothing is left to paint.
    EXPECT_FALSE(GetUpdateRect(combo, nullptr, FALSE));
}

TEST_F(ComboPaintTest, ASimpleComboHasNoDropButton) {
    test::HostWindow host;
    const HWND combo = host.AddChild(L"COMBOBOX", L"", CBS_SIMPLE, 10, 10, 120, 100);
    int state = StateHover;
    const WindowBounds bounds = GetWindowBounds(combo);
    {
        const base::unique_window_dc dc = base::GetWindowDCScoped(combo);
        FillSolid(dc.get(), 0, 0, bounds.Width, bounds.Height, RGB(1, 2, 3));
    }
    PaintComboButton(combo, nullptr, state, true);
    EXPECT_EQ(props::GetInt(combo, props::kOldState), StateNormal); // not recorded
    EXPECT_EQ(test::WindowPixel(combo, bounds.Width - 10, 5), RGB(1, 2, 3));

    test::HookMessage(combo, WM_PAINT, &PaintComboBox);
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(test::WindowPixel(combo, 0, 0), BorderColour);
    EXPECT_EQ(test::WindowPixel(combo, 1, 1), kWhite);
    const base::unique_window_dc dc = base::GetWindowDCScoped(combo);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, bounds.Width, bounds.Height, kArrow), 0);
}

} // namespace
} // namespace mixora::skin
