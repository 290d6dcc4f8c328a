#include "window_sheet.h"

#include "control_ids.h"
#include "utf.h"

namespace mixora::ui {

namespace {
using calc::Toggle;

constexpr std::pair<Toggle, int> kToggleIds[] = {
    {Toggle::option1, ids::option1}, {Toggle::option2, ids::option2}, {Toggle::细砂, ids::细砂},
    {Toggle::粗砂, ids::粗砂},       {Toggle::卵石, ids::卵石},       {Toggle::碎石, ids::碎石},
};
} // namespace

int ToggleId(Toggle t) {
    for (const auto& [toggle, id] : kToggleIds)
        if (toggle == t) return id;
    return 0;
}

std::optional<Toggle> ToggleOfId(int id) {
    for (const auto& [toggle, toggle_id] : kToggleIds)
        if (toggle_id == id) return toggle;
    return std::nullopt;
}

std::string WindowSheet::text(calc::Field n) const {
    calc::CheckedFieldIndex(n); // the same contract as every sheet
    HWND field = control_(ids::Text(n));
    const int length = GetWindowTextLengthW(field);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void WindowSheet::set_text(calc::Field n, std::string_view text) {
    calc::CheckedFieldIndex(n);
    SetWindowTextW(control_(ids::Text(n)), Widen(text).c_str());
}

bool WindowSheet::is_on(Toggle t) const {
    return SendMessageW(control_(ToggleId(t)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowSheet::set_on(Toggle t, bool on) {
    SendMessageW(control_(ToggleId(t)), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    if (on && calc::Partner(t) != t)
        SendMessageW(control_(ToggleId(calc::Partner(t))), BM_SETCHECK, BST_UNCHECKED, 0);
}

} // namespace mixora::ui
