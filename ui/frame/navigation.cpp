#include "navigation.h"

#include "field_commands.h"
#include "menu_bar.h"

#include <algorithm>

namespace mixora::ui {

namespace {

bool IsArrow(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

} // namespace

KeyboardNavigation::KeyboardNavigation(FrameState& frame)
    : frame_(frame), accelerators_(CreateMenuAccelerators()) {}

void KeyboardNavigation::MoveFocus(bool backward) {
    const Form& form = frame_.sheet->form();
    const auto order = form.FocusOrder();
    const int count = static_cast<int>(order.size());
    const int current = GetDlgCtrlID(GetFocus());
    const auto found = std::find(order.begin(), order.end(), current);
    int index =
        found == order.end() ? (backward ? 0 : count - 1) : static_cast<int>(found - order.begin());
    index = (index + (backward ? count - 1 : 1)) % count;
    HWND next = form.Control(order[static_cast<size_t>(index)]);
    if (!next) return;
    SetFocus(next);
    SelectForTyping(next);
}

bool KeyboardNavigation::PreTranslate(const MSG& message) {
    HWND window = frame_.hwnd;
    if (!window || !message.hwnd || (message.hwnd != window && !IsChild(window, message.hwnd)))
        return false;
    if (accelerators_ &&
        TranslateAcceleratorW(window, accelerators_.get(), const_cast<MSG*>(&message)))
        return true;
    const int id = GetDlgCtrlID(message.hwnd);
    switch (message.message) {
    case WM_KEYDOWN:
        if (message.wParam == VK_TAB) {
            MoveFocus(GetKeyState(VK_SHIFT) < 0);
            return true;
        }
        if (const int partner_id = frame_.sheet->ArrowPartner(id);
            IsArrow(message.wParam) && partner_id) {
            HWND partner = frame_.sheet->form().Control(partner_id);
            SetFocus(partner);
            SendMessageW(partner, BM_CLICK, 0, 0);
            return true;
        }
        // Neither button is the default or the cancel button.
        return message.wParam == VK_RETURN || message.wParam == VK_ESCAPE;
    case WM_CHAR:
        // A tab, return or escape typed into a field would only beep.
        return message.wParam == L'\t' || message.wParam == L'\r' || message.wParam == 0x1b;
    }
    return false;
}

} // namespace mixora::ui
