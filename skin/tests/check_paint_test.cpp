#include "bitmaps.h"
#include "check_paint.h"
#include "colours.h"
#include "control_state.h"
#include "draw_test_support.h"
#include "primitives.h"
#include "props.h"
#include "window_dc.h"

#include <gtest/gtest.h>

namespace mixora::skin {
namespace {

using test::CountColour;
using test::FilledImage;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kMarker = RGB(1, 99, 7);

using CheckPaintTest = test::WithSkinBitmaps;

// The glyph of CheckGlyphs at (gx, gy) appears at (x, y) of the image over white.
void ExpectGlyph(HDC image, int x, int y, int gx, int gy, int width, int height) {
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const COLORREF glyph = GetPixel(CheckGlyphs(), gx + column, gy + row);
            EXPECT_EQ(GetPixel(image, x + column, y + row), glyph == kKey ? kWhite : glyph)
                << "glyph pixel " << column << "," << row;
        }
}

TEST_F(CheckPaintTest, GlyphsAreCentredByTheHalvingRule) {
    const struct {
        int size;
        POINT check;
        POINT square;
    } cases[] = {{13, {2, 2}, {3, 3}}, {15, {3, 4}, {4, 4}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const MemoryDC checked = CreateMemoryDC(c.size, c.size);
        ComposeCheckBox(checked.get(), c.size, c.size, StateNormal, BST_CHECKED, true);
        ExpectGlyph(checked.get(), c.check.x, c.check.y, 0, 0, 9, 8);
        const MemoryDC mixed = CreateMemoryDC(c.size, c.size);
        ComposeCheckBox(mixed.get(), c.size, c.size, StateNormal, BST_INDETERMINATE, true);
        ExpectGlyph(mixed.get(), c.square.x, c.square.y, 1, 9, 7, 7);
        // Disabled boxes take the pale glyphs at the same places.
        ComposeCheckBox(checked.get(), c.size, c.size, StateNormal, BST_CHECKED, false);
        ExpectGlyph(checked.get(), c.check.x, c.check.y, 9, 0, 9, 8);
        ComposeCheckBox(mixed.get(), c.size, c.size, StateNormal, BST_INDETERMINATE, false);
        ExpectGlyph(mixed.get(), c.square.x, c.square.y, 10, 9, 7, 7);
    }
}

TEST_F(CheckPaintTest, FrameColourFollowsTheState) {
    const MemoryDC box = CreateMemoryDC(13, 13);
    const struct {
        int state;
        bool enabled;
        COLORREF frame;
    } cases[] = {{StateNormal, true, RGB(84, 165, 213)},
                 {StateHover, true, RGB(84, 165, 213)},
                 {StatePressed, true, RGB(57, 134, 196)},
                 {StatePressed, false, RGB(164, 207, 233)},
                 {StateNormal, false, RGB(164, 207, 233)}};
    for (const auto& c : cases) {
        ComposeCheckBox(box.get(), 13, 13, c.state, BST_UNCHECKED, c.enabled);
        EXPECT_EQ(CountColour(box.get(), 0, 0, 13, 13, c.frame), 48) << c.state << c.enabled;
    }
}

TEST_F(CheckPaintTest, HoverAndPressedBoxesShowTheirBands) {
    const MemoryDC box = CreateMemoryDC(13, 13);
    // The 11 × 5 band stretched over the 11 × 11 inside: columns kept, rows 5 → 11.
    ComposeCheckBox(box.get(), 13, 13, StateHover, BST_UNCHECKED, true);
    EXPECT_EQ(GetPixel(box.get(), 1, 1), GetPixel(OptionSkin(), 1, 17));
    EXPECT_EQ(GetPixel(box.get(), 11, 11), GetPixel(OptionSkin(), 11, 21));
    EXPECT_EQ(GetPixel(box.get(), 6, 6), GetPixel(OptionSkin(), 6, 19));
    ComposeCheckBox(box.get(), 13, 13, StatePressed, BST_UNCHECKED, true);
    EXPECT_EQ(GetPixel(box.get(), 1, 1), GetPixel(OptionSkin(), 1, 30));
    EXPECT_EQ(GetPixel(box.get(), 6, 6), GetPixel(OptionSkin(), 6, 32));
    // Normal and disabled boxes are white inside.
    ComposeCheckBox(box.get(), 13, 13, StateNormal, BST_UNCHECKED, true);
    EXPECT_EQ(CountColour(box.get(), 1, 1, 11, 11, kWhite), 121);
    ComposeCheckBox(box.get(), 13, 13, StateHover, BST_UNCHECKED, false);
    EXPECT_EQ(CountColour(box.get(), 1, 1, 11, 11, kWhite), 121);
}

// Check boxes and option buttons on a real window.
class CheckWindowTest : public CheckPaintTest {
  protected:
    void SetUp() override {
        CheckPaintTest::SetUp();
        size_ = GetSystemMetrics(SM_CXMENUCHECK);
    }
    // Covers the control's left end with the marker colour, as if the control had painted.
    void Mark(HWND window) {
        const base::unique_window_dc dc = base::GetWindowDCScoped(window);
        FillSolid(dc.get(), 0, 0, 20, 24, kMarker);
    }
    int Top(HWND window) { return CentreOffset(GetWindowBounds(window).Height, size_); }

    test::HostWindow host_;
    int size_ = 0;
};

TEST_F(CheckWindowTest, ACheckBoxIsDrawnOnceUnlessForced) {
    const HWND box = host_.AddChild(L"BUTTON", L"卵石", BS_AUTOCHECKBOX, 10, 10, 80, 24);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    const int top = Top(box);

    Mark(box);
    EXPECT_EQ(PaintCheckBox(box, StateNormal, false), 0); // "OLDSTATE" starts at 0
    EXPECT_EQ(test::WindowPixel(box, 0, top), kMarker);

    EXPECT_EQ(PaintCheckBox(box, StatePressed, false), 1);
    EXPECT_EQ(props::GetInt(box, props::kOldState), StatePressed);
    EXPECT_EQ(test::WindowPixel(box, 0, top), PressedBoxColour);
    EXPECT_EQ(test::WindowPixel(box, size_ - 1, top + size_ - 1), PressedBoxColour);
    EXPECT_EQ(test::WindowPixel(box, 0, top - 1), kMarker); // centred, nothing above

    Mark(box);
    EXPECT_EQ(PaintCheckBox(box, StatePressed, false), 0);
    EXPECT_EQ(test::WindowPixel(box, 0, top), kMarker);
    EXPECT_EQ(PaintCheckBox(box, StatePressed, true), 1);
    EXPECT_EQ(test::WindowPixel(box, 0, top), PressedBoxColour);

    // The glyph lands where the halving rule puts it inside the box.
    const int gx = CentreOffset(size_, 9);
    const int gy = top + CentreOffset(size_, 8);
    EXPECT_EQ(test::WindowPixel(box, gx + 3, gy + 7), GetPixel(CheckGlyphs(), 3, 7));

    EnableWindow(box, FALSE);
    EXPECT_EQ(PaintCheckBox(box, StateNormal, true), 1);
    EXPECT_EQ(test::WindowPixel(box, 0, top), DisabledBorderColour);
    EXPECT_EQ(test::WindowPixel(box, gx + 3, gy + 7), GetPixel(CheckGlyphs(), 12, 7));
}

TEST_F(CheckWindowTest, AnOptionButtonShowsItsCircleThroughTheKeyAndADotWhenChecked) {
    const HWND option = host_.AddChild(L"BUTTON", L"体积法", BS_AUTORADIOBUTTON, 10, 40, 80, 24);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    const int top = Top(option);
    const int dot_x = CentreOffset(size_, 5);
    const int dot_y = top + CentreOffset(size_, 5);

    for (int state : {StateNormal, StateHover, StatePressed}) {
        Mark(option);
        EXPECT_EQ(PaintOptionButton(option, state, true), 1);
        // The circle's 5 × 5 corner is drawn unscaled (where the dot does not cover it); key
        // pixels let the control show.
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                if (x >= dot_x && y >= dot_y - top) continue;
                const COLORREF skin = GetPixel(OptionSkin(), x, 13 * state + y);
                EXPECT_EQ(test::WindowPixel(option, x, top + y), skin == kKey ? kMarker : skin);
            }
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const COLORREF dot = GetPixel(CheckGlyphs(), 2 + x, 18 + y);
                if (dot != kKey) {
                    EXPECT_EQ(test::WindowPixel(option, dot_x + x, dot_y + y), dot);
                }
            }
    }
    EXPECT_EQ(PaintOptionButton(option, StatePressed, false), 0);

