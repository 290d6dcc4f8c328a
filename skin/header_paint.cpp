#include "header_paint.h"

#include "bitmaps.h"
#include "control_state.h"
#include "paint_scope.h"
#include "primitives.h"
#include "props.h"
#include "scoped_select.h"
#include "window_dc.h"

#include <commctrl.h>

#include <array>
#include <string>

namespace mixora::skin {

namespace {

RECT ItemRect(HWND header, int index) {
    RECT rect{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
}

std::wstring ItemText(HWND header, int index) {
    std::array<wchar_t, 256> buffer{};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    buffer.back() = L'\0';
    std::wstring text(buffer.data(), buffer.size());
    std::erase(text, L'\0');
    return text;
}

HFONT Font(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

// The HeaderSkin column of a state: 0 normal, 3 hover, 6 pressed.
int CellColumn(int state) {
    return state == StateHover ? 3 : state == StatePressed ? 6 : 0;
}

} // namespace

LRESULT PaintHeader(HWND window) {
    const WindowBounds bounds = GetWindowBounds(window);
    const WorkingImage image = LendImage(bounds.Width, bounds.Height);
    const HDC dc = image.get();
    StretchBlt(dc, 0, 0, bounds.Width, bounds.Height, HeaderSkin(), 1, 0, 1, 20, SRCCOPY);

    const int count = static_cast<int>(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0));
    if (count > 0) {
        const int pressed = props::GetInt(window, props::kHdIndex);
        const int hover = props::GetInt(window, props::kHmIndex);
        const base::scoped_select select_font(dc, Font(window));
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < count; ++i) {
            const RECT item = ItemRect(window, i);
            const std::wstring text = ItemText(window, i);
            const int state = i == pressed ? StatePressed : i == hover ? StateHover : StateNormal;
            const int width = item.right - item.left;
            BlitSliced(dc, item.left, 0, width, bounds.Height, HeaderSkin(), CellColumn(state), 0,
                       3, 20, 1, 1, 1, 1);
            if (!text.empty())
                DrawTextIn(dc, text, item.left, 0, width, item.bottom, CaptionFormat);
        }
    }

    const base::paint_scope paint(window);
    BitBlt(paint.hdc(), 0, 0, bounds.Width, bounds.Height, dc, 0, 0, SRCCOPY);
    return 0;
}

int PaintHeaderItem(HWND window, HDC target, int index, int state) {
    if (index < 0) return 0;
    const WindowBounds bounds = GetWindowBounds(window);
    const RECT item = ItemRect(window, index);
    const int width = item.right - item.left;
    const int height = item.bottom - item.top;

    const WorkingImage image = LendImage(width, bounds.Height);
    const HDC dc = image.get();
    const base::scoped_select select_font(dc, Font(window));
    SetBkMode(dc, TRANSPARENT);
    BlitSliced(dc, 0, 0, width, bounds.Height, HeaderSkin(), CellColumn(state), 0, 3, 20, 1, 1, 1,
               1);
    const std::wstring text = ItemText(window, index);
    if (!text.empty()) DrawTextIn(dc, text, 0, 0, width, bounds.Height, CaptionFormat);

    base::unique_window_dc own;
    if (!target) {
        own = base::GetWindowDCScoped(window);
        target = own.get();
    }
    BitBlt(target, item.left, 0, width, height, dc, 0, 0, SRCCOPY);
    return 0;
}

} // namespace mixora::skin
