#include "bitmaps.h"
#include "control_state.h"
#include "draw_test_support.h"
#include "handles.h"
#include "header_paint.h"
#include "primitives.h"
#include "props.h"
#include "window_dc.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace mixora::skin {
namespace {

using test::CountColour;
using test::FilledImage;

constexpr COLORREF kMarker = RGB(1, 99, 7);

class HeaderPaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildSkinBitmaps();
        // 20 pixels high, so the skin's 20 rows map one to one.
        header_ = host_.AddChild(WC_HEADERW, L"", HDS_BUTTONS, 0, 0, 300, 20);
        font_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                NONANTIALIASED_QUALITY, 0, L"Tahoma"));
        SendMessageW(header_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    void TearDown() override { FreeSkinBitmaps(); }

    void AddItem(const wchar_t* text, int width) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.cxy = width;
        item.pszText = const_cast<wchar_t*>(text);
        const auto count = SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0);
        SendMessageW(header_, HDM_INSERTITEMW, static_cast<WPARAM>(count),
                     reinterpret_cast<LPARAM>(&item));
    }
    void Repaint() {
        test::HookMessage(header_, WM_PAINT,
                          [](WNDPROC, HWND w, UINT, WPARAM, LPARAM) { return PaintHeader(w); });
        RedrawWindow(header_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    // The item's columns at x0 … x0 + width − 1 show cell `column` of HeaderSkin, sliced 1-1-1-1.
    void ExpectCellEdges(HDC dc, int x0, int width, int column) {
        for (int y = 0; y < 20; ++y) {
            EXPECT_EQ(GetPixel(dc, x0, y), GetPixel(HeaderSkin(), column, y)) << y;
            EXPECT_EQ(GetPixel(dc, x0 + width - 1, y), GetPixel(HeaderSkin(), column + 2, y)) << y;
            EXPECT_EQ(GetPixel(dc, x0 + 3, y), GetPixel(HeaderSkin(), column + 1, y)) << y;
        }
    }

    test::HostWindow host_;
    HWND header_ = nullptr;
    base::unique_hfont font_;
};

TEST_F(HeaderPaintTest, WithoutItemsOnlyTheBackgroundShows) {
    Repaint();
    const base::unique_window_dc dc = base::GetWindowDCScoped(header_);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(CountColour(dc.get(), 0, y, 300, 1, GetPixel(HeaderSkin(), 1, y)), 300) << y;
}

TEST_F(HeaderPaintTest, ItemsShowTheirPressedHoverAndNormalCells) {
    AddItem(L"名称", 60);
    AddItem(L"数量", 80);
    AddItem(L"", 70);
    props::Set(header_, props::kHdIndex, 1);
    props::Set(header_, props::kHmIndex, 0);
    Repaint();
    const base::unique_window_dc dc = base::GetWindowDCScoped(header_);
    ExpectCellEdges(dc.get(), 0, 60, 3);                                 // hover
    ExpectCellEdges(dc.get(), 60, 80, 6);                                // pressed
    ExpectCellEdges(dc.get(), 140, 70, 0);                               // normal
    EXPECT_EQ(GetPixel(dc.get(), 250, 5), GetPixel(HeaderSkin(), 1, 5)); // background
    // Captions are drawn in black over the items that have one.
    EXPECT_GT(CountColour(dc.get(), 0, 0, 60, 20, RGB(0, 0, 0)), 5);
    EXPECT_GT(CountColour(dc.get(), 60, 0, 80, 20, RGB(0, 0, 0)), 5);
    EXPECT_EQ(CountColour(dc.get(), 140, 0, 70, 20, RGB(0, 0, 0)), 0);

    // With nobody pressed or hovering every item is normal.
    props::Set(header_, props::kHdIndex, -1);
    props::Set(header_, props::kHmIndex, -1);
    Repaint();
    ExpectCellEdges(dc.get(), 0, 60, 0);
    ExpectCellEdges(dc.get(), 60, 80, 0);
}

TEST_F(HeaderPaintTest, OneItemIsRedrawnForFeedback) {
    AddItem(L"名称", 60);
    AddItem(L"数量", 80);
    const MemoryDC target = FilledImage(300, 20, kMarker);
    EXPECT_EQ(PaintHeaderItem(header_, target.get(), 1, StatePressed), 0);
    ExpectCellEdges(target.get(), 60, 80, 6);
    EXPECT_EQ(CountColour(target.get(), 0, 0, 60, 20, kMarker), 60 * 20);
    EXPECT_EQ(CountColour(target.get(), 140, 0, 160, 20, kMarker), 160 * 20);
    EXPECT_GT(CountColour(target.get(), 60, 0, 80, 20, RGB(0, 0, 0)), 5);

    PaintHeaderItem(header_, target.get(), 0, StateHover);
    ExpectCellEdges(target.get(), 0, 60, 3);
    PaintHeaderItem(header_, target.get(), 0, 9); // any other state is normal
    ExpectCellEdges(target.get(), 0, 60, 0);

    // On the window itself when no target is given.
    PaintHeaderItem(header_, nullptr, 1, StateHover);
    const base::unique_window_dc dc = base::GetWindowDCScoped(header_);
    ExpectCellEdges(dc.get(), 60, 80, 3);
}

TEST_F(HeaderPaintTest, IndexMinusOneDrawsNothing) {
    AddItem(L"名称", 60);
    const MemoryDC target = FilledImage(300, 20, kMarker);
    EXPECT_EQ(PaintHeaderItem(header_, target.get(), -1, StatePressed), 0);
    EXPECT_EQ(CountColour(target.get(), 0, 0, 300, 20, kMarker), 300 * 20);
    // An index past the last item has no rectangle, hence nothing to draw either.
    PaintHeaderItem(header_, target.get(), 5, StatePressed);
    EXPECT_EQ(CountColour(target.get(), 0, 0, 300, 20, kMarker), 300 * 20);
}

} // namespace
} // namespace mixora::skin
