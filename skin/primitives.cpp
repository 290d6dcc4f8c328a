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

base::unique_hdc OpenDisplayDC() {
    return base::unique_hdc{CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)};
}

// One working image of BlitTransparent: a display-compatible bitmap in its own memory context
// with the palette selected and realised. The selections are undone before the context and
// the bitmap are deleted (members are destroyed in reverse order).
struct WorkImage {
    WorkImage(HDC display, HPALETTE palette, int width, int height)
        : bitmap(CreateCompatibleBitmap(display, width, height)), dc(CreateCompatibleDC(display)),
          selectBitmap(dc.get(), bitmap.get()), selectPalette(dc.get(), palette) {}
    base::unique_hbitmap bitmap;
    base::unique_hdc dc;
    base::scoped_select selectBitmap;
    base::scoped_palette selectPalette;
};

} // namespace

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
    const base::unique_hdc display = OpenDisplayDC();
    if (!display) return {};
    base::unique_hdc dc{CreateCompatibleDC(display.get())};
    if (!dc) return {};
    base::unique_hbitmap bitmap{CreateCompatibleBitmap(display.get(), width, height)};
    if (!bitmap) return {};
    // The placeholder the selection hands back is the stock 1 × 1 bitmap, which needs no
    // deleting; the new bitmap stays selected for the context's life and is freed with it.
    SelectObject(dc.get(), bitmap.get());
    return MemoryDC{std::move(dc), std::move(bitmap)};
}

int BlitSliced(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
               int sourceY, int sourceWidth, int sourceHeight, int left, int top, int right,
               int bottom, std::optional<COLORREF> keyColour) {
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0) return 0;
    // Copies from a missing context draw nothing (rather than an empty working image).
    if (!destination || !source) return 0;
    const MemoryDC work = CreateMemoryDC(width, height);
    const HDC w = work.get();

    if (left <= 0 && top <= 0 && right <= 0 && bottom <= 0) {
        StretchBlt(w, 0, 0, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                   SRCCOPY);
    } else {
        const int sourceRight = sourceX + sourceWidth - right;
        const int sourceBottom = sourceY + sourceHeight - bottom;
        const int middleWidth = width - left - right;
        const int middleHeight = height - top - bottom;
        const int sourceMiddleWidth = sourceWidth - left - right;
        const int sourceMiddleHeight = sourceHeight - top - bottom;

        // Corners, unscaled.
        if (left > 0 && top > 0) BitBlt(w, 0, 0, left, top, source, sourceX, sourceY, SRCCOPY);
        if (right > 0 && top > 0)
            BitBlt(w, width - right, 0, right, top, source, sourceRight, sourceY, SRCCOPY);
        if (left > 0 && bottom > 0)
            BitBlt(w, 0, height - bottom, left, bottom, source, sourceX, sourceBottom, SRCCOPY);
        if (right > 0 && bottom > 0)
            BitBlt(w, width - right, height - bottom, right, bottom, source, sourceRight,
                   sourceBottom, SRCCOPY);

        // Sides, each stretched along its length only, then the centre both ways.
        if (left > 0)
            StretchBlt(w, 0, top, left, middleHeight, source, sourceX, sourceY + top, left,
                       sourceMiddleHeight, SRCCOPY);
        if (right > 0)
            StretchBlt(w, width - right, top, right, middleHeight, source, sourceRight,
                       sourceY + top, right, sourceMiddleHeight, SRCCOPY);
        if (top > 0)
            StretchBlt(w, left, 0, middleWidth, top, source, sourceX + left, sourceY,
                       sourceMiddleWidth, top, SRCCOPY);
        if (bottom > 0)
            StretchBlt(w, left, height - bottom, middleWidth, bottom, source, sourceX + left,
                       sourceBottom, sourceMiddleWidth, bottom, SRCCOPY);
        StretchBlt(w, left, top, middleWidth, middleHeight, source, sourceX + left, sourceY + top,
                   sourceMiddleWidth, sourceMiddleHeight, SRCCOPY);
    }

    if (!keyColour) return BitBlt(destination, x, y, width, height, w, 0, 0, SRCCOPY);
    BlitTransparent(destination, x, y, width, height, w, 0, 0, *keyColour);
    return 1;
}

void BlitTransparent(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                     int sourceY, COLORREF keyColour, HPALETTE palette) {
    // Copies from a missing context draw nothing (rather than an empty working image).
    if (!destination || !source) return;
    // Release order: the three images (selections undone, contexts, bitmaps), then the display
    // context, then the halftone palette made here, once nothing has it selected.
    base::unique_hpalette halftone;
    const base::unique_hdc display = OpenDisplayDC();
    if (!palette) {
        halftone.reset(CreateHalftonePalette(display.get()));
        palette = halftone.get();
    }

    COLORREF key = keyColour;
    if (FAILED(OleTranslateColor(keyColour, palette, &key))) key = keyColour;
    key &= 0x00FFFFFF;

    WorkImage result(display.get(), palette, width, height);
    BitBlt(result.dc.get(), 0, 0, width, height, destination, x, y, SRCCOPY);

    WorkImage image(display.get(), palette, width, height);
    SetBkColor(image.dc.get(), GetBkColor(source));
    SetTextColor(image.dc.get(), GetTextColor(source));
    BitBlt(image.dc.get(), 0, 0, width, height, source, sourceX, sourceY, SRCCOPY);

    // Mask: 1 (white) where the source has the key colour, 0 elsewhere.
    const base::unique_hbitmap maskBitmap{CreateBitmap(width, height, 1, 1, nullptr)};
    const base::unique_hdc mask{CreateCompatibleDC(display.get())};
    const base::scoped_select selectMask(mask.get(), maskBitmap.get());
    SetBkColor(image.dc.get(), key);
    SetTextColor(image.dc.get(), RGB(255, 255, 255));
    BitBlt(mask.get(), 0, 0, width, height, image.dc.get(), 0, 0, SRCCOPY);

    // Key pixels of the source image become black …
    SetTextColor(image.dc.get(), RGB(0, 0, 0));
    SetBkColor(image.dc.get(), RGB(255, 255, 255));
    BitBlt(image.dc.get(), 0, 0, width, height, mask.get(), 0, 0, 0x00220326);
    // … the background stays only where the key was …
    BitBlt(result.dc.get(), 0, 0, width, height, mask.get(), 0, 0, SRCAND);
    // … and the two are joined.
    BitBlt(result.dc.get(), 0, 0, width, height, image.dc.get(), 0, 0, SRCPAINT);

    BitBlt(destination, x, y, width, height, result.dc.get(), 0, 0, SRCCOPY);
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

int GetBorderSize(HWND window, int& borderWidth, int& borderHeight) {
    RECT windowRect{};
    RECT clientRect{};
    borderWidth = borderHeight = 0;
    if (!window || !GetWindowRect(window, &windowRect) || !GetClientRect(window, &clientRect))
        return 1;
    int widthDifference =
        (windowRect.right - windowRect.left) - (clientRect.right - clientRect.left);
    int heightDifference =
        (windowRect.bottom - windowRect.top) - (clientRect.bottom - clientRect.top);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (style & WS_VSCROLL) widthDifference -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) heightDifference -= GetSystemMetrics(SM_CYHSCROLL);
    borderWidth = CentreOffset(widthDifference, 0);
    borderHeight = CentreOffset(heightDifference, 0);
    return 1;
}

} // namespace mixora::skin
