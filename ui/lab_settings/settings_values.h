#pragma once
// The program's text settings under HKCU\Software\Mixora (the lab database's file, the person
// working, the shared database's connection …): read, written and removed in one place.
#include "recent_store.h"

#include <string>

namespace mixora::ui {

// The value (REG_SZ); empty when there is none.
std::wstring SettingText(const wchar_t* name, const std::wstring& key = kSettingsKey);
// Writes it, or removes it when `text` is empty; false when the registry refused.
bool WriteSetting(const wchar_t* name, const std::wstring& text,
                  const std::wstring& key = kSettingsKey);

} // namespace mixora::ui
