#pragma once
// The lab's settings on this computer, under HKCU\<settings key> (Software\Mixora): the value
// LabDatabase (the lab database: a file, or odbc: and a shared database's connection string)
// and UserName (the person working, whom the register records); read and written by settings.h.
#include <string>

namespace mixora::ui {

inline constexpr const wchar_t* kLabDatabaseValue = L"LabDatabase";
inline constexpr const wchar_t* kUserNameValue = L"UserName";

// The lab database the settings name (UTF-8): "odbc:…" as set, a file made absolute, or else
// Mixora\lab.sqlite in the user's application-data folder (the folder made when missing).
std::string LabDatabaseOfSettings(const std::wstring& settings_key);

} // namespace mixora::ui
