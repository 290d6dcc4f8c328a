#include "trial_dialog.h"

#include "chart_view.h"
#include "control_text.h"
#include "form.h"
#include "high_contrast.h"
#include "modal_dialog.h"
#include "trial_fields.h"
#include "trial_ids.h"
#include "trial_layout.h"
#include "trial_texts.h"
#include "utf.h"

namespace mixora::ui {

namespace {

namespace ids = trial_ids;

constexpr DialogLayout kDialog{
    kTrialDialogTitle,
    DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    kTrialDialogWidth,
    kTrialDialogHeight,
    {},
};

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

    void ShowEntries();
    void ReadEntries();
    // 取消 (or Esc, or the close box): what was changed is kept only when the user says so.
    void OnCancel();
    void EnableAdjustmentFields();
    void Recompute();
    void DrawChart(const DRAWITEMSTRUCT& item) const;

    HWND Control(int id) const { return form_.Control(id); }

    const TrialDesign& design_;
    trial::TrialEntries entries_;
    const trial::TrialEntries given_; // as the dialog opened with them
    MessageBoxes& boxes_;
    trial::TrialRecord record_;
    Form form_{TrialForm()};
};

void TrialDialog::ShowEntries() {
    for (const TrialTextField& field : TrialTextFields()) {
        SendMessageW(Control(field.id), EM_SETLIMITTEXT, kTrialFieldLimit, 0);
        form_.Write(field.id, Widen(field.text(entries_)));
    }
    for (const AdjustmentOption& option : AdjustmentOptions())
        SetChecked(Control(option.id), option.kind == entries_.adjustment.kind);
    HWND sizes = Control(ids::Specimen);
    for (const trial::SpecimenSize size : SpecimenSizesShown())
        AddChoice(sizes, Widen(trial::SizeRow(size).name), static_cast<LPARAM>(size));
    SelectValue(sizes, static_cast<LPARAM>(entries_.strength.specimen));
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
    record_ = trial::RunTrial(design_.basis, design_.method, entries_);
    const std::map<int, std::string> texts = TrialTexts(design_.basis, record_);
    for (const ControlEntry& entry : form_.Entries()) {
        if (entry.type != ControlType::Output && entry.type != ControlType::Note &&
            entry.type != ControlType::Line)
            continue;
        const auto found = texts.find(entry.id);
        form_.Write(entry.id, found == texts.end() ? std::wstring() : Widen(found->second));
    }
    EnableAdjustmentFields();
    InvalidateRect(Control(ids::Chart), nullptr, TRUE);
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
    ShowEntries();
    form_.FollowHighContrast(HighContrastOn());
    Recompute();
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
    if (entries_ == given_) {
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
