#include "cement_sheet.h"

#include "clipboard_formats.h"
#include "control_ids.h"
#include "design_format.h"
#include "frame.h"
#include "layout.h"
#include "press.h"
#include "press_report.h"
#include "scoped_select.h"
#include "utf.h"
#include "window_classes.h"
#include "window_dc.h"

#include <algorithm>

namespace mixora::ui {

namespace {

struct ClassAndStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

ClassAndStyle ClassFor(ControlType type) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (type) {
    case ControlType::Frame:
        return {kFrameClass, child | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlType::Label: return {L"Static", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlType::Text:
        return {L"Edit", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlType::Option: return {kOptionClass, child | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlType::Check: return {kCheckClass, child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlType::Command: return {L"Button", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {L"Static", child, 0};
}

// The size of a label that fits its caption in the given font.
SIZE CaptionSize(HWND window, HFONT font, const wchar_t* caption) {
    SIZE size{0, 0};
    base::unique_window_dc dc = base::GetDCScoped(window);
    if (!dc) return size;
    base::scoped_select select(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    GetTextExtentPoint32W(dc.get(), caption, lstrlenW(caption), &size);
    size.cx += 2;
    size.cy = metrics.tmHeight;
    return size;
}

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
      sheet_([this](int id) { return Control(id); }) {}

bool CementSheet::Create(HWND window) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    controls_.clear();
    for (const ControlEntry& entry : DesignLayout()) {
        const auto [class_name, style, ex_style] = ClassFor(entry.type);
        HWND parent = entry.parent ? Control(entry.parent) : window;
        HWND control =
            CreateWindowExW(ex_style, class_name, entry.caption, style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(INT_PTR{entry.id}), instance, nullptr);
        if (!control) return false;
        // No value needs more; a longer text (a huge paste) would only slow the edit control
        // down and could not be saved.
        if (entry.type == ControlType::Text)
            SendMessageW(control, EM_SETLIMITTEXT, document::kMaxDesignTextLength, 0);
        controls_.push_back(control);
    }
    NameCells();
    return true;
}

HWND CementSheet::Control(int id) const {
    const ControlEntry* entry = FindControl(id);
    if (!entry) return nullptr;
    const auto index = static_cast<size_t>(entry - DesignLayout().data());
    return index < controls_.size() ? controls_[index] : nullptr;
}

SIZE CementSheet::ClientSizeTwips() const {
    return {kClientWidthTwips, kClientHeightTwips};
}

void CementSheet::Layout(HFONT font, int dpi) {
    for (const ControlEntry& entry : DesignLayout()) {
        HWND control = Control(entry.id);
        int width = TwipsToPixels(entry.width, dpi);
        int height = TwipsToPixels(entry.height, dpi);
        if (entry.width == 0) {
            // A label keeps its place and ends before the control that follows it on its row.
            const SIZE size = CaptionSize(control, font, entry.caption);
            width = std::min(static_cast<int>(size.cx), LabelRoom(entry, size.cy, dpi));
            height = size.cy;
        }
        SetWindowPos(control, nullptr, TwipsToPixels(entry.left, dpi),
                     TwipsToPixels(entry.top, dpi), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

std::span<const int> CementSheet::FocusOrder() const {
    return ui::FocusOrder();
}

// Arrows move within an option pair, and click the option they reach.
int CementSheet::ArrowPartner(int id) const {
    const auto toggle = ToggleOfId(id);
    if (!toggle || calc::Partner(*toggle) == *toggle) return 0;
    return ToggleId(calc::Partner(*toggle));
}

void CementSheet::FollowHighContrast(bool on) {
    for (const ControlEntry& entry : DesignLayout())
        if (entry.type == ControlType::Frame) SetFrameSystemColours(Control(entry.id), on);
}

// The result cells have no label: a screen reader names them by column and row.
void CementSheet::NameCells() {
    for (const calc::Field field : calc::kAllFields)
        if (const wchar_t* name = CellName(field))
            accessible_names_.Name(Control(ids::Text(field)), name);
}

void CementSheet::Release() {
    accessible_names_.Clear();
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

report::ReportPage CementSheet::Report(const report::ReportInfo& info) const {
    return report::BuildReport(document::TakeSnapshot(sheet_), info);
}

CopiedResult CementSheet::CopyResult() const {
    const document::DesignSnapshot snapshot = document::TakeSnapshot(sheet_);
    return {report::ClipboardText(snapshot), report::ClipboardHtml(snapshot)};
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
    if (HWND field = Control(ids::Text(*error.field))) {
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
