#pragma once
// 文件 → 台账…: the register of designs (配合比台账): each number's latest revision with its
// state, grade, project and date; filters by grade, state, date registered, a material record
// cited and a special requirement; search by number or project; the revisions of the one
// selected with who took each step and when; 审核, 批准, 停用 recording who; the differences
// from the revision before; 打开 a design in a design window.
#include "lab_access.h"

#include <windows.h>

#include <cstdint>
#include <optional>

namespace mixora::ui {

inline constexpr const wchar_t* kRegisterTitle = L"配合比台账";

// Shows the register over `owner`; the revision to open (its row) when the user chose 打开.
std::optional<std::int64_t> ShowDesignRegister(HWND owner, LabAccess& lab, bool skinned);

} // namespace mixora::ui
