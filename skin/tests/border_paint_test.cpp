#include "border_paint.h"
#include "colours.h"
#include "draw_test_support.h"
#include "primitives.h"
#include "window_dc.h"

#include <gtest/gtest.h>

namespace mixora::skin {
namespace {

using test::CountColour;

LRESULT CALLBACK Answer77(HWND, UINT, WPARAM, LPARAM) {
    return 77;
}

// How many pixels of the ring at inset d have the colour.
int RingCount(HDC dc, int width, int height, int d, COLORREF colour) {
    const int w = width - 2 * d;
    const int h = height - 2 * d;
    return CountColour(dc, d, d, w, 1, colour) + CountColour(dc, d, height - 1 - d, w, 1, colour) +
           CountColour(dc, d, d + 1, 1, h - 2, colour) +
           CountColour(dc, width - 1 - d, d + 1, 1, h - 2, colour);
}
int RingLength(int width, int height, int d) {
    return 2 * (width - 2 * d) + 2 * (height - 2 * d) - 4;
}

TEST(BorderPaint, ASunkenEdgeBecomesAFlatFrameWithTheSecondRingInTheBackground) {
    test::HostWindow host;
    const HWND edit = host.AddChild(L"EDIT", L"26.58", 0, 10, 10, 120, 30, WS_EX_CLIENTEDGE);
    test::HookMessage(edit, WM_NCPAINT, &PaintFlatBorder);
    RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const base::unique_window_dc dc = base::GetWindowDCScoped(edit);
    COLORREF background = 0;
    {
        const base::unique_window_dc client = base::GetDCScoped(edit);
        background = GetBkColor(client.get());
    }
    EXPECT_EQ(RingCount(dc.get(), 120, 30, 0, BorderColour), RingLength(120, 30, 0));
    EXPECT_EQ(RingCount(dc.get(), 120, 30, 1, background), RingLength(120, 30, 1));

    EnableWindow(edit, FALSE);
    RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(RingCount(dc.get(), 120, 30, 0, DisabledBorderColour), RingLength(120, 30, 0));
}

TEST(BorderPaint, AWindowWithoutASunkenEdgeKeepsItsOwnFrame) {
    test::HostWindow host;
    const HWND edit = host.AddChild(L"EDIT", L"", WS_BORDER, 10, 10, 120, 30);
    test::HookMessage(edit, WM_NCPAINT, &PaintFlatBorder);
    RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const base::unique_window_dc dc = base::GetWindowDCScoped(edit);
    EXPECT_EQ(RingCount(dc.get(), 120, 30, 0, BorderColour), 0);
    EXPECT_EQ(PaintFlatBorder(&Answer77, edit, WM_NCPAINT, 1, 0), 77);
}

TEST(BorderPaint, ListAndGridFramesFollowTheirProcedure) {
    test::HostWindow host;
    const HWND list =
        host.AddChild(L"LISTBOX", L"", WS_BORDER | LBS_NOINTEGRALHEIGHT, 10, 10, 100, 80);
    EXPECT_EQ(PaintListFrame(&Answer77, list, WM_PAINT, 0, 0), 77);
    const base::unique_window_dc dc = base::GetWindowDCScoped(list);
    EXPECT_EQ(RingCount(dc.get(), 100, 80, 0, BorderColour), RingLength(100, 80, 0));
    EXPECT_EQ(RingCount(dc.get(), 100, 80, 1, kWhite), RingLength(100, 80, 1));

    const HWND bordered = host.AddChild(L"STATIC", L"", WS_BORDER, 150, 10, 100, 80);
    const HWND plain = host.AddChild(L"STATIC", L"", 0, 300, 10, 100, 80);
    for (HWND grid : {bordered, plain}) {
        const base::unique_window_dc grid_dc = base::GetWindowDCScoped(grid);
        FillSolid(grid_dc.get(), 0, 0, 100, 80, RGB(1, 2, 3));
        EXPECT_EQ(PaintGridBorder(&Answer77, grid, WM_PAINT, 0, 0), 77);
    }
    const base::unique_window_dc bordered_dc = base::GetWindowDCScoped(bordered);
    const base::unique_window_dc plain_dc = base::GetWindowDCScoped(plain);
    EXPECT_EQ(RingCount(bordered_dc.get(), 100, 80, 0, BorderColour), RingLength(100, 80, 0));
    EXPECT_EQ(RingCount(bordered_dc.get(), 100, 80, 1, RGB(1, 2, 3)), RingLength(100, 80, 1));
    EXPECT_EQ(CountColour(plain_dc.get(), 0, 0, 100, 80, RGB(1, 2, 3)), 100 * 80);
}

TEST(BorderPaint, ANullPreviousProcedureOrWindowIsHarmless) {
    EXPECT_EQ(PaintFlatBorder(nullptr, nullptr, WM_NCPAINT, 1, 0), 0);
    EXPECT_EQ(PaintListFrame(nullptr, nullptr, WM_PAINT, 0, 0), 0);
    EXPECT_EQ(PaintGridBorder(nullptr, nullptr, WM_PAINT, 0, 0), 0);
}

} // namespace
} // namespace mixora::skin
