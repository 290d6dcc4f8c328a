#pragma once
// Every message box of the design window goes through this interface, so tests can record
// them instead of blocking on a modal box.
#include <windows.h>

#include <string_view>

namespace mixora::ui {

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual int Show(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) = 0;
};

// The real, modal message box.
class SystemMessageBoxes final : public MessageBoxes {
  public:
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
};

// The question before unsaved changes are lost; its buttons read 保存, 不保存 and 取消 and answer
// IDYES, IDNO and IDCANCEL.
inline constexpr UINT kSavePromptStyle = MB_YESNOCANCEL | MB_ICONWARNING;

// The question before 保存 replaces a design file another program has changed since it was read
// or saved; its buttons read 覆盖, 另存为 and 取消 (the default) and answer IDYES, IDNO and
// IDCANCEL.
inline constexpr UINT kChangedOnDiskStyle = MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON3;

// The question before 取消 drops what was typed in a dialog; its buttons read 保留 (keep it, as
// 确定 does), 放弃 and 取消 (back to the dialog) and answer IDYES, IDNO and IDCANCEL.
inline constexpr UINT kKeepEntriesStyle = MB_YESNOCANCEL | MB_ICONQUESTION;

// The program's default title for its message boxes.
inline constexpr const wchar_t* kProgramTitle = L"Mixora";

} // namespace mixora::ui