    // Unchecked: no dot; disabled: the pale circle and dot.
    SendMessageW(option, BM_SETCHECK, BST_UNCHECKED, 0);
    Mark(option);
    PaintOptionButton(option, StateNormal, true);
    EXPECT_NE(test::WindowPixel(option, dot_x + 2, dot_y + 2), GetPixel(CheckGlyphs(), 4, 20));
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(option, FALSE);
    Mark(option);
    PaintOptionButton(option, StateNormal, true);
    EXPECT_EQ(test::WindowPixel(option, 2, top + 2), GetPixel(OptionSkin(), 2, 39 + 2));
    EXPECT_EQ(test::WindowPixel(option, dot_x + 2, dot_y + 2), GetPixel(CheckGlyphs(), 13, 20));
}

TEST_F(CheckWindowTest, AnIndeterminateOptionButtonHasNoDot) {
    // Only a three-state control can report the indeterminate state.
    const HWND option = host_.AddChild(L"BUTTON", L"碎石", BS_AUTO3STATE, 10, 70, 80, 24);
    SendMessageW(option, BM_SETCHECK, BST_INDETERMINATE, 0);
    ASSERT_EQ(SendMessageW(option, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    const int top = Top(option);
    Mark(option);
    EXPECT_EQ(PaintOptionButton(option, StateHover, true), 1);
    EXPECT_EQ(test::WindowPixel(option, 2, top + 2), GetPixel(OptionSkin(), 2, 13 + 2));
    const int dot_x = CentreOffset(size_, 5);
    const int dot_y = top + CentreOffset(size_, 5);
    EXPECT_NE(test::WindowPixel(option, dot_x + 2, dot_y + 2), GetPixel(CheckGlyphs(), 4, 20));

    // A state with no circle draws none: the control shows through.
    Mark(option);
    EXPECT_EQ(PaintOptionButton(option, StateDisabled, true), 1);
    EXPECT_EQ(test::WindowPixel(option, 2, top + 2), kMarker);
}

} // namespace
} // namespace mixora::skin
