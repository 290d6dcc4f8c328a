#include "cement_sheet.h"

#include "cement_clipboard.h"
#include "cement_report.h"
#include "control_ids.h"
#include "design_format.h"
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

// A flag that is set for as long as the object lives.
class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
};

} // namespace

CementSheet::CementSheet(SheetHost& host, calc::NumberFormat number_format)
    : host_(host), number_format_(std::move(number_format)),
      sheet_([this](int id) { return form_.Control(id); }) {}

bool CementSheet::Create(HWND window) {
    if (!form_.Create(window)) return false;
    // No value needs more; a longer text (a huge paste) would only slow the edit control down
    // and could not be saved.
    for (const calc::Field field : calc::kAllFields)
        SendMessageW(form_.Control(ids::Text(field)), EM_SETLIMITTEXT,
                     document::kMaxDesignTextLength, 0);
    return true;
}

// Arrows move within an option pair, and click the option they reach.
int CementSheet::ArrowPartner(int id) const {
    const auto toggle = ToggleOfId(id);
    if (!toggle || calc::Partner(*toggle) == *toggle) return 0;
    return ToggleId(calc::Partner(*toggle));
}

void CementSheet::OnControl(int id, UINT code, bool& changed) {
    // A field or an option changed: the title may gain or lose its asterisk.
    if (code == EN_CHANGE || (code == BN_CLICKED && ToggleOfId(id))) changed = true;
    if (code != BN_CLICKED) return;
    switch (id) {
    case ids::Calculate: OnCalculate(); break;
    case ids::Help: OnHelp(); break;
    case ids::Reset: OnReset(); break;
    case ids::Exit: OnExit(); break;
    }
}

void CementSheet::Reset() {
    calc::qk(sheet_);
}

void CementSheet::ClearResults() {
    calc::ClearResults(sheet_);
}

document::DesignDocument CementSheet::Put(document::DesignDocument base) const {
    base.set_snapshot(document::TakeSnapshot(sheet_));
    return base;
}

void CementSheet::Take(const document::DesignDocument& document) {
    document::ApplySnapshot(document.snapshot(), sheet_);
}

page::ReportPage CementSheet::Report(const report::ReportInfo& info) const {
    return cement_report::BuildReport(document::TakeSnapshot(sheet_), info);
}

CopiedResult CementSheet::CopyResult() const {
    const document::DesignSnapshot snapshot = document::TakeSnapshot(sheet_);
    return {cement_report::ClipboardText(snapshot), cement_report::ClipboardHtml(snapshot)};
}

void CementSheet::OnCalculate() {
    // The window waits with anything that would save or lose the sheet until the press is
    // done: a notice can leave it half written.
    ScopedFlag pressing(pressing_);
    WindowNotices notices(host_.Boxes(), host_.Window());
    if (const auto error = calc::Press(sheet_, notices, number_format_)) ReportAbort(*error);
}

// Says what stopped the press, then puts the user on the field to correct.
void CementSheet::ReportAbort(const calc::CalcError& error) {
    host_.Boxes().Show(host_.Window(), DescribeAbort(error, sheet_), kProgramTitle,
                       MB_OK | MB_ICONWARNING);
    if (!error.field) return;
    if (HWND field = form_.Control(ids::Text(*error.field))) {
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
    }
}

void CementSheet::OnHelp() {
    host_.Boxes().Show(host_.Window(), L"Mixora", L"Tessavo", MB_OK);
}

void CementSheet::OnReset() {
    calc::qk(sheet_);
}

void CementSheet::OnExit() {
    host_.ExitProgram();
}

} // namespace mixora::ui
