#include "bitmaps.h"
#include "button_paint.h"
#include "colours.h"
#include "control_state.h"
#include "draw_test_support.h"
#include "handles.h"
#include "primitives.h"
#include "props.h"
#include "window_dc.h"

#include <gtest/gtest.h>

#include <vector>

namespace mixora::skin {
namespace {

using test::CountColour;
using test::FilledImage;
using test::Pixels;

constexpr int kWidth = 75;
constexpr int kHeight = 25;

// A push button with its four state images, as installation leaves it.
class ButtonPaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildSkinBitmaps();
        button_ = host_.AddChild(L"BUTTON", L"计算", BS_PUSHBUTTON, 10, 10, kWidth, kHeight);
        // Unsmoothed text, so caption pixels have exactly the text colour.
        font_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                NONANTIALIASED_QUALITY, 0, L"Tahoma"));
        SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        const base::unique_window_dc window = base::GetWindowDCScoped(button_);
        for (int n = 0; n < 4; ++n) {
            images_[n] = MemoryDC(
                base::unique_hdc{CreateCompatibleDC(window.get())},
                base::unique_hbitmap{CreateCompatibleBitmap(window.get(), kWidth, kHeight)});
            SelectObject(images_[n].get(), images_[n].bitmap());
            props::SetHandle(button_, props::StateDcKey(n).c_str(), images_[n].get());
        }
    }
    void TearDown() override {
        for (int n = 0; n < 4; ++n)
            props::Remove(button_, props::StateDcKey(n).c_str());
        FreeSkinBitmaps();
    }

    std::vector<COLORREF> Image(int n) { return Pixels(images_[n].get(), 0, 0, kWidth, kHeight); }

    test::HostWindow host_;
    HWND button_ = nullptr;
    base::unique_hfont font_;
    MemoryDC images_[4];
};

TEST_F(ButtonPaintTest, RendersEachStateFromItsSkinCellWithTheCaption) {
    RenderButtonStates(button_);
    const HDC skin = ButtonSkin();
    for (int n = 0; n < 4; ++n) {
        const HDC image = images_[n].get();
        // The 3 × 3 corners are the cell's own.
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(GetPixel(image, x, y), GetPixel(skin, x, 21 * n + y));
                EXPECT_EQ(GetPixel(image, kWidth - 3 + x, kHeight - 3 + y),
                          GetPixel(skin, 4 + x, 21 * n + 18 + y));
            }
        // Away from the caption the face is the cell's centre column.
        EXPECT_EQ(GetPixel(image, 5, kHeight / 2), GetPixel(image, kWidth - 6, kHeight / 2));
    }
    // Black captions on images 0–2, the disabled text colour on image 3.
    for (int n = 0; n < 3; ++n) {
        EXPECT_GT(CountColour(images_[n].get(), 0, 0, kWidth, kHeight, kBlack), 10);
        EXPECT_EQ(CountColour(images_[n].get(), 0, 0, kWidth, kHeight, DisabledTextColour), 0);
    }
    EXPECT_EQ(CountColour(images_[3].get(), 0, 0, kWidth, kHeight, kBlack), 0);
    EXPECT_GT(CountColour(images_[3].get(), 0, 0, kWidth, kHeight, DisabledTextColour), 10);
    // The frame of image 3 is the pale one.
    EXPECT_EQ(GetPixel(images_[3].get(), 0, kHeight / 2), RGB(135, 195, 232));
    EXPECT_EQ(GetPixel(images_[0].get(), 0, kHeight / 2), RGB(27, 143, 213));
}

TEST_F(ButtonPaintTest, AFocusedButtonHasTheFocusRectangleInAllFourImages) {
    RenderButtonStates(button_);
    std::vector<COLORREF> plain[4];
    for (int n = 0; n < 4; ++n)
        plain[n] = Image(n);

    SetFocus(button_);
    ASSERT_EQ(GetFocus(), button_);
    RenderButtonStates(button_);
    for (int n = 0; n < 4; ++n) {
        EXPECT_NE(Image(n), plain[n]);
        // Taking the dotted rectangle 2 pixels inside the edges away again leaves the plain face.
        DrawFocusBox(images_[n].get(), 2, 2, kWidth - 4, kHeight - 4);
        EXPECT_EQ(Image(n), plain[n]);
    }
}

