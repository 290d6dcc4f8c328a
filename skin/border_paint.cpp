#include "border_paint.h"

#include "colours.h"
#include "primitives.h"
#include "window_dc.h"

namespace mixora::skin {

namespace {

LRESULT PassOn(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}

// The background colour of the window's client context. A common context is handed out in
// its initial state (white background) every time; only a class with contexts of its own
// (CS_OWNDC, CS_CLASSDC) can keep another, so only then is one taken to read it (under Wine,
// taking one is a round trip to the server).
COLORREF ClientBackground(HWND window) {
    if (!(GetClassLongPtrW(window, GCL_STYLE) & (CS_OWNDC | CS_CLASSDC))) return kWhite;
    const base::unique_window_dc client = base::GetDCScoped(window);
    return GetBkColor(client.get());
}

} // namespace

LRESULT PaintListFrame(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    const WindowBounds bounds = GetWindowBounds(window);
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    FrameSolid(dc.get(), 0, 0, bounds.Width, bounds.Height, BorderColourFor(window));
    FrameSolid(dc.get(), 1, 1, bounds.Width - 2, bounds.Height - 2, kWhite);
    return result;
}

LRESULT PaintGridBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_BORDER) {
        const WindowBounds bounds = GetWindowBounds(window);
        const base::unique_window_dc dc = base::GetWindowDCScoped(window);
        FrameSolid(dc.get(), 0, 0, bounds.Width, bounds.Height, BorderColourFor(window));
    }
    return result;
}

LRESULT PaintFlatBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return result;

    int border_width = 0;
    int border_height = 0;
    GetBorderSize(window, border_width, border_height);
    const WindowBounds bounds = GetWindowBounds(window);
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    const COLORREF background = ClientBackground(window);

    // The outer ring of the sunken edge becomes the flat frame; the rings inside it take the
    // client's background colour, so the edge disappears into the box.
    FrameSolid(dc.get(), 0, 0, bounds.Width, bounds.Height, BorderColourFor(window));
    for (int d = 1; d <= border_width; ++d)
        FrameSolid(dc.get(), d, d, bounds.Width - 1 - d, bounds.Height - 1 - d, background);
    return result;
}

} // namespace mixora::skin
