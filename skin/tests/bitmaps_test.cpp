#include "bitmaps.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace mixora::skin {
namespace {

using test::CountColour;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Hex(unsigned rgb) {
    return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

SIZE BitmapSize(HDC dc) {
    BITMAP info{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

// The key pixels of a bitmap as a picture: '.' key, '#' anything else.
std::string KeyMap(HDC dc, int x, int y, int width, int height) {
    std::string map;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            map += GetPixel(dc, column, row) == kKey ? '.' : '#';
        map += '\n';
    }
    return map;
}

int Brightness(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

using SkinBitmapsTest = test::WithSkinBitmaps;

TEST_F(SkinBitmapsTest, HaveTheirSizes) {
    const struct {
        HDC dc;
        SIZE size;
    } expected[] = {{ButtonSkin(), {7, 84}},
                    {ComboButtonSkin(), {15, 18}},
                    {CheckGlyphs(), {18, 24}},
                    {OptionSkin(), {13, 52}},
                    {HeaderSkin(), {9, 20}}};
    for (const auto& bitmap : expected) {
        ASSERT_NE(bitmap.dc, nullptr);
        const SIZE size = BitmapSize(bitmap.dc);
        EXPECT_EQ(size.cx, bitmap.size.cx);
        EXPECT_EQ(size.cy, bitmap.size.cy);
    }
}

TEST_F(SkinBitmapsTest, ButtonSkinIsOpaqueWithRoundedFrames) {
    const HDC dc = ButtonSkin();
    EXPECT_EQ(CountColour(dc, 0, 0, 7, 84, kKey), 0);
    EXPECT_EQ(CountColour(dc, 0, 0, 7, 63, RGB(27, 143, 213)), 96);
    EXPECT_EQ(CountColour(dc, 0, 63, 7, 21, RGB(27, 143, 213)), 0);
    EXPECT_EQ(CountColour(dc, 0, 63, 7, 21, RGB(135, 195, 232)), 32);
    EXPECT_EQ(CountColour(dc, 0, 0, 7, 63, RGB(135, 195, 232)), 0);
    for (int cell = 0; cell < 4; ++cell) {
        const COLORREF frame = cell == 3 ? RGB(135, 195, 232) : RGB(27, 143, 213);
        const int top = 21 * cell;
        EXPECT_EQ(GetPixel(dc, 3, top), frame);
        EXPECT_EQ(GetPixel(dc, 3, top + 20), frame);
        for (int row = 3; row <= 17; ++row) {
            EXPECT_EQ(GetPixel(dc, 0, top + row), frame);
            EXPECT_EQ(GetPixel(dc, 6, top + row), frame);
        }
        // Symmetric about column 3.
        for (int row = 0; row < 21; ++row)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(GetPixel(dc, x, top + row), GetPixel(dc, 6 - x, top + row));
    }
    const unsigned row0[] = {0xBFE1F9, 0x6BB3E3, 0x2C97D8, 0x1B8FD5, 0x2C97D8, 0x6BB3E3, 0xBFE1F9};
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(GetPixel(dc, x, 0), Hex(row0[x]));

    // Faces: normal and disabled darken downward, pressed lightens; hover has a cyan ring.
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(241, 248, 252));
    EXPECT_EQ(GetPixel(dc, 3, 18), RGB(177, 208, 234));
    EXPECT_EQ(GetPixel(dc, 3, 42 + 2), RGB(159, 212, 243));
    EXPECT_EQ(GetPixel(dc, 3, 42 + 18), RGB(195, 234, 253));
    EXPECT_EQ(GetPixel(dc, 3, 63 + 2), RGB(242, 247, 251));
    EXPECT_EQ(GetPixel(dc, 3, 63 + 18), RGB(210, 227, 243));
    for (int row = 2; row < 18; ++row) {
        EXPECT_GT(Brightness(GetPixel(dc, 3, row)), Brightness(GetPixel(dc, 3, row + 1)));
        EXPECT_GT(Brightness(GetPixel(dc, 3, 21 + row)), Brightness(GetPixel(dc, 3, 22 + row)));
        EXPECT_LT(Brightness(GetPixel(dc, 3, 42 + row)), Brightness(GetPixel(dc, 3, 43 + row)));
        EXPECT_GT(Brightness(GetPixel(dc, 3, 63 + row)), Brightness(GetPixel(dc, 3, 64 + row)));
    }
    EXPECT_GE(CountColour(dc, 1, 21, 1, 21, RGB(76, 195, 251)), 15);
    EXPECT_GE(CountColour(dc, 5, 21, 1, 21, RGB(76, 195, 251)), 15);
}

TEST_F(SkinBitmapsTest, ComboButtonSkinHasBordersMirroredCellsAndArrows) {
    const HDC dc = ComboButtonSkin();
    EXPECT_EQ(CountColour(dc, 0, 0, 15, 18, kKey), 94);
    EXPECT_EQ(CountColour(dc, 0, 0, 15, 18, RGB(78, 160, 209)), 36);
    EXPECT_EQ(CountColour(dc, 0, 0, 1, 18, RGB(78, 160, 209)), 18);
    EXPECT_EQ(CountColour(dc, 4, 0, 1, 18, RGB(78, 160, 209)), 18);
    EXPECT_EQ(CountColour(dc, 0, 0, 8, 18, kKey), 0);
    for (int x = 1; x < 4; ++x) {
        EXPECT_GT(Brightness(GetPixel(dc, x, 0)), Brightness(GetPixel(dc, x, 17))); // hover
        for (int y = 0; y < 18; ++y)
            EXPECT_EQ(GetPixel(dc, 4 + x, y), GetPixel(dc, x, 17 - y));
    }
    const std::string arrow = "#######\n.#####.\n..###..\n...#...\n";
    EXPECT_EQ(KeyMap(dc, 8, 0, 7, 8), arrow + arrow);
    EXPECT_EQ(CountColour(dc, 8, 0, 7, 4, RGB(25, 85, 95)), 16);
    EXPECT_EQ(CountColour(dc, 8, 4, 7, 4, RGB(132, 165, 172)), 16);
    EXPECT_EQ(CountColour(dc, 8, 8, 7, 10, kKey), 70);
}

TEST_F(SkinBitmapsTest, CheckGlyphsHaveTheirShapes) {
    const HDC dc = CheckGlyphs();
    EXPECT_EQ(CountColour(dc, 0, 0, 18, 24, kKey), 240);
    const std::string check = "........#\n.......##\n......###\n##...###.\n"
                              "###.###..\n.#####...\n..###....\n...#.....\n";
    const std::string square = "#######\n#######\n#######\n#######\n#######\n#######\n#######\n";
    const std::string dot = ".###.\n#####\n#####\n#####\n.###.\n";
    EXPECT_EQ(KeyMap(dc, 0, 0, 9, 8), check);
    EXPECT_EQ(KeyMap(dc, 9, 0, 9, 8), check);
    EXPECT_EQ(KeyMap(dc, 1, 9, 7, 7), square);
    EXPECT_EQ(KeyMap(dc, 10, 9, 7, 7), square);
    EXPECT_EQ(KeyMap(dc, 2, 18, 5, 5), dot);
    EXPECT_EQ(KeyMap(dc, 11, 18, 5, 5), dot);

    // Enabled glyphs are greens, darkest RGB(57,150,6); disabled ones paler greens.
    EXPECT_GT(CountColour(dc, 0, 0, 9, 24, RGB(57, 150, 6)), 0);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 18; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c == kKey) continue;
            EXPECT_GT(GetGValue(c), GetRValue(c));
            EXPECT_GT(GetGValue(c), GetBValue(c));
            if (x < 9) {
                EXPECT_GE(Brightness(c), Brightness(RGB(57, 150, 6)));
            } else {
                EXPECT_GT(Brightness(c), Brightness(RGB(130, 180, 100)));
            }
        }
    // The square: one colour per row, darkening downward.
    for (int row = 0; row < 7; ++row) {
        const COLORREF c = GetPixel(dc, 1, 9 + row);
        EXPECT_EQ(CountColour(dc, 1, 9 + row, 7, 1, c), 7);
        if (row > 0) {
            EXPECT_LT(Brightness(c), Brightness(GetPixel(dc, 1, 8 + row)));
        }
    }
}

TEST_F(SkinBitmapsTest, OptionSkinIsFourCirclesWithTheirRings) {
    const HDC dc = OptionSkin();
    EXPECT_EQ(CountColour(dc, 0, 0, 13, 52, kKey), 96);
    EXPECT_EQ(CountColour(dc, 0, 0, 13, 52, kWhite), 102);
    const std::string circle = "...#######...\n"
                               "..#########..\n"
                               ".###########.\n"
                               "#############\n#############\n#############\n#############\n"
                               "#############\n#############\n#############\n"
                               ".###########.\n"
                               "..#########..\n"
                               "...#######...\n";
    for (int cell = 0; cell < 4; ++cell)
        EXPECT_EQ(KeyMap(dc, 0, 13 * cell, 13, 13), circle);

    const unsigned ring_top[][4] = {{0xBCCFE7, 0x95B3D9, 0x86A8D3, 0x83A6D2},
                                    {0xBCCFE7, 0x95B3D9, 0x86A8D3, 0x83A6D2},
                                    {0xA4BCDD, 0x7699CA, 0x678BC2, 0x6489C1},
                                    {0xDDE7F3, 0xCAD9EC, 0xC2D3E9, 0xC1D2E8}};
    for (int cell = 0; cell < 4; ++cell)
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(GetPixel(dc, 3 + i, 13 * cell), Hex(ring_top[cell][i]));
            EXPECT_EQ(GetPixel(dc, 9 - i, 13 * cell), Hex(ring_top[cell][i]));
        }
    // Faces: normal white, hover light blue, pressed a stronger blue, disabled white.
    EXPECT_EQ(GetPixel(dc, 6, 6), kWhite);
    EXPECT_EQ(GetPixel(dc, 6, 39 + 6), kWhite);
    const COLORREF hover = GetPixel(dc, 6, 13 + 6);
    const COLORREF pressed = GetPixel(dc, 6, 26 + 6);
    EXPECT_NEAR(GetRValue(hover), 195, 20);
    EXPECT_NEAR(GetGValue(hover), 234, 20);
    EXPECT_NEAR(GetBValue(hover), 248, 20);
    EXPECT_LT(Brightness(pressed), Brightness(hover));
    EXPECT_GT(GetBValue(pressed), GetRValue(pressed));
    // The check-box bands lie inside the hover and pressed cells: opaque.
    EXPECT_EQ(CountColour(dc, 1, 17, 11, 5, kKey), 0);
    EXPECT_EQ(CountColour(dc, 1, 30, 11, 5, kKey), 0);
}

