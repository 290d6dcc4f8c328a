#pragma once
// The graphics operations every skinned control is painted with. Rectangles are x, y, width,
// height; colours are COLORREFs. A null context or window makes an operation draw nothing.
#include "memory_dc.h"
#include "working_image.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::skin {

// Every caption: centred both ways on one line, cut with an ellipsis (0x8025).
inline constexpr UINT CaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// A window's rectangle in screen coordinates (non-client area included) and its size.
struct WindowBounds {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width = 0;
    int Height = 0;
};

// Rounds to the nearest integer, ties to the even one (5.5 → 6, 4.5 → 4).
int RoundHalfEven(double value) noexcept;
// (outer − inner) / 2 by that rounding: the offset that centres inner in outer.
int CentreOffset(int outer, int inner) noexcept;

// A display-compatible memory context with a width × height bitmap selected; empty on failure.
MemoryDC CreateMemoryDC(int width, int height);

// A working image for one drawing (see WorkingImage): one of the held display's kept images
// when one is free, else one of its own made as CreateMemoryDC makes it.
WorkingImage LendImage(int width, int height);

// A width × height bitmap compatible with the display, and so with every window's context
// (made like the held display's bitmap when there is one, see DisplayHold).
base::unique_hbitmap CreateDisplayBitmap(int width, int height);

// While one is alive, every image is made from it: the display context, and a memory
// context holding a 1 × 1 display-compatible bitmap that new bitmaps are made like. Without
// one, every image opens and closes a display context of its own. Under Wine, opening one,
// and making a bitmap compatible with the display itself (which asks the driver for its
// depth), each take three round trips to the server; a bitmap made like a display-compatible
// one is the same bitmap without asking. It also keeps the working images that LendImage lends.
// The skin holds one while it is installed.
class DisplayHold {
  public:
    DisplayHold();
    ~DisplayHold();
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

    HDC display() const noexcept { return display_.get(); }
    HDC like_display() const noexcept { return like_display_.get(); }
    ImagePool& images() noexcept { return images_; }

  private:
    // The kept images go first, then what they were made from.
    base::unique_hdc display_;
    MemoryDC like_display_;
    ImagePool images_;
};

// Nine-slice copy of the source cell onto the destination rectangle: corners unscaled, sides
// stretched along their length only, the centre both ways. left/top/right/bottom are the fixed
// strip widths. With a key colour, source pixels of that colour are left out. Returns 0 when a
// size is zero or a context is missing (nothing drawn), else the copy's result without a key
// colour and 1 with one.
int BlitSliced(HDC destination, int x, int y, int width, int height, HDC source, int source_x,
               int source_y, int source_width, int source_height, int left, int top, int right,
               int bottom, std::optional<COLORREF> key_colour = std::nullopt);

// Copies a width × height block, leaving out source pixels of the key colour (which may name a
// system colour). Without a palette the halftone palette is made and freed here. A missing
// context draws nothing.
void BlitTransparent(HDC destination, int x, int y, int width, int height, HDC source, int source_x,
                     int source_y, COLORREF key_colour, HPALETTE palette = nullptr);

int FillSolid(HDC dc, int x, int y, int width, int height, COLORREF colour);
// One-pixel frame just inside the rectangle.
int FrameSolid(HDC dc, int x, int y, int width, int height, COLORREF colour);
// Draws the text with the context's font, text colour and background mode; returns the height.
int DrawTextIn(HDC dc, std::wstring_view text, int x, int y, int width, int height, UINT format);
// The dotted focus rectangle, drawn by exclusive-or: drawing it twice removes it.
int DrawFocusBox(HDC dc, int x, int y, int width, int height);

// Zero bounds (and *succeeded false) when the window has no rectangle.
WindowBounds GetWindowBounds(HWND window, bool* succeeded = nullptr);
std::wstring GetWindowTextString(HWND window);
// Thickness of one side of the window's non-client frame, scroll bars left out. Returns 1.
int GetBorderSize(HWND window, int& border_width, int& border_height);

// Bits 0–15 and 16–31 of a message parameter, sign-extended (packed mouse coordinates).
constexpr std::int16_t LowWord(std::uintptr_t value) noexcept {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFFu));
}
constexpr std::int16_t HighWord(std::uintptr_t value) noexcept {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> 16) & 0xFFFFu));
}

} // namespace mixora::skin
