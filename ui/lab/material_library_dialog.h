#pragma once
// 材料 → 原材料库…: the lab's tested materials, listed by kind with filters (kind, maker, date
// sampled, in use), each record's details and the designs citing it; 新增, 修改 (a record a
// design cites gets its next version, the cited one kept) and 停用.
#include "lab_access.h"

#include <windows.h>

namespace mixora::ui {

inline constexpr const wchar_t* kLibraryTitle = L"原材料库";

void ShowMaterialLibrary(HWND owner, LabAccess& lab, bool skinned);

} // namespace mixora::ui
