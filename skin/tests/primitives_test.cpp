#include "draw_test_support.h"
#include "primitives.h"

#include <gtest/gtest.h>

namespace mixora::skin {
namespace {

using test::CountColour;
using test::FilledImage;
using test::Pixels;

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr COLORREF kKey = RGB(255, 0, 255);

TEST(Halving, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(5.5), 6);
    EXPECT_EQ(RoundHalfEven(4.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(CentreOffset(13, 8), 2); // 2.5 → 2
    EXPECT_EQ(CentreOffset(15, 8), 4); // 3.5 → 4
    EXPECT_EQ(CentreOffset(15, 9), 3);
    EXPECT_EQ(CentreOffset(8, 13), -2); // a larger inner thing goes negative, still to even
}

TEST(MemoryDCs, OwnTheirBitmapAndReleaseBoth) {
    MemoryDC image = CreateMemoryDC(20, 10);
    ASSERT_TRUE(image);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(GetCurrentObject(image.get(), OBJ_BITMAP), sizeof(info), &info));
    EXPECT_EQ(info.bmWidth, 20);
    EXPECT_EQ(info.bmHeight, 10);
    EXPECT_EQ(GetCurrentObject(image.get(), OBJ_BITMAP), image.bitmap());

    const HDC dc = image.get();
    const HBITMAP bitmap = image.bitmap();
    MemoryDC moved = std::move(image);
    EXPECT_FALSE(image);
    EXPECT_EQ(moved.get(), dc);
    moved = CreateMemoryDC(1, 1); // assigning releases the previous pair
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST(FillAndFrame, DrawInsideTheRectangle) {
    const MemoryDC image = FilledImage(10, 8, RGB(255, 255, 255));
    EXPECT_NE(FrameSolid(image.get(), 1, 1, 8, 6, kRed), 0);
    EXPECT_EQ(CountColour(image.get(), 0, 0, 10, 8, kRed), 2 * 8 + 2 * 4);
    EXPECT_EQ(GetPixel(image.get(), 1, 1), kRed);
    EXPECT_EQ(GetPixel(image.get(), 8, 6), kRed);
    EXPECT_EQ(GetPixel(image.get(), 9, 7), RGB(255, 255, 255));
    EXPECT_NE(FillSolid(image.get(), 2, 2, 6, 4, kKey), 0);
    EXPECT_EQ(CountColour(image.get(), 0, 0, 10, 8, kKey), 24);
    EXPECT_EQ(FillSolid(nullptr, 0, 0, 5, 5, kRed), 0);
    EXPECT_EQ(FrameSolid(nullptr, 0, 0, 5, 5, kRed), 0);
}

TEST(FocusBox, DrawnTwiceLeavesNoTrace) {
    const MemoryDC image = FilledImage(12, 12, RGB(255, 255, 255));
    const auto before = Pixels(image.get(), 0, 0, 12, 12);
    DrawFocusBox(image.get(), 2, 2, 8, 8);
    EXPECT_NE(Pixels(image.get(), 0, 0, 12, 12), before);
    DrawFocusBox(image.get(), 2, 2, 8, 8);
    EXPECT_EQ(Pixels(image.get(), 0, 0, 12, 12), before);
}

// A 7 × 21 source whose every pixel has its own colour, so any misplaced pixel shows.
MemoryDC NumberedCell() {
    MemoryDC cell = CreateMemoryDC(7, 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 7; ++x)
            SetPixel(cell.get(), x, y, RGB(10 + x * 30, 10 + y * 10, 77));
    return cell;
}

TEST(BlitSliced, ZeroSizesDrawNothing) {
    const MemoryDC source = NumberedCell();
    const MemoryDC target = FilledImage(20, 20, kRed);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 0, 10, source.get(), 0, 0, 7, 21, 3, 3, 3, 3), 0);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 10, 0, source.get(), 0, 0, 7, 21, 3, 3, 3, 3), 0);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 10, 10, source.get(), 0, 0, 0, 21, 3, 3, 3, 3), 0);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 10, 10, source.get(), 0, 0, 7, 0, 3, 3, 3, 3, kKey),
              0);
    EXPECT_EQ(CountColour(target.get(), 0, 0, 20, 20, kRed), 400);
}

TEST(BlitSliced, AllZeroStripsStretchTheWholeCell) {
    const MemoryDC source = NumberedCell();
    const MemoryDC target = FilledImage(14, 42, kRed);
    EXPECT_NE(BlitSliced(target.get(), 0, 0, 14, 42, source.get(), 0, 0, 7, 21, 0, 0, 0, 0), 0);
    for (int y = 0; y < 42; ++y)
        for (int x = 0; x < 14; ++x)
            ASSERT_EQ(GetPixel(target.get(), x, y), GetPixel(source.get(), x / 2, y / 2))
                << x << "," << y;
}

