#include "report_info_dialog.h"

#include "callback_guard.h"

#include "dialog_template.h"
#include "skin.h"
#include "least_batch.h"
#include "utf.h"

#include <cmath>
#include <span>

namespace mixora::ui {

namespace {

using namespace report_info_ids;
using report::ReportInfo;

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kCombo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr int kNoId = -1;

// clang-format off
constexpr DialogItem kItems[] = {
    {L"Static", kNoId, L"工程名称：", kLabel, 8, 10, 46, 10},
    {L"Edit", kProject, L"", kEdit, 56, 8, 236, 13},
    {L"Static", kNoId, L"委托单位：", kLabel, 8, 28, 46, 10},
    {L"Edit", kClient, L"", kEdit, 56, 26, 236, 13},
    {L"Static", kNoId, L"使用部位：", kLabel, 8, 46, 46, 10},
    {L"Edit", kLocation, L"", kEdit, 56, 44, 236, 13},
    {L"Static", kNoId, L"报告编号：", kLabel, 8, 64, 46, 10},
    {L"Edit", kReportNumber, L"", kEdit, 56, 62, 100, 13},
    {L"Static", kNoId, L"日期：", kLabel, 164, 64, 42, 10},
    {L"Edit", kDate, L"", kEdit, 208, 62, 84, 13},
    {L"Static", kNoId, L"环境类别：", kLabel, 8, 82, 46, 10},
    {L"ComboBox", kEnvironment, L"", kCombo, 56, 80, 100, 90},
    {L"Static", kNoId, L"结构类型：", kLabel, 164, 82, 42, 10},
    {L"ComboBox", kStructure, L"", kCombo, 208, 80, 84, 90},
    {L"Static", kNoId, L"试拌体积：", kLabel, 8, 100, 46, 10},
    {L"Edit", kTrialVolume, L"", kEdit, 56, 98, 60, 13},
    {L"Static", kNoId, L"L", kLabel, 120, 100, 12, 10},
    {L"Static", kTrialMinimum, L"", kLabel, 56, 114, 236, 10}, // the least volumes
    {L"Static", kNoId, L"试验：", kLabel, 8, 132, 46, 10},
    {L"Edit", kTestedBy, L"", kEdit, 56, 130, 56, 13},
    {L"Static", kNoId, L"审核：", kLabel, 120, 132, 26, 10},
    {L"Edit", kReviewedBy, L"", kEdit, 146, 130, 56, 13},
    {L"Static", kNoId, L"批准：", kLabel, 210, 132, 26, 10},
    {L"Edit", kApprovedBy, L"", kEdit, 236, 130, 56, 13},
    {L"Static", kNoId, L"备注：", kLabel, 8, 150, 46, 10},
    {L"Edit", kRemarks, L"",
     kEdit | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, 56, 148, 236, 40},
    {L"Button", IDOK, L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON, 180, 198, 54, 15},
    {L"Button", IDCANCEL, L"取消", WS_TABSTOP | BS_PUSHBUTTON, 238, 198, 54, 15},
};
// clang-format on

constexpr DialogLayout kDialog{
    kReportInfoTitle, DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 300, 221,
    kItems,
};

// The plain texts of the header and the field that shows each.
struct TextField {
    int id;
    std::string ReportInfo::*member;
    int limit; // characters
};
constexpr TextField kTextFields[] = {
    {kProject, &ReportInfo::project, 200},
    {kClient, &ReportInfo::client, 200},
    {kLocation, &ReportInfo::location, 200},
    {kReportNumber, &ReportInfo::report_number, 100},
    {kDate, &ReportInfo::date, 100},
    {kTestedBy, &ReportInfo::tested_by, 50},
    {kReviewedBy, &ReportInfo::reviewed_by, 50},
    {kApprovedBy, &ReportInfo::approved_by, 50},
    {kRemarks, &ReportInfo::remarks, 2000},
};

struct DialogState {
    ReportInfo* info;
    MessageBoxes* boxes;
    bool skinned;
};

std::wstring ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The edit control writes line breaks as CR LF; the header keeps LF.
std::string FromEdit(const std::wstring& text) {
    std::wstring plain;
    for (const wchar_t c : text)
        if (c != L'\r') plain += c;
    return Narrow(plain);
}

std::wstring ToEdit(const std::string& text) {
    std::wstring shown;
    for (const wchar_t c : Widen(text)) {
        if (c == L'\n') shown += L'\r';
        if (c != L'\r') shown += c;
    }
    return shown;
}

template <typename E, size_t N>
void FillCombo(HWND combo, const std::array<standards::Choice<E>, N>& choices, E chosen) {
    for (size_t i = 0; i < N; ++i) {
        SendMessageW(combo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Widen(choices[i].name).c_str()));
        if (choices[i].value == chosen) SendMessageW(combo, CB_SETCURSEL, i, 0);
    }
}

template <typename E, size_t N>
E ComboChoice(HWND combo, const std::array<standards::Choice<E>, N>& choices, E fallback) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return index >= 0 && static_cast<size_t>(index) < N ? choices[static_cast<size_t>(index)].value
                                                        : fallback;
}

