#include "draw_test_support.h"
#include "primitives.h"

#include <gtest/gtest.h>

#include <set>

namespace mixora::skin {
namespace {

using test::CountColour;
using test::FilledImage;
using test::Pixels;

constexpr COLORREF kKey = RGB(255, 0, 255);

// A 9 × 9 cell of varied colours with a ring of key pixels, nine-sliced with the key colour:
// every working image of BlitSliced and BlitTransparent takes part.
std::vector<COLORREF> SlicedOverRed() {
    const MemoryDC source = CreateMemoryDC(9, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            SetPixel(source.get(), x, y, x == 1 || y == 7 ? kKey : RGB(x * 25, y * 25, 90));
    const MemoryDC target = FilledImage(40, 30, RGB(200, 30, 40));
    BlitSliced(target.get(), 3, 2, 33, 25, source.get(), 0, 0, 9, 9, 3, 3, 3, 3, kKey);
    return Pixels(target.get(), 0, 0, 40, 30);
}

TEST(WorkingImages, KeptImagesDrawWhatNewImagesDraw) {
    const std::vector<COLORREF> fresh = SlicedOverRed();
    const DisplayHold hold;
    EXPECT_EQ(SlicedOverRed(), fresh);
    // Kept images that were grown, painted and left with other colours and modes draw the same.
    {
        std::vector<WorkingImage> lent;
        for (int n = 0; n < 4; ++n) {
            lent.push_back(LendImage(120, 60));
            const HDC dc = lent.back().get();
            ASSERT_NE(dc, nullptr);
            PatBlt(dc, 0, 0, 120, 60, WHITENESS);
            SetTextColor(dc, RGB(0, 255, 0));
            SetBkColor(dc, RGB(0, 0, 255));
            SetStretchBltMode(dc, HALFTONE);
        }
    }
    EXPECT_EQ(SlicedOverRed(), fresh);
}

TEST(WorkingImages, LentOneAtATimeAndGivenBackClean) {
    const DisplayHold hold;
    HDC first = nullptr;
    {
        // More images at once than are kept: each drawing still has one of its own.
        std::vector<WorkingImage> lent;
        std::set<HDC> distinct;
        for (int n = 0; n < 6; ++n) {
            lent.push_back(LendImage(10, 10));
            ASSERT_TRUE(lent.back());
            distinct.insert(lent.back().get());
        }
        EXPECT_EQ(distinct.size(), 6u);
        first = lent.front().get();
        PatBlt(first, 0, 0, 10, 10, WHITENESS);
        SetTextColor(first, RGB(0, 255, 0));
    }
    const WorkingImage again = LendImage(8, 8);
    EXPECT_EQ(again.get(), first) << "a kept image is lent again";
    EXPECT_EQ(CountColour(again.get(), 0, 0, 8, 8, RGB(0, 0, 0)), 64);
    EXPECT_EQ(GetTextColor(again.get()), RGB(0, 0, 0));
}

} // namespace
} // namespace mixora::skin
