#include "colours.h"
#include "draw_test_support.h"
#include "progress_paint.h"
#include "window_dc.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace mixora::skin {
namespace {

using test::CountColour;

class ProgressPaintTest : public ::testing::Test {
  protected:
    HWND AddBar(DWORD style, int width, int height) {
        const HWND bar = host_.AddChild(PROGRESS_CLASSW, L"", style, 10, 10, width, height);
        SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
        test::HookMessage(bar, WM_PAINT, [](WNDPROC, HWND w, UINT, WPARAM, LPARAM) {
            return PaintProgressBar(w);
        });
        return bar;
    }
    void SetPosition(HWND bar, int position) {
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    test::HostWindow host_;
};

TEST_F(ProgressPaintTest, HorizontalBarFillsFromTheLeft) {
    const HWND bar = AddBar(0, 200, 20);
    const base::unique_window_dc dc = base::GetDCScoped(bar);

    SetPosition(bar, 15000);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 100, 20, BarColour), 100 * 20);
    EXPECT_EQ(CountColour(dc.get(), 100, 0, 100, 20, kWhite), 100 * 20);

    SetPosition(bar, 0);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 200, 20, kWhite), 200 * 20);

    SetPosition(bar, 30000);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 200, 20, BarColour), 200 * 20);

    // 1/3 of 200 is 66.67: the fill is 67 wide.
    SetPosition(bar, 10000);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 200, 1, BarColour), 67);
}

TEST_F(ProgressPaintTest, VerticalBarFillsFromTheBottom) {
    const HWND bar = AddBar(PBS_VERTICAL, 20, 30);
    const base::unique_window_dc dc = base::GetDCScoped(bar);
    SetPosition(bar, 10000); // fills (0, 20, 20, 10)
    EXPECT_EQ(CountColour(dc.get(), 0, 20, 20, 10, BarColour), 20 * 10);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 20, 20, kWhite), 20 * 20);
}

TEST_F(ProgressPaintTest, FrameIsFlatAndRepeatsTheFill) {
    const HWND bar = AddBar(WS_BORDER, 202, 22); // client 200 × 20 inside a 1-pixel border
    SetPosition(bar, 15000);
    EXPECT_EQ(PaintProgressFrame(bar), 0);
    const base::unique_window_dc dc = base::GetWindowDCScoped(bar);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 202, 1, BorderColour), 202);
    EXPECT_EQ(CountColour(dc.get(), 0, 21, 202, 1, BorderColour), 202);
    EXPECT_EQ(CountColour(dc.get(), 0, 0, 1, 22, BorderColour), 22);
    EXPECT_EQ(CountColour(dc.get(), 1, 1, 100, 20, BarColour), 100 * 20);
    EXPECT_EQ(CountColour(dc.get(), 101, 1, 100, 20, kWhite), 100 * 20);
}

TEST_F(ProgressPaintTest, VerticalFrameKeepsTheFillAtTheBottomOfSmoothBars) {
    const HWND smooth = AddBar(WS_BORDER | PBS_VERTICAL | PBS_SMOOTH, 22, 32);
    SetPosition(smooth, 10000);
    PaintProgressFrame(smooth);
    const base::unique_window_dc dc = base::GetWindowDCScoped(smooth);
    EXPECT_EQ(CountColour(dc.get(), 1, 1, 20, 20, kWhite), 20 * 20);
    EXPECT_EQ(CountColour(dc.get(), 1, 21, 20, 10, BarColour), 20 * 10);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), BorderColour);

    // Without the smooth style the frame leaves the inside white; the client paint fills it.
    const HWND blocks = AddBar(WS_BORDER | PBS_VERTICAL, 22, 32);
    SetPosition(blocks, 10000);
    PaintProgressFrame(blocks);
    const base::unique_window_dc blocks_dc = base::GetWindowDCScoped(blocks);
    EXPECT_EQ(CountColour(blocks_dc.get(), 1, 1, 20, 30, kWhite), 20 * 30);
}

} // namespace
} // namespace mixora::skin
