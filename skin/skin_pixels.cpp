#include "skin_pixels.h"

#include "colours.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace mixora::skin {

namespace {

// The letter at a column of one row of a pixel map.
constexpr char At(std::string_view row, int column) {
    return row[static_cast<std::size_t>(column)];
}

constexpr int Channel(COLORREF colour, int shift) {
    return (colour >> shift) & 0xFF;
}
// a + (b − a) × t, each channel rounded.
COLORREF Mix(COLORREF a, COLORREF b, double t) {
    auto channel = [&](int shift) {
        const double value = Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t;
        return static_cast<int>(std::lround(value));
    };
    return RGB(channel(0), channel(8), channel(16));
}
// Step i of n from top to bottom (both ends included).
COLORREF Gradient(COLORREF top, COLORREF bottom, int i, int n) {
    return Mix(top, bottom, n > 1 ? static_cast<double>(i) / (n - 1) : 0.0);
}

// ---- ButtonSkin: four 7 × 21 cells stacked, normal, hover, pressed, disabled. ------------
// The cell's shape, shared by all states: F frame; 1, 2, 3 the frame's rounded corners fading
// toward the background; i inner corner (frame over ring); R inner ring; f face.
constexpr std::string_view kButtonCell[21] = {
    "321F123",                                             // 0
    "2iRRRi2",                                             // 1
    "1RfffR1",                                             // 2
    "FRfffRF", "FRfffRF", "FRfffRF", "FRfffRF", "FRfffRF", // 3–7
    "FRfffRF", "FRfffRF", "FRfffRF", "FRfffRF", "FRfffRF", // 8–12
    "FRfffRF", "FRfffRF", "FRfffRF", "FRfffRF", "FRfffRF", // 13–17
    "1RfffR1",                                             // 18
    "2iRRRi2",                                             // 19
    "321F123",                                             // 20
};

struct ButtonLook {
    COLORREF frame;
    COLORREF corner[3];   // 1, 2, 3: nearest the frame first
    COLORREF face_top;    // row 2
    COLORREF face_bottom; // row 18
    COLORREF ring_tint;   // the ring is the face moved ring_amount of the way toward this
    double ring_amount;
};

constexpr COLORREF kButtonFrame = RGB(27, 143, 213);
constexpr COLORREF kButtonCorners[3] = {RGB(0x2C, 0x97, 0xD8), RGB(0x6B, 0xB3, 0xE3),
                                        RGB(0xBF, 0xE1, 0xF9)};
constexpr ButtonLook kButtonLooks[4] = {
    // Normal: white-blue glass, a light inner edge.
    {kButtonFrame,
     {kButtonCorners[0], kButtonCorners[1], kButtonCorners[2]},
     RGB(241, 248, 252),
     RGB(177, 208, 234),
     RGB(255, 255, 255),
     0.5},
    // Hover: a pale face inside a bright cyan ring.
    {kButtonFrame,
     {kButtonCorners[0], kButtonCorners[1], kButtonCorners[2]},
     RGB(247, 252, 255),
     RGB(206, 234, 251),
     RGB(76, 195, 251),
     1.0},
    // Pressed: darker at the top, a soft inner shadow.
    {kButtonFrame,
     {kButtonCorners[0], kButtonCorners[1], kButtonCorners[2]},
     RGB(159, 212, 243),
     RGB(195, 234, 253),
     RGB(84, 160, 214),
     0.2},
    // Disabled: near white inside a pale frame.
    {RGB(135, 195, 232),
     {RGB(146, 201, 235), RGB(186, 222, 243), RGB(222, 239, 249)},
     RGB(242, 247, 251),
     RGB(210, 227, 243),
     RGB(255, 255, 255),
     0.0},
};

COLORREF ButtonPixel(int x, int y) {
    const ButtonLook& look = kButtonLooks[y / 21];
    const int row = y % 21;
    // The face gradient runs over rows 2–18; the ring rows 1 and 19 take the nearest face row.
    const COLORREF face = Gradient(look.face_top, look.face_bottom, std::clamp(row, 2, 18) - 2, 17);
    const COLORREF ring = Mix(face, look.ring_tint, look.ring_amount);
    switch (At(kButtonCell[row], x)) {
    case 'F': return look.frame;
    case '1': return look.corner[0];
    case '2': return look.corner[1];
    case '3': return look.corner[2];
    case 'i': return Mix(look.frame, ring, 0.5);
    case 'R': return ring;
    default: return face;
    }
}

// ---- ComboButtonSkin: hover and dropped drop-button cells, two arrows. -------------------
constexpr COLORREF kComboBorder = RGB(78, 160, 209);
constexpr COLORREF kComboFaceTop = RGB(230, 246, 254);
constexpr COLORREF kComboFaceBottom = RGB(160, 212, 243);
constexpr COLORREF kArrowColours[2] = {RGB(25, 85, 95), RGB(132, 165, 172)};
constexpr std::string_view kArrow[4] = {"#######", ".#####.", "..###..", "...#..."};

// The hover cell: light at the top; its first face column a little lighter still.
COLORREF ComboHoverPixel(int x, int y) {
    if (x == 0) return kComboBorder;
    const COLORREF face = Gradient(kComboFaceTop, kComboFaceBottom, y, 18);
    return x == 1 ? Mix(face, RGB(255, 255, 255), 0.35) : face;
}

COLORREF ComboButtonPixel(int x, int y) {
    if (x < 4) return ComboHoverPixel(x, y);
    if (x < 8) return ComboHoverPixel(x - 4, 17 - y); // the dropped cell mirrors it
    if (y < 8 && At(kArrow[y % 4], x - 8) == '#') return kArrowColours[y / 4];
    return kKeyColour;
}

// ---- CheckGlyphs: check mark, indeterminate square, option dot; enabled and disabled. ----
struct Glyph {
    int x, y;
    const std::string_view* rows;
    int width, height;
    COLORREF top, bottom; // one colour per row, darkening downward
};

constexpr std::string_view kCheckMark[8] = {"........#", ".......##", "......###", "##...###.",
                                            "###.###..", ".#####...", "..###....", "...#....."};
constexpr std::string_view kSquare[7] = {"#######", "#######", "#######", "#######",
                                         "#######", "#######", "#######"};
constexpr std::string_view kDot[5] = {".###.", "#####", "#####", "#####", ".###."};

constexpr COLORREF kGreenTop = RGB(112, 194, 58);
constexpr COLORREF kGreen = RGB(57, 150, 6); // the darkest
constexpr COLORREF kPaleTop = RGB(186, 226, 166);
constexpr COLORREF kPale = RGB(146, 197, 118);

constexpr Glyph kGlyphs[6] = {
    {0, 0, kCheckMark, 9, 8, kGreenTop, kGreen},    {9, 0, kCheckMark, 9, 8, kPaleTop, kPale},
    {1, 9, kSquare, 7, 7, kGreenTop, kGreen},       {10, 9, kSquare, 7, 7, kPaleTop, kPale},
    {2, 18, kDot, 5, 5, RGB(124, 202, 74), kGreen}, {11, 18, kDot, 5, 5, kPaleTop, kPale},
};

COLORREF CheckGlyphPixel(int x, int y) {
    for (const Glyph& glyph : kGlyphs) {
        const int gx = x - glyph.x;
        const int gy = y - glyph.y;
        if (gx < 0 || gy < 0 || gx >= glyph.width || gy >= glyph.height) continue;
        if (At(glyph.rows[gy], gx) == '#')
            return Gradient(glyph.top, glyph.bottom, gy, glyph.height);
    }
    return kKeyColour;
}

// ---- OptionSkin: four 13 × 13 circles stacked, normal, hover, pressed, disabled. ---------
// The circle, shared by all states. '.' transparent; A–E the ring where it meets the outside,
// A the darkest and E between C and D; a–e the ring's inner edge fading into the face; f the
// face; g and h its outer parts, where the face may take a haze of the ring colour.
constexpr std::string_view kCircle[13] = {
    "...DCBABCD...", "..EacdedcaE..", ".EbehggghebE.", "DaehfffffheaD", "CchfffffffhcC",
    "BdgfffffffgdB", "AegfffffffgeA", "BdgfffffffgdB", "CchfffffffhcC", "DaehfffffheaD",
    ".EbehggghebE.", "..EacdedcaE..", "...DCBABCD...",
};
// How far each inner-edge letter a–e is from the ring colour toward the face.
constexpr double kInnerEdge[5] = {0.1, 0.2, 0.5, 0.8, 0.88};

struct OptionLook {
    COLORREF ring[4];     // A, B, C, D: the ring's top row, centre outward
    COLORREF face_top;    // row 1
    COLORREF face_bottom; // row 11
    double haze_g;        // how far g and h pixels move from the face toward ring colour A
    double haze_h;
};

constexpr OptionLook kOptionLooks[4] = {
    // Normal: white.
    {{RGB(0x83, 0xA6, 0xD2), RGB(0x86, 0xA8, 0xD3), RGB(0x95, 0xB3, 0xD9), RGB(0xBC, 0xCF, 0xE7)},
     RGB(255, 255, 255),
     RGB(255, 255, 255),
     0.0,
     0.06},
    // Hover: light blue, lighter at the top.
    {{RGB(0x83, 0xA6, 0xD2), RGB(0x86, 0xA8, 0xD3), RGB(0x95, 0xB3, 0xD9), RGB(0xBC, 0xCF, 0xE7)},
     RGB(216, 243, 253),
     RGB(176, 225, 244),
     0.04,
     0.08},
    // Pressed: a stronger blue inside a darker ring.
    {{RGB(0x64, 0x89, 0xC1), RGB(0x67, 0x8B, 0xC2), RGB(0x76, 0x99, 0xCA), RGB(0xA4, 0xBC, 0xDD)},
     RGB(140, 203, 240),
     RGB(108, 180, 229),
     0.05,
     0.1},
    // Disabled: white with a pale ring and a pale haze inside it.
    {{RGB(0xC1, 0xD2, 0xE8), RGB(0xC2, 0xD3, 0xE9), RGB(0xCA, 0xD9, 0xEC), RGB(0xDD, 0xE7, 0xF3)},
     RGB(255, 255, 255),
     RGB(255, 255, 255),
     0.15,
     0.3},
};

COLORREF OptionPixel(int x, int y) {
    const OptionLook& look = kOptionLooks[y / 13];
    const int row = y % 13;
    const COLORREF face = Gradient(look.face_top, look.face_bottom, row - 1, 11);
    const char role = At(kCircle[row], x);
    switch (role) {
    case '.': return kKeyColour;
    case 'A':
    case 'B':
    case 'C':
    case 'D': return look.ring[role - 'A'];
    case 'E': return Mix(look.ring[2], look.ring[3], 1.0 / 3);
    case 'f': return face;
    case 'g': return Mix(face, look.ring[0], look.haze_g);
    case 'h': return Mix(face, look.ring[0], look.haze_h);
    default: return Mix(look.ring[0], face, kInnerEdge[role - 'a']);
    }
}

// ---- HeaderSkin: three 3 × 20 cells side by side, normal, hover, pressed. ----------------
constexpr COLORREF kHeaderLine = RGB(192, 218, 242);
constexpr COLORREF kHeaderBlueEdge = RGB(94, 194, 250);

COLORREF HeaderCentre(int cell, int row) {
    switch (cell) {
    case 0: // near white, settling from row 9 down
        return row >= 9 ? RGB(0xD3, 0xE5, 0xF6)
                        : Gradient(RGB(0xEA, 0xF5, 0xFE), RGB(0xD3, 0xE5, 0xF6), row, 10);
    case 1: return Gradient(RGB(0xD3, 0xEE, 0xFE), RGB(0xA8, 0xDD, 0xFC), row, 19);
    default: return Gradient(RGB(0x97, 0xD7, 0xFB), RGB(0xC8, 0xF2, 0xFF), row, 19);
    }
}

COLORREF HeaderPixel(int x, int y) {
    if (y == 19) return kHeaderLine;
    const int cell = x / 3;
    const COLORREF centre = HeaderCentre(cell, y);
    switch (x % 3) {
    case 1: return centre;
    case 0: // left edge: a light line on the normal cell, bright blue on the others
        if (cell == 0) return Mix(centre, RGB(255, 255, 255), 0.6);
        return y == 0 || y == 18 ? Mix(kHeaderBlueEdge, centre, 0.4) : kHeaderBlueEdge;
    default: // right edge: the item separator, or a darker blue edge
        if (cell == 0) return Mix(centre, RGB(150, 180, 212), 0.4);
        return Mix(RGB(40, 140, 210), centre, y / 40.0);
    }
}

} // namespace

SkinSize SkinBitmapSize(SkinBitmap bitmap) noexcept {
    switch (bitmap) {
    case SkinBitmap::Button: return {7, 84};
    case SkinBitmap::ComboButton: return {15, 18};
    case SkinBitmap::CheckGlyphs: return {18, 24};
    case SkinBitmap::Option: return {13, 52};
    case SkinBitmap::Header: return {9, 20};
    }
    return {0, 0};
}

COLORREF SkinPixel(SkinBitmap bitmap, int x, int y) noexcept {
    const SkinSize size = SkinBitmapSize(bitmap);
    if (x < 0 || y < 0 || x >= size.width || y >= size.height) return kKeyColour;
    switch (bitmap) {
    case SkinBitmap::Button: return ButtonPixel(x, y);
    case SkinBitmap::ComboButton: return ComboButtonPixel(x, y);
    case SkinBitmap::CheckGlyphs: return CheckGlyphPixel(x, y);
    case SkinBitmap::Option: return OptionPixel(x, y);
    case SkinBitmap::Header: return HeaderPixel(x, y);
    }
    return kKeyColour;
}

} // namespace mixora::skin
