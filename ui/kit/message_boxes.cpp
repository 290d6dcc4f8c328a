#include "message_boxes.h"

#include <string>
#include <utility>

namespace mixora::ui {

namespace {

// The questions name their buttons after what they do: the system's box says 是, 否 and 取消,
// so its buttons are renamed as it is activated.
struct ButtonNames {
    UINT style;
    const wchar_t* yes;
    const wchar_t* no;
    const wchar_t* cancel;
};
constexpr ButtonNames kNamedButtons[] = {
    {kSavePromptStyle, L"保存(&S)", L"不保存(&N)", L"取消"},
    {kChangedOnDiskStyle, L"覆盖(&O)", L"另存为(&A)...", L"取消"},
    {kKeepEntriesStyle, L"保留(&K)", L"放弃(&D)", L"取消"},
};

thread_local HHOOK rename_hook = nullptr;
thread_local const ButtonNames* renamed = nullptr;

LRESULT CALLBACK RenameButtons(int code, WPARAM wparam, LPARAM lparam) noexcept {
    // Only calls into the system: nothing here can throw.
    if (code == HCBT_ACTIVATE && renamed) {
        HWND box = reinterpret_cast<HWND>(wparam);
        SetDlgItemTextW(box, IDYES, renamed->yes);
        SetDlgItemTextW(box, IDNO, renamed->no);
        SetDlgItemTextW(box, IDCANCEL, renamed->cancel);
    }
    return CallNextHookEx(rename_hook, code, wparam, lparam);
}

} // namespace

int SystemMessageBoxes::Show(HWND owner, std::wstring_view text, std::wstring_view title,
                             UINT style) {
    // MessageBoxW needs terminated strings.
    const std::wstring text_z(text), title_z(title);
    const ButtonNames* names = nullptr;
    for (const ButtonNames& candidate : kNamedButtons)
        if (candidate.style == style) names = &candidate;
    if (!names) return MessageBoxW(owner, text_z.c_str(), title_z.c_str(), style);
    // A box shown while another is up restores the other's names after it.
    const ButtonNames* outer = std::exchange(renamed, names);
    const HHOOK outer_hook = std::exchange(
        rename_hook, SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId()));
    const int answer = MessageBoxW(owner, text_z.c_str(), title_z.c_str(), style);
    if (rename_hook) UnhookWindowsHookEx(rename_hook);
    rename_hook = outer_hook;
    renamed = outer;
    return answer;
}

} // namespace mixora::ui
