#include "trial_dialog.h"

#include "chart_view.h"
#include "control_text.h"
#include "form.h"
#include "high_contrast.h"
#include "message_boxes.h"
#include "modal_dialog.h"
#include "scroll_area.h"
#include "trial_fields.h"
#include "trial_ids.h"
#include "trial_layout.h"
#include "trial_texts.h"
#include "utf.h"

#include <algorithm>

namespace mixora::ui {

namespace {

namespace ids = trial_ids;

constexpr DialogLayout kDialog{
    kTrialDialogTitle,
    DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
        WS_MAXIMIZEBOX | WS_VSCROLL | WS_HSCROLL,
    kTrialDialogWidth,
    kTrialDialogHeight,
    {},
};

bool Ask(MessageBoxes& boxes, HWND owner, std::wstring_view text, std::wstring_view title) {
    return boxes.Show(owner, text, title, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
void Tell(MessageBoxes& boxes, HWND owner, std::wstring_view text, std::wstring_view title) {
    boxes.Show(owner, text, title, MB_OK | MB_ICONINFORMATION);
}

class TrialDialog final : public ModalDialog {
  public:
    TrialDialog(const TrialDesign& design, trial::TrialEntries entries, MessageBoxes& boxes,
                bool skinned)
        : ModalDialog("试配与调整", skinned), design_(design), entries_(entries),
          given_(std::move(entries)), boxes_(boxes) {}

    // True when the user chose 确定.
    bool Edit(HWND owner) { return Run(owner, kDialog) == IDOK; }
    const trial::TrialEntries& entries() const { return entries_; }

  private:
    HWND OnInit() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnClosing() override { form_.Release(); }

    void FillLists();
    void ShowEntries();
    void ReadEntries();
    void OnNewTrial();
    void OnAcceptReason();
    void OnHistory();
    // 取消 (or Esc, or the close box): what was changed is kept only when the user says so.
    void OnCancel();
    void EnableAdjustmentFields();
    void Recompute();
    void DrawChart(const DRAWITEMSTRUCT& item) const;

    HWND Control(int id) const { return form_.Control(id); }

    const TrialDesign& design_;
    trial::TrialEntries entries_;
    const trial::TrialEntries given_; // as the dialog opened with them
    trial::TrialEntries opened_;      // and with the groups entered recorded, as first shown
    MessageBoxes& boxes_;
    trial::TrialRecord record_;
    Form form_{TrialForm()};
    ScrollArea scroll_;
};

void TrialDialog::FillLists() {
    HWND sizes = Control(ids::Specimen);
    for (const trial::SpecimenSize size : SpecimenSizesShown())
        AddChoice(sizes, Widen(trial::SizeRow(size).name), static_cast<LPARAM>(size));
    for (const TrialTextField& field : TrialTextFields())
        SendMessageW(Control(field.id), EM_SETLIMITTEXT, kTrialFieldLimit, 0);
    SendMessageW(Control(ids::Reason), EM_SETLIMITTEXT, kTrialReasonLimit, 0);
}

void TrialDialog::ShowEntries() {
    for (const TrialTextField& field : TrialTextFields())
        form_.Write(field.id, Widen(field.text(entries_)));
    for (const AdjustmentOption& option : AdjustmentOptions())
        SetChecked(Control(option.id), option.kind == entries_.adjustment.kind);
    SelectValue(Control(ids::Specimen), static_cast<LPARAM>(entries_.strength.specimen));
    form_.Write(ids::Reason, Widen(entries_.cast ? entries_.cast->accepted.reason : ""));
}

void TrialDialog::ReadEntries() {
    for (const TrialTextField& field : TrialTextFields())
        field.text(entries_) = Narrow(form_.Text(field.id));
    for (const AdjustmentOption& option : AdjustmentOptions())
        if (IsChecked(Control(option.id))) entries_.adjustment.kind = option.kind;
    entries_.strength.specimen = static_cast<trial::SpecimenSize>(
        SelectedValue(Control(ids::Specimen), static_cast<LPARAM>(entries_.strength.specimen)));
}

// Each adjustment kind's own fields are open only while it is chosen.
void TrialDialog::EnableAdjustmentFields() {
    for (const TrialTextField& field : TrialTextFields())
        if (field.only_for)
            EnableWindow(Control(field.id), *field.only_for == entries_.adjustment.kind);
}

void TrialDialog::Recompute() {
    // Cubes are recorded as made (a date, numbers or a strength entered): later changes of the
    // design or the trial mix no longer move them.
    if (design_.basis.value)
        trial::RecordEnteredGroups(entries_, *design_.basis.value, design_.method);
    record_ = trial::RunTrial(design_.basis, design_.method, entries_);
    const std::map<int, std::string> texts = TrialTexts(design_.basis, record_, entries_);
    for (const ControlEntry& entry : form_.Entries()) {
        if (entry.type != ControlType::Output && entry.type != ControlType::Note &&
            entry.type != ControlType::Line)
            continue;
        const auto found = texts.find(entry.id);
        form_.Write(entry.id, found == texts.end() ? std::wstring() : Widen(found->second));
    }
    EnableAdjustmentFields();
    EnableWindow(Control(ids::AcceptReason), !record_.match.matches());
    EnableWindow(Control(ids::NewTrial), trial::TrialStarted(entries_));
    EnableWindow(Control(ids::History), !entries_.history.empty());
    InvalidateRect(Control(ids::Chart), nullptr, TRUE);
}

void TrialDialog::OnNewTrial() {
    if (!Ask(boxes_, dialog(),
             L"开始新的试配？\n当前试配（含已记录的试件）将保存到本设计的历次试配中，只读。",
             L"新试配"))
        return;
    trial::StartNewTrial(entries_);
    ShowEntries();
    Recompute();
}

void TrialDialog::OnAcceptReason() {
    const std::string reason = Narrow(form_.Text(ids::Reason));
    if (reason.find_first_not_of(" \t") == std::string::npos) {
        Tell(boxes_, dialog(), L"请先在“理由”中写明原试配结果仍适用的理由。", L"说明理由");
        SetFocus(Control(ids::Reason));
        return;
    }
    if (!design_.basis.value) return;
    trial::AcceptChanges(entries_, *design_.basis.value, design_.method, reason);
    Recompute();
}

void TrialDialog::OnHistory() {
    Tell(boxes_, dialog(), Widen(HistoryText(entries_)), L"历次试配（只读）");
}

// The chart of the chosen ratio in a framed box; an empty box until there is one.
void TrialDialog::DrawChart(const DRAWITEMSTRUCT& item) const {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_WINDOW));
    if (const auto& choice = record_.choice.value) {
        RECT inside = area;
        InflateRect(&inside, -1, -1);
        ui::DrawChart(item.hDC, inside, choice->plot);
    }
    FrameRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNSHADOW));
}

