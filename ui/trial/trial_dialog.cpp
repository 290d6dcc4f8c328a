#include "trial_dialog.h"

#include "callback_guard.h"

#include "accessible_names.h"
#include "chart_view.h"
#include "dialog_template.h"
#include "frame.h"
#include "high_contrast.h"
#include "skin.h"
#include "trial_fields.h"
#include "trial_ids.h"
#include "trial_layout.h"
#include "trial_texts.h"
#include "utf.h"
#include "window_classes.h"

#include <vector>

namespace mixora::ui {

namespace {

namespace ids = trial_ids;
using T = TrialControl;

struct DialogState {
    const TrialDesign* design = nullptr;
    trial::TrialEntries entries;
    trial::TrialRecord record;
    bool skinned = false;
    bool writing = false;       // the dialog writes a text: its EN_CHANGE is not the user's
    std::vector<HWND> controls; // in layout order
    AccessibleNames names;      // of the cells that have no label
};

struct ClassAndStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

ClassAndStyle ClassFor(const TrialLayoutEntry& entry) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_GROUP;
    constexpr DWORD text = SS_NOPREFIX;
    switch (entry.type) {
    case T::Group:
        return {kFrameClass, child | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case T::Label: return {L"Static", child | SS_LEFT | text, 0};
    case T::Header: return {L"Static", child | SS_CENTER | text, 0};
    case T::Note: return {L"Static", child | SS_LEFT | text, 0};
    case T::Stage: return {L"Static", child | SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS | text, 0};
    case T::Input:
        return {L"Edit", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case T::Output:
        return {L"Edit", child | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
    case T::Option:
        return {kOptionClass,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON |
                    (entry.first ? WS_GROUP : 0u),
                0};
    case T::Choice: return {L"ComboBox", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case T::Chart: return {L"Static", child | SS_OWNERDRAW, 0};
    case T::Button:
        return {L"Button",
                child | WS_TABSTOP | (entry.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    }
    return {L"Static", child, 0};
}

HWND Control(const DialogState& state, int id) {
    const TrialLayoutEntry* entry = FindTrialEntry(id);
    if (!entry) return nullptr;
    const auto index = static_cast<std::size_t>(entry - TrialLayout().data());
    return index < state.controls.size() ? state.controls[index] : nullptr;
}

// The controls in table order, each at the bottom of its siblings so that Tab follows the table.
bool CreateControls(HWND dialog, DialogState& state) {
    const auto font = static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    for (const TrialLayoutEntry& entry : TrialLayout()) {
        RECT place{entry.x, entry.y, entry.x + entry.cx, entry.y + entry.cy};
        MapDialogRect(dialog, &place);
        HWND parent = entry.parent ? Control(state, entry.parent) : dialog;
        const auto [class_name, style, ex_style] = ClassFor(entry);
        HWND control = CreateWindowExW(
            ex_style, class_name, entry.caption, style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
        if (!control) return false;
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, font, FALSE);
        state.controls.push_back(control);
    }
    return true;
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Write(DialogState& state, HWND control, const std::wstring& text) {
    if (!control || TextOf(control) == text) return;
    state.writing = true;
    SetWindowTextW(control, text.c_str());
    state.writing = false;
}

bool IsChecked(HWND option) {
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ShowEntries(DialogState& state) {
    for (const TrialTextField& field : TrialTextFields()) {
        HWND edit = Control(state, field.id);
        SendMessageW(edit, EM_LIMITTEXT, kTrialFieldLimit, 0);
        Write(state, edit, Widen(field.text(state.entries)));
    }
    for (const AdjustmentOption& option : AdjustmentOptions())
        SendMessageW(Control(state, option.id), BM_SETCHECK,
                     option.kind == state.entries.adjustment.kind ? BST_CHECKED : BST_UNCHECKED, 0);
    HWND sizes = Control(state, ids::Specimen);
    for (const trial::SpecimenSize size : SpecimenSizesShown()) {
        const auto index =
            SendMessageW(sizes, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Widen(trial::SizeRow(size).name).c_str()));
        SendMessageW(sizes, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(size));
        if (size == state.entries.strength.specimen)
            SendMessageW(sizes, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void ReadEntries(DialogState& state) {
    for (const TrialTextField& field : TrialTextFields())
        field.text(state.entries) = Narrow(TextOf(Control(state, field.id)));
    for (const AdjustmentOption& option : AdjustmentOptions())
        if (IsChecked(Control(state, option.id))) state.entries.adjustment.kind = option.kind;
    HWND sizes = Control(state, ids::Specimen);
    if (const auto index = SendMessageW(sizes, CB_GETCURSEL, 0, 0); index != CB_ERR)
        state.entries.strength.specimen = static_cast<trial::SpecimenSize>(
            SendMessageW(sizes, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

// Each adjustment kind's own fields are open only while it is chosen.
void EnableAdjustmentFields(const DialogState& state) {
    for (const TrialTextField& field : TrialTextFields())
        if (field.only_for)
            EnableWindow(Control(state, field.id),
                         *field.only_for == state.entries.adjustment.kind);
}

void Recompute(DialogState& state) {
    state.record = trial::RunTrial(state.design->basis, state.design->method, state.entries);
    const std::map<int, std::string> texts = TrialTexts(state.design->basis, state.record);
    for (const TrialLayoutEntry& entry : TrialLayout()) {
        if (entry.type != T::Output && entry.type != T::Note && entry.type != T::Stage) continue;
        const auto found = texts.find(entry.id);
        Write(state, Control(state, entry.id),
              found == texts.end() ? std::wstring() : Widen(found->second));
    }
    EnableAdjustmentFields(state);
    InvalidateRect(Control(state, ids::Chart), nullptr, TRUE);
}

// The chart of the chosen ratio in a framed box; an empty box until there is one.
void DrawChartItem(const DRAWITEMSTRUCT& item, const DialogState& state) {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_WINDOW));
    if (const auto& choice = state.record.choice.value) {
        RECT inside = area;
        InflateRect(&inside, -1, -1);
        DrawChart(item.hDC, inside, choice->plot);
    }
    FrameRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNSHADOW));
}

// The cells of the rows are named by column and row; the groups follow a high-contrast theme.
void Annotate(DialogState& state) {
    const bool high_contrast = HighContrastOn();
    for (const TrialLayoutEntry& entry : TrialLayout()) {
        HWND control = Control(state, entry.id);
        if (entry.type == T::Group) SetFrameSystemColours(control, high_contrast);
        if (const std::wstring name = TrialCellName(entry.id); !name.empty())
            state.names.Name(control, name.c_str());
    }
}

void Close(HWND dialog, DialogState& state, INT_PTR result) {
    state.names.Clear();
    if (state.skinned) skin::RemoveSkin(dialog);
    EndDialog(dialog, result);
}

INT_PTR OnInit(HWND dialog, DialogState& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    if (!CreateControls(dialog, state)) {
        EndDialog(dialog, IDABORT);
        return TRUE;
    }
    ShowEntries(state);
    Annotate(state);
    Recompute(state);
    if (state.skinned) skin::InstallSkin(dialog);
    SetFocus(Control(state, ids::Litres));
    return FALSE; // the focus is set
}

INT_PTR OnCommand(HWND dialog, DialogState& state, int id, UINT code) {
    if (id == IDOK || id == IDCANCEL) {
        if (code != BN_CLICKED) return FALSE;
        if (id == IDOK) ReadEntries(state);
        Close(dialog, state, id);
        return TRUE;
    }
    if (state.writing) return FALSE;
    const TrialLayoutEntry* entry = FindTrialEntry(id);
    if (!entry) return FALSE;
    const bool edited = (entry->type == T::Input && code == EN_CHANGE) ||
                        (entry->type == T::Option && code == BN_CLICKED) ||
                        (entry->type == T::Choice && code == CBN_SELCHANGE);
    if (!edited) return FALSE;
    ReadEntries(state);
    Recompute(state);
    return TRUE;
}

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) return OnInit(dialog, *reinterpret_cast<DialogState*>(lparam));
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND: return OnCommand(dialog, *state, LOWORD(wparam), HIWORD(wparam));
    case WM_DRAWITEM:
        if (wparam != static_cast<WPARAM>(ids::Chart)) return FALSE;
        DrawChartItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), *state);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return base::Guarded("试配与调整", INT_PTR{FALSE},
                         [&] { return HandleMessage(dialog, message, wparam, lparam); });
}

constexpr DialogLayout kDialog{
    kTrialDialogTitle,
    DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    kTrialDialogWidth,
    kTrialDialogHeight,
    {},
};

} // namespace

bool EditTrial(HWND owner, const TrialDesign& design, trial::TrialEntries& entries, bool skinned) {
    const std::vector<WORD> dialog_template = BuildDialogTemplate(kDialog);
    DialogState state;
    state.design = &design;
    state.entries = entries;
    state.skinned = skinned;
    const INT_PTR result = DialogBoxIndirectParamW(
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
        reinterpret_cast<const DLGTEMPLATE*>(dialog_template.data()), owner, &Procedure,
        reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return false;
    entries = state.entries;
    return true;
}

} // namespace mixora::ui
