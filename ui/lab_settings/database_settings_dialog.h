#pragma once
// 文件 → 数据库设置…: the database settings' form (database_settings_form.h) in a dialog of its
// own, with 确定 and 取消.
#include "message_boxes.h"
#include "recent_store.h"

#include <windows.h>

#include <string>

namespace mixora::ui {

// True when the user chose 确定 and the settings were written.
bool EditDatabaseSettings(HWND owner, MessageBoxes& boxes, bool skinned,
                          const std::wstring& settings_key = kSettingsKey);

} // namespace mixora::ui
