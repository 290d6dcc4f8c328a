// Keyboard navigation of the design window: an explicit focus order across the groups.
#include "design_window.h"

#include "control_ids.h"
#include "layout.h"

#include <algorithm>

namespace mixora::ui {

namespace {

// The control an arrow key moves to from an option button, 0 from anything else.
int OptionPartner(int id) {
    const auto toggle = ToggleOfId(id);
    if (!toggle || calc::Partner(*toggle) == *toggle) return 0;
    return ToggleId(calc::Partner(*toggle));
}

bool IsArrow(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

} // namespace

void DesignWindow::MoveFocus(bool backward) {
    const auto order = FocusOrder();
    const int count = static_cast<int>(order.size());
    const int current = GetDlgCtrlID(GetFocus());
    const auto found = std::find(order.begin(), order.end(), current);
    int index =
        found == order.end() ? (backward ? 0 : count - 1) : static_cast<int>(found - order.begin());
    index = (index + (backward ? count - 1 : 1)) % count;
    HWND next = Control(order[static_cast<size_t>(index)]);
    if (!next) return;
    SetFocus(next);
    // As in a dialog, a field reached with Tab has its text selected for typing over.
    if (ids::IsText(order[static_cast<size_t>(index)])) SendMessageW(next, EM_SETSEL, 0, -1);
}

int DesignWindow::RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool DesignWindow::PreTranslateMessage(const MSG& message) {
    if (!hwnd_ || !message.hwnd || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)))
        return false;
    if (accelerators_ &&
        TranslateAcceleratorW(hwnd_, accelerators_.get(), const_cast<MSG*>(&message)))
        return true;
    const int id = GetDlgCtrlID(message.hwnd);
    switch (message.message) {
    case WM_KEYDOWN:
        if (message.wParam == VK_TAB) {
            MoveFocus(GetKeyState(VK_SHIFT) < 0);
            return true;
        }
        if (IsArrow(message.wParam) && OptionPartner(id)) {
            HWND partner = Control(OptionPartner(id));
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