HWND TrialDialog::OnInit() {
    if (!form_.Create(dialog())) {
        Close(IDABORT);
        return nullptr;
    }
    FillLists();
    ShowEntries();
    form_.FollowHighContrast(HighContrastOn());
    Recompute();
    opened_ = entries_;
    RECT layout{0, kTrialPinnedTop, kTrialDialogWidth, kTrialDialogHeight};
    MapDialogRect(dialog(), &layout);
    scroll_.Capture(dialog(), {layout.right, layout.bottom}, layout.top - 2);
    // Opened on a screen smaller than the layout (1366 × 768 with a taskbar), the dialog takes
    // the work area and its groups scroll; 确定 and 取消 stay in view.
    scroll_.FitWorkArea();
    return Control(ids::Litres);
}

bool TrialDialog::OnCommand(int id, UINT code, HWND) {
    if (id == IDOK || id == IDCANCEL) {
        if (code != BN_CLICKED) return false;
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
        ReadEntries();
        Close(IDOK);
        return true;
    }
    if (form_.Writing()) return false;
    const ControlEntry* entry = form_.Entry(id);
    if (!entry) return false;
    if (code == EN_SETFOCUS || code == CBN_SETFOCUS || code == BN_SETFOCUS) {
        scroll_.Reveal(Control(id));
        return false;
    }
    if (entry->type == ControlType::Command && code == BN_CLICKED) {
        if (id == ids::NewTrial) OnNewTrial();
        if (id == ids::AcceptReason) OnAcceptReason();
        if (id == ids::History) OnHistory();
        return true;
    }
    if (id == ids::Reason) return false; // the reason is kept when 说明理由 is pressed
    const bool edited = (entry->type == ControlType::Text && code == EN_CHANGE) ||
                        (entry->type == ControlType::Option && code == BN_CLICKED) ||
                        (entry->type == ControlType::Choice && code == CBN_SELCHANGE);
    if (!edited) return false;
    if (entry->type == ControlType::Text && CutToLimit(Control(id))) return true;
    ReadEntries();
    Recompute();
    return true;
}

void TrialDialog::OnCancel() {
    ReadEntries();
    if (entries_ == opened_) {
        Close(IDCANCEL);
        return;
    }
    switch (boxes_.Show(dialog(), L"试配与调整中录入的内容已修改。\n\n是否保留这些修改？",
                        kTrialDialogTitle, kKeepEntriesStyle)) {
    case IDYES: Close(IDOK); return;
    case IDNO: Close(IDCANCEL); return;
    default: return; // back to the dialog
    }
}

INT_PTR TrialDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE: scroll_.Layout(); return TRUE;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL: return scroll_.OnScroll(message, wparam) ? TRUE : FALSE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        const SIZE least = scroll_.MinimumTrack();
        info->ptMinTrackSize = {least.cx, least.cy};
        return TRUE;
    }
    case WM_DRAWITEM:
        if (wparam != static_cast<WPARAM>(ids::Chart)) return FALSE;
        DrawChart(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool EditTrial(HWND owner, const TrialDesign& design, trial::TrialEntries& entries,
               MessageBoxes& boxes, bool skinned) {
    TrialDialog dialog(design, entries, boxes, skinned);
    if (!dialog.Edit(owner)) return false;
    entries = dialog.entries();
    return true;
}

} // namespace mixora::ui
