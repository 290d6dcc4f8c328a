#pragma once
// Places and colours on a sheet of paper, in tenths of a millimetre from the sheet's top left
// corner: the laid-out pages' own types, which each drawer turns into its own.
#include <cstdint>

namespace mixora::page {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0; // across
    int cy = 0; // down

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

} // namespace mixora::page
