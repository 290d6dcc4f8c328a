#pragma once
// 原材料记录: the form of one record of the library, its common fields and its kind's test
// properties, laid out from the kinds' table (store/material_kinds.h): the rows name, type and
// unit follow the kind chosen.
#include "material_library.h"
#include "message_boxes.h"

#include <windows.h>

#include <functional>
#include <string>

namespace mixora::ui {

inline constexpr const wchar_t* kRecordTitle = L"原材料记录";

// Saves what the form holds: empty when saved, else why not (Chinese); the form then stays
// open with what the user typed.
using SaveRecord = std::function<std::string(const store::MaterialFields& fields)>;

// Shows the form over `owner` with `fields` (a new record when `existing` is null, else that
// record, whose kind stays); true when it was saved. `note` says what saving makes (the record
// changed in place, or its next version).
bool EditMaterialRecord(HWND owner, store::MaterialFields fields, const std::wstring& note,
                        bool is_new, const SaveRecord& save, MessageBoxes& boxes, bool skinned);

} // namespace mixora::ui
