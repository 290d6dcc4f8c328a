#include "primitives.h"

#include "handles.h"
#include "scoped_select.h"

#include <olectl.h>

#include <cmath>
#include <limits>
#include <vector>

namespace mixora::skin {

namespace {

RECT MakeRect(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

DisplayHold*& CurrentHold() {
    static DisplayHold* hold = nullptr;
    return hold;
}

// What one image is made from: the held display when there is one, else a display context
// opened for this use only (bitmaps then made compatible with it directly).
class DisplayDC {
  public:
    DisplayDC()
        : owned_(CurrentHold() ? nullptr : CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)),
          dc_(CurrentHold() ? CurrentHold()->display() : owned_.get()),
          like_(CurrentHold() ? CurrentHold()->like_display() : owned_.get()) {}
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    HBITMAP CreateBitmap(int width, int height) const {
        return CreateCompatibleBitmap(like_, width, height);
    }

  private:
    base::unique_hdc owned_;
    HDC dc_;
    HDC like_;
};

// One working image of BlitTransparent, with the palette selected and realised. The selection
// is undone before the image is given back (members are destroyed in reverse order).
struct WorkImage {
    WorkImage(HPALETTE palette, int width, int height)
        : image(LendImage(width, height)), select_palette(image.get(), palette) {}
    HDC dc() const noexcept { return image.get(); }
    WorkingImage image;
    base::scoped_palette select_palette;
};

// A memory context holding a 1 × 1 bitmap compatible with the display.
MemoryDC LikeDisplay(HDC display) {
    base::unique_hdc dc{display ? CreateCompatibleDC(display) : nullptr};
    base::unique_hbitmap bitmap{display ? CreateCompatibleBitmap(display, 1, 1) : nullptr};
    if (dc && bitmap) SelectObject(dc.get(), bitmap.get());
    return MemoryDC{std::move(dc), std::move(bitmap)};
}

} // namespace

DisplayHold::DisplayHold()
    : display_(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)),
      like_display_(LikeDisplay(display_.get())), images_(display_.get(), like_display_.get()) {
    if (!CurrentHold() && display_ && like_display_.bitmap()) CurrentHold() = this;
}

DisplayHold::~DisplayHold() {
    if (CurrentHold() == this) CurrentHold() = nullptr;
}

WorkingImage LendImage(int width, int height) {
    if (DisplayHold* hold = CurrentHold()) {
        WorkingImage kept = hold->images().Lend(width, height);
        if (kept) return kept;
    }
    return WorkingImage(CreateMemoryDC(width, height));
}

base::unique_hbitmap CreateDisplayBitmap(int width, int height) {
    const DisplayDC display;
    return base::unique_hbitmap{display.CreateBitmap(width, height)};
}

int RoundHalfEven(double value) noexcept {
    if (!std::isfinite(value)) return 0;
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (value >= kMax) return std::numeric_limits<int>::max();
    if (value <= kMin) return std::numeric_limits<int>::min();
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5) {
        result = floor + 1;
    } else if (fraction == 0.5) {
        result = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    }
    return static_cast<int>(result);
}

int CentreOffset(int outer, int inner) noexcept {
    return RoundHalfEven((static_cast<double>(outer) - inner) / 2.0);
}

MemoryDC CreateMemoryDC(int width, int height) {
    const DisplayDC display;
    if (!display) return {};
    base::unique_hdc dc{CreateCompatibleDC(display.get())};
    if (!dc) return {};
    base::unique_hbitmap bitmap{display.CreateBitmap(width, height)};
    if (!bitmap) return {};
    // The placeholder the selection hands back is the stock 1 × 1 bitmap, which needs no
    // deleting; the new bitmap stays selected for the context's life and is freed with it.
    SelectObject(dc.get(), bitmap.get());
    return MemoryDC{std::move(dc), std::move(bitmap)};
}

int BlitSliced(HDC destination, int x, int y, int width, int height, HDC source, int source_x,
               int source_y, int source_width, int source_height, int left, int top, int right,
               int bottom, std::optional<COLORREF> key_colour) {
    if (width == 0 || height == 0 || source_width == 0 || source_height == 0) return 0;
    // Copies from a missing context draw nothing (rather than an empty working image).
    if (!destination || !source) return 0;
    const WorkingImage work = LendImage(width, height);
    const HDC w = work.get();

    if (left <= 0 && top <= 0 && right <= 0 && bottom <= 0) {
        StretchBlt(w, 0, 0, width, height, source, source_x, source_y, source_width, source_height,
                   SRCCOPY);
    } else {
        const int source_right = source_x + source_width - right;
        const int source_bottom = source_y + source_height - bottom;
        const int middle_width = width - left - right;
        const int middle_height = height - top - bottom;
        const int source_middle_width = source_width - left - right;
        const int source_middle_height = source_height - top - bottom;

        // Corners, unscaled.
        if (left > 0 && top > 0) BitBlt(w, 0, 0, left, top, source, source_x, source_y, SRCCOPY);
        if (right > 0 && top > 0)
            BitBlt(w, width - right, 0, right, top, source, source_right, source_y, SRCCOPY);
        if (left > 0 && bottom > 0)
            BitBlt(w, 0, height - bottom, left, bottom, source, source_x, source_bottom, SRCCOPY);
        if (right > 0 && bottom > 0)
            BitBlt(w, width - right, height - bottom, right, bottom, source, source_right,
                   source_bottom, SRCCOPY);

        // Sides, each stretched along its length only, then the centre both ways.
        if (left > 0)
            StretchBlt(w, 0, top, left, middle_height, source, source_x, source_y + top, left,
                       source_middle_height, SRCCOPY);
        if (right > 0)
            StretchBlt(w, width - right, top, right, middle_height, source, source_right,
                       source_y + top, right, source_middle_height, SRCCOPY);
        if (top > 0)
            StretchBlt(w, left, 0, middle_width, top, source, source_x + left, source_y,
                       source_middle_width, top, SRCCOPY);
        if (bottom > 0)
            StretchBlt(w, left, height - bottom, middle_width, bottom, source, source_x + left,
                       source_bottom, source_middle_width, bottom, SRCCOPY);
        StretchBlt(w, left, top, middle_width, middle_height, source, source_x + left,
                   source_y + top, source_middle_width, source_middle_height, SRCCOPY);
    }

    if (!key_colour) return BitBlt(destination, x, y, width, height, w, 0, 0, SRCCOPY);
    BlitTransparent(destination, x, y, width, height, w, 0, 0, *key_colour);
    return 1;
}

