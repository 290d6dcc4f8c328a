#pragma once
// 文件 → 实验室设置…: what the program keeps once per computer (settings.h), in one dialog. Its
// sections are data: a section is a group of fields, each kept as one settings value, so a
// later setting is a row of the table and a new section a group.
#include "message_boxes.h"
#include "recent_store.h"

#include <windows.h>

#include <string>

namespace mixora::ui {

// Control IDs of the dialog, for tests and automation.
namespace lab_settings_ids {
inline constexpr int kLabGroup = 8001; // 实验室
inline constexpr int kLabName = 8002;
inline constexpr int kLabAddress = 8003;
inline constexpr int kLabCertificate = 8004;
} // namespace lab_settings_ids

inline constexpr const wchar_t* kLabSettingsTitle = L"实验室设置";

// Shows the modal dialog over `owner`; on 确定 writes what it shows under HKCU\`key`. True when
// the settings were written; a value that could not be is named through `boxes`.
bool EditLabSettings(HWND owner, MessageBoxes& boxes, bool skinned,
                     const std::wstring& key = kSettingsKey);

} // namespace mixora::ui
