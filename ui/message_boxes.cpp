#include "message_boxes.h"

#include <string>
#include <utility>

namespace mixora::ui {

namespace {

// The save question names its buttons after what they do: the system's box says 是, 否 and 取消,
// so its buttons are renamed as it is activated.
thread_local HHOOK save_prompt_hook = nullptr;

LRESULT CALLBACK RenameSaveButtons(int code, WPARAM wparam, LPARAM lparam) noexcept {
    // Only calls into the system: nothing here can throw.
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wparam);
        SetDlgItemTextW(box, IDYES, L"保存(&S)");
        SetDlgItemTextW(box, IDNO, L"不保存(&N)");
        SetDlgItemTextW(box, IDCANCEL, L"取消");
    }
    return CallNextHookEx(save_prompt_hook, code, wparam, lparam);
}

} // namespace

int SystemMessageBoxes::Show(HWND owner, std::wstring_view text, std::wstring_view title,
                             UINT style) {
    // MessageBoxW needs terminated strings.
    const std::wstring text_z(text), title_z(title);
    const bool save_prompt = style == kSavePromptStyle;
    if (save_prompt)
        save_prompt_hook =
            SetWindowsHookExW(WH_CBT, RenameSaveButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, text_z.c_str(), title_z.c_str(), style);
    if (save_prompt && save_prompt_hook)
        UnhookWindowsHookEx(std::exchange(save_prompt_hook, nullptr));
    return answer;
}

} // namespace mixora::ui
