#pragma once
// The lab's settings on this computer, under HKCU\<settings key> (Software\Mixora): the value
// LabDatabase (the lab database: a file, or odbc: and a shared database's connection string)
// and UserName (the person working, whom the register records).
#include <string>

namespace mixora::ui {

inline constexpr const wchar_t* kLabDatabaseValue = L"LabDatabase";
inline constexpr const wchar_t* kUserNameValue = L"UserName";

// A text value of the settings; empty when there is none.
std::wstring ReadSetting(const std::wstring& settings_key, const wchar_t* name);
// False when the registry could not be written.
bool WriteSetting(const std::wstring& settings_key, const wchar_t* name, const std::wstring& value);

// The lab database the settings name (UTF-8): "odbc:…" as set, a file made absolute, or else
// Mixora\lab.sqlite in the user's application-data folder (the folder made when missing).
std::string LabDatabaseOfSettings(const std::wstring& settings_key);

} // namespace mixora::ui