TEST_F(SkinBitmapsTest, HeaderSkinHasItsCellsAndLine) {
    const HDC dc = HeaderSkin();
    EXPECT_EQ(CountColour(dc, 0, 0, 9, 20, kKey), 0);
    EXPECT_EQ(CountColour(dc, 0, 19, 9, 1, RGB(192, 218, 242)), 9);
    EXPECT_EQ(CountColour(dc, 0, 0, 9, 20, RGB(192, 218, 242)), 9);
    EXPECT_EQ(GetPixel(dc, 1, 0), Hex(0xEAF5FE));
    for (int row = 9; row <= 18; ++row)
        EXPECT_EQ(GetPixel(dc, 1, row), Hex(0xD3E5F6));
    EXPECT_EQ(GetPixel(dc, 4, 0), Hex(0xD3EEFE));
    EXPECT_EQ(GetPixel(dc, 4, 18), Hex(0xA8DDFC));
    EXPECT_EQ(GetPixel(dc, 7, 0), Hex(0x97D7FB));
    EXPECT_EQ(GetPixel(dc, 7, 18), Hex(0xC8F2FF));
    for (int row = 0; row < 18; ++row) {
        EXPECT_GE(Brightness(GetPixel(dc, 1, row)), Brightness(GetPixel(dc, 1, row + 1)));
        EXPECT_GT(Brightness(GetPixel(dc, 4, row)), Brightness(GetPixel(dc, 4, row + 1)));
        EXPECT_LT(Brightness(GetPixel(dc, 7, row)), Brightness(GetPixel(dc, 7, row + 1)));
        // The normal cell's right column is the darker separator.
        EXPECT_LT(Brightness(GetPixel(dc, 2, row)), Brightness(GetPixel(dc, 1, row)));
    }
    EXPECT_GE(CountColour(dc, 3, 0, 1, 19, RGB(94, 194, 250)), 15);
    EXPECT_GE(CountColour(dc, 6, 0, 1, 19, RGB(94, 194, 250)), 15);
}

