#include "window_sheet.h"

#include "control_ids.h"
#include "utf.h"

namespace mixora::ui {

namespace {
using calc::Toggle;

// The exclusive partner of an option button; a check box has none.
int PartnerId(Toggle t) {
    switch (t) {
    case Toggle::option1: return ids::option2;
    case Toggle::option2: return ids::option1;
    case Toggle::细砂: return ids::粗砂;
    case Toggle::粗砂: return ids::细砂;
    case Toggle::卵石:
    case Toggle::碎石: break;
    }
    return 0;
}
} // namespace

int ToggleId(Toggle t) {
    switch (t) {
    case Toggle::option1: return ids::option1;
    case Toggle::option2: return ids::option2;
    case Toggle::细砂: return ids::细砂;
    case Toggle::粗砂: return ids::粗砂;
    case Toggle::卵石: return ids::卵石;
    case Toggle::碎石: return ids::碎石;
    }
    return 0;
}

std::string WindowSheet::text(int n) const {
    HWND field = control_(ids::Text(n));
    const int length = GetWindowTextLengthW(field);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void WindowSheet::set_text(int n, std::string_view text) {
    SetWindowTextW(control_(ids::Text(n)), Widen(text).c_str());
}

bool WindowSheet::is_on(Toggle t) const {
    return SendMessageW(control_(ToggleId(t)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowSheet::set_on(Toggle t, bool on) {
    SendMessageW(control_(ToggleId(t)), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    if (const int partner = PartnerId(t); on && partner != 0)
        SendMessageW(control_(partner), BM_SETCHECK, BST_UNCHECKED, 0);
}

} // namespace mixora::ui