void Fill(HWND dialog, const ReportInfo& info) {
    for (const TextField& field : kTextFields) {
        SendDlgItemMessageW(dialog, field.id, EM_LIMITTEXT, static_cast<WPARAM>(field.limit), 0);
        SetDlgItemTextW(dialog, field.id, ToEdit(info.*field.member).c_str());
    }
    FillCombo(GetDlgItem(dialog, kEnvironment), standards::kEnvironmentClasses, info.environment);
    FillCombo(GetDlgItem(dialog, kStructure), standards::kStructureTypes, info.structure);
    SetDlgItemTextW(dialog, kTrialMinimum, Widen(report::TrialMinimumHint()).c_str());
    SendDlgItemMessageW(dialog, kTrialVolume, EM_LIMITTEXT, 20, 0);
    SetDlgItemTextW(dialog, kTrialVolume,
                    Widen(report::LitresText(info.trial_volume_litres)).c_str());
}

// What the dialog shows, or nothing (after saying why) when the trial volume is wrong.
std::optional<ReportInfo> Collect(HWND dialog, const DialogState& state) {
    ReportInfo info = *state.info;
    const std::wstring volume = ItemText(dialog, kTrialVolume);
    const auto litres = ReadTrialVolume(volume);
    if (!litres) {
        state.boxes->Show(dialog,
                          L"“试拌体积”必须是大于 0 的数（单位：L），现在是“" + volume + L"”。",
                          kReportInfoTitle, MB_OK | MB_ICONWARNING);
        HWND field = GetDlgItem(dialog, kTrialVolume);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        return std::nullopt;
    }
    info.trial_volume_litres = *litres;
    for (const TextField& field : kTextFields)
        info.*field.member = FromEdit(ItemText(dialog, field.id));
    info.environment = ComboChoice(GetDlgItem(dialog, kEnvironment), standards::kEnvironmentClasses,
                                   info.environment);
    info.structure =
        ComboChoice(GetDlgItem(dialog, kStructure), standards::kStructureTypes, info.structure);
    return info;
}

// The skin comes off before the dialog goes, as it does for the design window.
void Close(HWND dialog, const DialogState& state, INT_PTR result) {
    if (state.skinned) skin::RemoveSkin(dialog);
    EndDialog(dialog, result);
}

INT_PTR OnCommand(HWND dialog, const DialogState& state, int id) {
    if (id == IDOK) {
        if (auto info = Collect(dialog, state)) {
            *state.info = std::move(*info);
            Close(dialog, state, IDOK);
        }
        return TRUE;
    }
    if (id == IDCANCEL) {
        Close(dialog, state, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        auto* state = reinterpret_cast<DialogState*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        Fill(dialog, *state->info);
        if (state->skinned) skin::InstallSkin(dialog);
        return TRUE;
    }
    const auto* state = reinterpret_cast<const DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) return OnCommand(dialog, *state, LOWORD(wparam));
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return base::Guarded("报告信息", INT_PTR{FALSE},
                         [&] { return HandleMessage(dialog, message, wparam, lparam); });
}

} // namespace

bool EditReportInfo(HWND owner, ReportInfo& info, MessageBoxes& boxes, bool skinned) {
    const std::vector<WORD> dialog_template = BuildDialogTemplate(kDialog);
    DialogState state{&info, &boxes, skinned};
    const INT_PTR result = DialogBoxIndirectParamW(
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
        reinterpret_cast<const DLGTEMPLATE*>(dialog_template.data()), owner, &Procedure,
        reinterpret_cast<LPARAM>(&state));
    return result == IDOK;
}

std::optional<double> ReadTrialVolume(std::wstring_view text) {
    return report::ReadTrialVolume(Narrow(text));
}

std::string TodayText() {
    wchar_t text[32]{};
    if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, L"yyyy-MM-dd", text, 32, nullptr) ==
        0)
        return {};
    return Narrow(text);
}

} // namespace mixora::ui