void BlitTransparent(HDC destination, int x, int y, int width, int height, HDC source, int source_x,
                     int source_y, COLORREF key_colour, HPALETTE palette) {
    // Copies from a missing context draw nothing (rather than an empty working image).
    if (!destination || !source) return;
    // Release order: the three images (selections undone, then given back or deleted), then the
    // display context, then the halftone palette made here, once nothing has it selected.
    base::unique_hpalette halftone;
    const DisplayDC display;
    if (!palette) {
        halftone.reset(CreateHalftonePalette(display.get()));
        palette = halftone.get();
    }

    COLORREF key = key_colour;
    if (FAILED(OleTranslateColor(key_colour, palette, &key))) key = key_colour;
    key &= 0x00FFFFFF;

    const WorkImage result(palette, width, height);
    BitBlt(result.dc(), 0, 0, width, height, destination, x, y, SRCCOPY);

    const WorkImage image(palette, width, height);
    SetBkColor(image.dc(), GetBkColor(source));
    SetTextColor(image.dc(), GetTextColor(source));
    BitBlt(image.dc(), 0, 0, width, height, source, source_x, source_y, SRCCOPY);

    // Mask: 1 (white) where the source has the key colour, 0 elsewhere.
    const base::unique_hbitmap mask_bitmap{CreateBitmap(width, height, 1, 1, nullptr)};
    const base::unique_hdc mask{CreateCompatibleDC(display.get())};
    const base::scoped_select select_mask(mask.get(), mask_bitmap.get());
    SetBkColor(image.dc(), key);
    SetTextColor(image.dc(), RGB(255, 255, 255));
    BitBlt(mask.get(), 0, 0, width, height, image.dc(), 0, 0, SRCCOPY);

    // Key pixels of the source image become black …
    SetTextColor(image.dc(), RGB(0, 0, 0));
    SetBkColor(image.dc(), RGB(255, 255, 255));
    BitBlt(image.dc(), 0, 0, width, height, mask.get(), 0, 0, 0x00220326);
    // … the background stays only where the key was …
    BitBlt(result.dc(), 0, 0, width, height, mask.get(), 0, 0, SRCAND);
    // … and the two are joined.
    BitBlt(result.dc(), 0, 0, width, height, image.dc(), 0, 0, SRCPAINT);

    BitBlt(destination, x, y, width, height, result.dc(), 0, 0, SRCCOPY);
}

int FillSolid(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    const base::unique_hbrush brush{CreateSolidBrush(colour)};
    const RECT rect = MakeRect(x, y, width, height);
    return brush && dc ? FillRect(dc, &rect, brush.get()) : 0;
}

int FrameSolid(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    const base::unique_hbrush brush{CreateSolidBrush(colour)};
    const RECT rect = MakeRect(x, y, width, height);
    return brush && dc ? FrameRect(dc, &rect, brush.get()) : 0;
}

int DrawTextIn(HDC dc, std::wstring_view text, int x, int y, int width, int height, UINT format) {
    if (!dc) return 0;
    RECT rect = MakeRect(x, y, width, height);
    return DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
}

int DrawFocusBox(HDC dc, int x, int y, int width, int height) {
    if (!dc) return 0;
    const RECT rect = MakeRect(x, y, width, height);
    return DrawFocusRect(dc, &rect);
}

WindowBounds GetWindowBounds(HWND window, bool* succeeded) {
    RECT rect{};
    const bool ok = window && GetWindowRect(window, &rect);
    if (succeeded) *succeeded = ok;
    if (!ok) return {};
    return {rect.left,
            rect.top,
            rect.right,
            rect.bottom,
            rect.right - rect.left,
            rect.bottom - rect.top};
}

std::wstring GetWindowTextString(HWND window) {
    const int length = window ? GetWindowTextLengthW(window) : 0;
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

int GetBorderSize(HWND window, int& border_width, int& border_height) {
    RECT window_rect{};
    RECT client_rect{};
    border_width = border_height = 0;
    if (!window || !GetWindowRect(window, &window_rect) || !GetClientRect(window, &client_rect))
        return 1;
    int width_difference =
        (window_rect.right - window_rect.left) - (client_rect.right - client_rect.left);
    int height_difference =
        (window_rect.bottom - window_rect.top) - (client_rect.bottom - client_rect.top);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (style & WS_VSCROLL) width_difference -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) height_difference -= GetSystemMetrics(SM_CYHSCROLL);
    border_width = CentreOffset(width_difference, 0);
    border_height = CentreOffset(height_difference, 0);
    return 1;
}

} // namespace mixora::skin
