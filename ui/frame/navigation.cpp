// Keyboard navigation of a design window: the sheet's explicit focus order across its groups,
// and the message loop that gives every open window its shortcuts and keys.
#include "design_window.h"

#include "control_ids.h"
#include "open_windows.h"

#include <algorithm>

namespace mixora::ui {

namespace {

bool IsArrow(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

} // namespace

void DesignWindow::MoveFocus(bool backward) {
    const auto order = sheet_->FocusOrder();
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
        const std::vector<DesignWindow*> windows = OpenWindows();
        if (std::any_of(windows.begin(), windows.end(),
                        [&](DesignWindow* window) { return window->PreTranslateMessage(message); }))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        ReleaseClosedWindows();
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
        if (const int partner_id = sheet_->ArrowPartner(id);
            IsArrow(message.wParam) && partner_id) {
            HWND partner = Control(partner_id);
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
