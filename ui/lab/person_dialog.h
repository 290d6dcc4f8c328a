#pragma once
// The name of the person working, asked for once on this computer when none is set: the
// register records it for every step.
#include "message_boxes.h"

#include <windows.h>

#include <string>

namespace mixora::ui {

inline constexpr const wchar_t* kPersonTitle = L"操作人姓名";

// True when the user gave a name (in `name`, blanks trimmed); false for 取消.
bool AskPersonName(HWND owner, std::wstring& name, MessageBoxes& boxes, bool skinned);

} // namespace mixora::ui
