#include "frame.h"

#include "callback_guard.h"
#include "control_text.h"

#include "handles.h"
#include "paint_scope.h"
#include "scoped_select.h"

#include <string>

namespace mixora::ui {

namespace {

using base::scoped_select;

// The group's font is kept in the window's user data (WM_SETFONT / WM_GETFONT).
HFONT FrameFont(HWND window) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The border: a thin rounded line in the blue-grey of the skin's quiet frames.
constexpr COLORREF kBorderColour = RGB(150, 185, 215);
constexpr COLORREF kCaptionColour = RGB(20, 70, 130);

bool UsesSystemColours(HWND window) {
    return GetWindowLongPtrW(window, 0) != 0;
}

// The labels beside the group are drawn in the window-text colour on the face colour: in a
// high-contrast theme the group's border and caption match them.
COLORREF BorderColour(HWND window) {
    return UsesSystemColours(window) ? GetSysColor(COLOR_WINDOWTEXT) : kBorderColour;
}
COLORREF CaptionColour(HWND window) {
    return UsesSystemColours(window) ? GetSysColor(COLOR_WINDOWTEXT) : kCaptionColour;
}

LRESULT OnPaint(HWND window) {
    // Declared before the selections into its context, so that they are undone before EndPaint
    // gives the context back.
    const base::paint_scope paint(window);
    if (!paint) return 0;
    const HDC dc = paint.hdc();
    RECT client{};
    GetClientRect(window, &client);

    scoped_select font(dc, FrameFont(window));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int caption_middle = metrics.tmHeight / 2;

    base::unique_hpen pen(CreatePen(PS_SOLID, 1, BorderColour(window)));
    {
        scoped_select select_pen(dc, pen.get());
        scoped_select no_fill(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, client.left, client.top + caption_middle, client.right, client.bottom, 7, 7);
    }

    if (std::wstring caption = ReadText(window); !caption.empty()) {
        caption = L" " + caption + L" ";
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, CaptionColour(window));
        const int indent = MulDiv(metrics.tmAveCharWidth, 3, 2);
        TextOutW(dc, indent, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    return 0;
}

LRESULT OnSetFont(HWND window, WPARAM font, LPARAM redraw) {
    SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(font));
    if (LOWORD(redraw)) InvalidateRect(window, nullptr, TRUE);
    return 0;
}

// The caption is drawn by the group itself, so a new one needs a repaint.
LRESULT OnSetText(HWND window, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = DefWindowProcW(window, WM_SETTEXT, wparam, lparam);
    InvalidateRect(window, nullptr, TRUE);
    return result;
}

// What the controls of the group tell their parent is for the window holding the group.
LRESULT ForwardToOwner(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (HWND owner = GetParent(window)) return SendMessageW(owner, message, wparam, lparam);
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

void SetFrameSystemColours(HWND frame, bool on) {
    if (UsesSystemColours(frame) == on) return;
    SetWindowLongPtrW(frame, 0, on ? 1 : 0);
    InvalidateRect(frame, nullptr, TRUE);
}

namespace {

LRESULT HandleFrameMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: return OnPaint(window);
    case WM_SETFONT: return OnSetFont(window, wparam, lparam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FrameFont(window));
    case WM_SETTEXT: return OnSetText(window, wparam, lparam);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: return ForwardToOwner(window, message, wparam, lparam);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return base::Guarded("分组框", LRESULT{0},
                         [&] { return HandleFrameMessage(window, message, wparam, lparam); });
}

} // namespace mixora::ui
