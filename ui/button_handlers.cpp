// What the four buttons of the design window do.
#include "design_window.h"

#include "control_ids.h"
#include "press.h"
#include "press_report.h"
#include "utf.h"

namespace mixora::ui {

namespace {

// The calculator's notices as message boxes with the program's title.
class WindowNotices final : public calc::Notices {
  public:
    WindowNotices(MessageBoxes& boxes, HWND owner) : boxes_(boxes), owner_(owner) {}
    void notify(std::string_view message) override {
        boxes_.Show(owner_, Widen(message), kProgramTitle, MB_OK);
    }

  private:
    MessageBoxes& boxes_;
    HWND owner_;
};

} // namespace

void DesignWindow::OnCalculate() {
    WindowNotices notices(*options_.message_boxes, hwnd_);
    if (const auto error = calc::Press(sheet_, notices, options_.number_format))
        ReportAbort(*error);
}

// Says what stopped the press, then puts the user on the field to correct.
void DesignWindow::ReportAbort(const calc::CalcError& error) {
    options_.message_boxes->Show(hwnd_, DescribeAbort(error, sheet_), kProgramTitle,
                                 MB_OK | MB_ICONWARNING);
    if (!error.field) return;
    if (HWND field = Control(ids::Text(*error.field))) {
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
    }
}

void DesignWindow::OnHelp() {
    options_.message_boxes->Show(hwnd_, L"Mixora", L"Tessavo", MB_OK);
}

void DesignWindow::OnReset() {
    calc::qk(sheet_);
}

void DesignWindow::OnExit() {
    if (!ConfirmDiscard()) return;
    options_.exit_program();
}

} // namespace mixora::ui