TEST(SkinBitmapsLifetime, FreedInOrderAndBuiltAgain) {
    test::GdiRecorder recorder;
    BuildSkinBitmaps();
    const HDC contexts[] = {ButtonSkin(), ComboButtonSkin(), CheckGlyphs(), OptionSkin(),
                            HeaderSkin()};
    std::set<HGDIOBJ> owned;
    for (HDC dc : contexts) {
        ASSERT_NE(dc, nullptr);
        owned.insert(dc);
        owned.insert(GetCurrentObject(dc, OBJ_BITMAP));
    }
    // Nothing but the five contexts and their bitmaps outlives the build.
    for (HGDIOBJ alive : recorder.Alive())
        EXPECT_TRUE(owned.count(alive)) << alive;
    EXPECT_EQ(recorder.Alive().size(), 10u);

    FreeSkinBitmaps();
    EXPECT_TRUE(recorder.Alive().empty());
    EXPECT_EQ(ButtonSkin(), nullptr);
    EXPECT_EQ(HeaderSkin(), nullptr);
    FreeSkinBitmaps(); // a second release finds nothing to free

    BuildSkinBitmaps();
    EXPECT_EQ(GetPixel(ButtonSkin(), 3, 0), RGB(27, 143, 213));
    BuildSkinBitmaps(); // building again replaces the set without leaking the first
    EXPECT_EQ(recorder.Alive().size(), 10u);
    FreeSkinBitmaps();
    EXPECT_TRUE(recorder.Alive().empty());
}

} // namespace
} // namespace mixora::skin
