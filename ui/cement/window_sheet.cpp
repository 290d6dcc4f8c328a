#include "window_sheet.h"

#include "control_ids.h"
#include "control_text.h"
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
    return Narrow(ReadText(control_(ids::Text(n))));
}

// A press writes every result it reaches, as it always has: writing ends the field's undo.
void WindowSheet::set_text(calc::Field n, std::string_view text) {
    calc::CheckedFieldIndex(n);
    WriteText(control_(ids::Text(n)), Widen(text));
}

bool WindowSheet::is_on(Toggle t) const {
    return IsChecked(control_(ToggleId(t)));
}

void WindowSheet::set_on(Toggle t, bool on) {
    SetChecked(control_(ToggleId(t)), on);
    if (on && calc::Partner(t) != t) SetChecked(control_(ToggleId(calc::Partner(t))), false);
}

} // namespace mixora::ui
