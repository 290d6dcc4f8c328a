#include "progress_paint.h"

#include "colours.h"
#include "paint_scope.h"
#include "primitives.h"
#include "window_dc.h"

#include <commctrl.h>

#include <algorithm>

namespace mixora::skin {

namespace {

// The position as a fraction of the full bar (30000), single precision, kept within 0…1 so
// that a position beyond either end draws a full or an empty bar, never a reversed one.
float Fraction(HWND window) {
    const auto position = static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0));
    return std::clamp(static_cast<float>(position) / 30000.0f, 0.0f, 1.0f);
}

int Scaled(float fraction, int length) {
    return RoundHalfEven(static_cast<double>(fraction) * length);
}

LONG_PTR Style(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

} // namespace

LRESULT PaintProgressBar(HWND window) {
    const SIZE client = ClientSize(window);
    const WorkingImage image = LendImage(client.cx, client.cy);
    FillSolid(image.get(), 0, 0, client.cx, client.cy, kWhite);

    const float fraction = Fraction(window);
    if (fraction != 0.0f) {
        if (Style(window) & PBS_VERTICAL) // fills from the bottom
            FillSolid(image.get(), 0, RoundHalfEven(client.cy - double{fraction} * client.cy),
                      client.cx, Scaled(fraction, client.cy), BarColour);
        else
            FillSolid(image.get(), 0, 0, Scaled(fraction, client.cx), client.cy, BarColour);
    }

    const base::paint_scope paint(window);
    BitBlt(paint.hdc(), 0, 0, client.cx, client.cy, image.get(), 0, 0, SRCCOPY);
    return 0;
}

LRESULT PaintProgressFrame(HWND window) {
    int border_width = 0;
    int border_height = 0;
    GetBorderSize(window, border_width, border_height);
    const WindowBounds bounds = GetWindowBounds(window);
    const SIZE client = ClientSize(window);
    const WorkingImage image = LendImage(bounds.Width, bounds.Height);
    const HDC dc = image.get();

    FillSolid(dc, 0, 0, bounds.Width, bounds.Height, BorderColour);
    FillSolid(dc, 1, 1, bounds.Width - 2, bounds.Height - 2, kWhite);
    const float fraction = Fraction(window);
    if (fraction != 0.0f) {
        const LONG_PTR style = Style(window);
        if (!(style & PBS_VERTICAL)) {
            FillSolid(dc, border_width, border_height, Scaled(fraction, client.cx), client.cy,
                      BarColour);
        } else {
            if (style & PBS_SMOOTH)
                FillSolid(dc, border_width, border_height, client.cx, client.cy, BarColour);
            // The empty top part, so that the filled part stays at the bottom.
            FillSolid(dc, border_width, border_height, client.cx,
                      RoundHalfEven(client.cy - double{fraction} * client.cy), kWhite);
        }
    }

    const base::unique_window_dc target = base::GetWindowDCScoped(window);
    BitBlt(target.get(), 0, 0, bounds.Width, bounds.Height, dc, 0, 0, SRCCOPY);
    return 0;
}

} // namespace mixora::skin
