#pragma once
// The program's text settings under HKCU\Software\Mixora (the lab database's file, the person
// working, the shared database's connection …): read, written and removed in one place.
#include "recent_store.h"

#include <string>

namespace mixora::ui {

// A text value (REG_SZ) under HKCU\<settings_key>; empty when there is none.
std::wstring ReadSetting(const std::wstring& settings_key, const wchar_t* name);
// Writes it, or removes it when `value` is empty; false when the registry refused.
bool WriteSetting(const std::wstring& settings_key, const wchar_t* name, const std::wstring& value);

} // namespace mixora::ui