TEST(BlitSliced, NineSlicesKeepCornersAndStretchSidesAlongTheirLength) {
    const MemoryDC source = NumberedCell();
    const MemoryDC target = FilledImage(85, 35, kRed);
    const HDC t = target.get();
    const HDC s = source.get();
    EXPECT_NE(BlitSliced(t, 5, 5, 75, 25, s, 0, 0, 7, 21, 3, 3, 3, 3), 0);

    // Outside the rectangle nothing changes.
    EXPECT_EQ(CountColour(t, 0, 0, 85, 35, kRed), 85 * 35 - 75 * 25);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(GetPixel(t, 5 + x, 5 + y), GetPixel(s, x, y));            // top left
            EXPECT_EQ(GetPixel(t, 77 + x, 5 + y), GetPixel(s, 4 + x, y));       // top right
            EXPECT_EQ(GetPixel(t, 5 + x, 27 + y), GetPixel(s, x, 18 + y));      // bottom left
            EXPECT_EQ(GetPixel(t, 77 + x, 27 + y), GetPixel(s, 4 + x, 18 + y)); // bottom right
        }
    // Top and bottom sides: each row holds the source's centre column pixel of that row.
    for (int x = 8; x < 77; ++x)
        for (int y = 0; y < 3; ++y) {
            ASSERT_EQ(GetPixel(t, x, 5 + y), GetPixel(s, 3, y));
            ASSERT_EQ(GetPixel(t, x, 27 + y), GetPixel(s, 3, 18 + y));
        }
    // Left and right sides: each column keeps its source column; rows come from rows 3–17.
    for (int y = 8; y < 27; ++y)
        for (int x = 0; x < 3; ++x) {
            const COLORREF left = GetPixel(t, 5 + x, y);
            const COLORREF right = GetPixel(t, 77 + x, y);
            ASSERT_EQ(GetRValue(left), GetRValue(GetPixel(s, x, 3)));
            ASSERT_EQ(GetRValue(right), GetRValue(GetPixel(s, 4 + x, 3)));
            ASSERT_GE(GetGValue(left), 10 + 3 * 10);
            ASSERT_LE(GetGValue(left), 10 + 17 * 10);
        }
    // The centre is the 1 × 15 centre column stretched to 69 × 19: each row one colour.
    for (int y = 8; y < 27; ++y) {
        const COLORREF first = GetPixel(t, 8, y);
        EXPECT_EQ(GetRValue(first), GetRValue(GetPixel(s, 3, 3)));
        for (int x = 8; x < 77; ++x)
            ASSERT_EQ(GetPixel(t, x, y), first);
    }
}

TEST(BlitSliced, KeyColourLeavesTheBackgroundVisible) {
    MemoryDC source = FilledImage(4, 4, RGB(10, 20, 30));
    SetPixel(source.get(), 0, 0, kKey);
    const MemoryDC target = FilledImage(8, 8, kRed);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 8, 8, source.get(), 0, 0, 4, 4, 1, 1, 1, 1, kKey), 1);
    EXPECT_EQ(GetPixel(target.get(), 0, 0), kRed);
    EXPECT_EQ(CountColour(target.get(), 0, 0, 8, 8, RGB(10, 20, 30)), 63);
}

