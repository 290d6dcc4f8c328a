#pragma once
// The skin's named colours (COLORREF layout: red in the low byte).
#include <windows.h>

namespace mixora::skin {

inline constexpr COLORREF kKeyColour = RGB(255, 0, 255); // transparent pixels of the skin bitmaps
inline constexpr COLORREF BorderColour = RGB(84, 165, 213);
inline constexpr COLORREF DisabledBorderColour = RGB(164, 207, 233);
inline constexpr COLORREF PressedBoxColour = RGB(57, 134, 196);
inline constexpr COLORREF DisabledTextColour = RGB(121, 138, 150);
inline constexpr COLORREF BarColour = RGB(76, 214, 246);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// The frame colour of a control: the border colour while enabled, the pale one when disabled.
inline COLORREF BorderColourFor(HWND window) {
    return IsWindowEnabled(window) ? BorderColour : DisabledBorderColour;
}

} // namespace mixora::skin
