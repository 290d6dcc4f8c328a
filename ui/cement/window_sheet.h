#pragma once
// The design sheet backed by the window's own controls: a field's text is its edit control's
// text, so whatever a press writes is on screen at once.
#include "sheet.h"

#include <functional>
#include <optional>
#include <windows.h>

namespace mixora::ui {

class WindowSheet final : public calc::Sheet {
  public:
    // control(id) gives the control with that identifier.
    explicit WindowSheet(std::function<HWND(int)> control) : control_(std::move(control)) {}

    std::string text(calc::Field field) const override;
    void set_text(calc::Field field, std::string_view text) override;
    bool is_on(calc::Toggle t) const override;
    void set_on(calc::Toggle t, bool on) override;

  private:
    std::function<HWND(int)> control_;
};

// The control identifier of an option button or check box, and back.
int ToggleId(calc::Toggle t);
std::optional<calc::Toggle> ToggleOfId(int id);

} // namespace mixora::ui