TEST(BlitTransparent, NoKeyPixelsIsAPlainCopy) {
    MemoryDC source = CreateMemoryDC(6, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            SetPixel(source.get(), x, y, RGB(x * 40, y * 50, 128));
    const MemoryDC target = FilledImage(10, 10, kRed);
    BlitTransparent(target.get(), 2, 3, 6, 5, source.get(), 0, 0, kKey);
    EXPECT_EQ(Pixels(target.get(), 2, 3, 6, 5), Pixels(source.get(), 0, 0, 6, 5));
    EXPECT_EQ(CountColour(target.get(), 0, 0, 10, 10, kRed), 100 - 30);
}

TEST(BlitTransparent, AllKeyPixelsLeaveTheDestinationUnchanged) {
    const MemoryDC source = FilledImage(6, 5, kKey);
    MemoryDC target = CreateMemoryDC(6, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            SetPixel(target.get(), x, y, RGB(x * 40, y * 50, 9));
    const auto before = Pixels(target.get(), 0, 0, 6, 5);
    BlitTransparent(target.get(), 0, 0, 6, 5, source.get(), 0, 0, kKey);
    EXPECT_EQ(Pixels(target.get(), 0, 0, 6, 5), before);
}

TEST(BlitTransparent, CopiesFromTheSourceOffsetAndToleratesNullContexts) {
    MemoryDC source = FilledImage(8, 8, kKey);
    SetPixel(source.get(), 5, 6, RGB(1, 2, 3));
    const MemoryDC target = FilledImage(4, 4, kRed);
    BlitTransparent(target.get(), 1, 1, 2, 2, source.get(), 4, 5, kKey);
    EXPECT_EQ(GetPixel(target.get(), 2, 2), RGB(1, 2, 3));
    EXPECT_EQ(CountColour(target.get(), 0, 0, 4, 4, kRed), 15);
    // A missing context (a skin bitmap that could not be made) draws nothing.
    BlitTransparent(nullptr, 0, 0, 4, 4, source.get(), 0, 0, kKey);
    BlitTransparent(target.get(), 0, 0, 4, 4, nullptr, 0, 0, kKey);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 4, 4, nullptr, 0, 0, 5, 5, 1, 1, 1, 1), 0);
    EXPECT_EQ(BlitSliced(target.get(), 0, 0, 4, 4, nullptr, 0, 0, 5, 5, 1, 1, 1, 1, kKey), 0);
    EXPECT_EQ(BlitSliced(nullptr, 0, 0, 5, 5, source.get(), 0, 0, 5, 5, 1, 1, 1, 1), 0);
    EXPECT_EQ(CountColour(target.get(), 0, 0, 4, 4, kRed), 15);
}

TEST(Words, SplitAndSignExtend) {
    EXPECT_EQ(LowWord(0xFFFF0005u), 5);
    EXPECT_EQ(HighWord(0xFFFF0005u), -1);
    const LPARAM packed = MAKELPARAM(-3, 250);
    EXPECT_EQ(LowWord(static_cast<std::uintptr_t>(packed)), -3);
    EXPECT_EQ(HighWord(static_cast<std::uintptr_t>(packed)), 250);
}

TEST(WindowQueries, BoundsTextAndBorders) {
    test::HostWindow host;
    const HWND edit = host.AddChild(L"EDIT", L"混凝土配合比", 0, 10, 20, 120, 30, WS_EX_CLIENTEDGE);
    bool ok = false;
    const WindowBounds bounds = GetWindowBounds(edit, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(bounds.Width, 120);
    EXPECT_EQ(bounds.Height, 30);
    EXPECT_EQ(bounds.Right - bounds.Left, bounds.Width);
    EXPECT_EQ(bounds.Bottom - bounds.Top, bounds.Height);
    EXPECT_EQ(GetWindowTextString(edit), L"混凝土配合比");

    int bx = 0;
    int by = 0;
    EXPECT_EQ(GetBorderSize(edit, bx, by), 1);
    EXPECT_EQ(bx, 2);
    EXPECT_EQ(by, 2);

    // A vertical scroll bar narrows the client area, not the border; the height is unchanged.
    const HWND scrolled =
        host.AddChild(L"EDIT", L"", WS_VSCROLL | ES_MULTILINE, 10, 60, 120, 60, WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetBorderSize(scrolled, bx, by), 1);
    EXPECT_EQ(bx, 2);
    EXPECT_EQ(by, 2);

    EXPECT_EQ(GetBorderSize(nullptr, bx, by), 1);
    EXPECT_EQ(bx, 0);
    GetWindowBounds(nullptr, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(GetWindowTextString(nullptr), L"");
}

TEST(DrawTextIn, DrawsUnicodeCaptionsWithTheContextsColour) {
    const MemoryDC image = FilledImage(120, 24, RGB(255, 255, 255));
    SetBkMode(image.get(), TRANSPARENT);
    SetTextColor(image.get(), kRed);
    const int height = DrawTextIn(image.get(), L"计算", 0, 0, 120, 24, CaptionFormat);
    EXPECT_GT(height, 0);
    // Drawn, and centred: nothing in the outer quarters.
    EXPECT_GT(120 * 24 - CountColour(image.get(), 0, 0, 120, 24, RGB(255, 255, 255)), 10);
    EXPECT_EQ(CountColour(image.get(), 0, 0, 30, 24, RGB(255, 255, 255)), 30 * 24);
    EXPECT_EQ(CountColour(image.get(), 90, 0, 30, 24, RGB(255, 255, 255)), 30 * 24);
    EXPECT_EQ(DrawTextIn(nullptr, L"x", 0, 0, 5, 5, CaptionFormat), 0);
}

} // namespace
} // namespace mixora::skin