TEST_F(ButtonPaintTest, FadeBlendsTheCurrentStatesImageAtTheLevel) {
    RenderButtonStates(button_);
    const MemoryDC target = FilledImage(kWidth, kHeight, RGB(0, 0, 0));
    props::Set(button_, props::kOldState, StateHover);

    props::Set(button_, props::kAlphaLevel, 0);
    EXPECT_EQ(PaintButtonFade(button_, target.get()), 0);
    EXPECT_EQ(CountColour(target.get(), 0, 0, kWidth, kHeight, RGB(0, 0, 0)), kWidth * kHeight);

    props::Set(button_, props::kAlphaLevel, 128);
    PaintButtonFade(button_, target.get());
    const COLORREF half = GetPixel(target.get(), 3, 0); // the frame line over black
    EXPECT_NEAR(GetRValue(half), 27 / 2, 2);
    EXPECT_NEAR(GetGValue(half), 143 / 2, 2);
    EXPECT_NEAR(GetBValue(half), 213 / 2, 2);

    props::Set(button_, props::kAlphaLevel, 255);
    PaintButtonFade(button_, target.get());
    EXPECT_EQ(Pixels(target.get(), 0, 0, kWidth, kHeight), Image(StateHover));
}

TEST_F(ButtonPaintTest, ADisabledButtonIsAlwaysShownFromImageThree) {
    RenderButtonStates(button_);
    EnableWindow(button_, FALSE);
    props::Set(button_, props::kOldState, StatePressed);
    props::Set(button_, props::kAlphaLevel, 255);
    const MemoryDC target = FilledImage(kWidth, kHeight, RGB(0, 0, 0));
    PaintButtonFade(button_, target.get());
    EXPECT_EQ(props::GetInt(button_, props::kOldState), StateDisabled);
    EXPECT_EQ(Pixels(target.get(), 0, 0, kWidth, kHeight), Image(StateDisabled));
}

TEST_F(ButtonPaintTest, PaintsTheWindowWhenNoTargetIsGiven) {
    RenderButtonStates(button_);
    props::Set(button_, props::kOldState, StatePressed);
    props::Set(button_, props::kAlphaLevel, 255);
    PaintButtonFade(button_);
    const HDC pressed = images_[StatePressed].get();
    for (const POINT p : {POINT{0, 0}, POINT{3, 0}, POINT{0, 12}, POINT{40, 3}, POINT{74, 24}})
        EXPECT_EQ(test::WindowPixel(button_, p.x, p.y), GetPixel(pressed, p.x, p.y));
}

TEST_F(ButtonPaintTest, LeavesCheckBoxStylesAndMissingImagesAlone) {
    RenderButtonStates(button_);
    const MemoryDC target = FilledImage(kWidth, kHeight, RGB(0, 0, 0));
    props::Set(button_, props::kAlphaLevel, 255);

    props::Set(button_, props::kOldStyle, WS_CHILD | BS_CHECKBOX); // bit 1
    EXPECT_EQ(PaintButtonFade(button_, target.get()), 0);
    props::Set(button_, props::kOldStyle, WS_CHILD | BS_RADIOBUTTON); // bit 2
    PaintButtonFade(button_, target.get());
    EXPECT_EQ(CountColour(target.get(), 0, 0, kWidth, kHeight, RGB(0, 0, 0)), kWidth * kHeight);

    props::Set(button_, props::kOldStyle, WS_CHILD | BS_DEFPUSHBUTTON);
    props::Set(button_, props::kOldState, 7); // no image "HDC7"
    PaintButtonFade(button_, target.get());
    EXPECT_EQ(CountColour(target.get(), 0, 0, kWidth, kHeight, RGB(0, 0, 0)), kWidth * kHeight);

    // No window: nothing to blend and no images to draw into.
    EXPECT_EQ(PaintButtonFade(nullptr, target.get()), 0);
    EXPECT_EQ(CountColour(target.get(), 0, 0, kWidth, kHeight, RGB(0, 0, 0)), kWidth * kHeight);
    std::vector<COLORREF> before[4];
    for (int n = 0; n < 4; ++n)
        before[n] = Image(n);
    RenderButtonStates(nullptr);
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(Image(n), before[n]) << "image " << n;
}

} // namespace
} // namespace mixora::skin
