#pragma once
// What the program keeps once per computer, under HKCU\Software\Mixora (kSettingsKey): the one
// reader and writer of its text values — LabDatabase, UserName, the lab's identity (LabName,
// LabAddress, LabCertificate) — beside the recent designs (recent_store.h).
#include "lab_identity.h"
#include "recent_store.h"

#include <optional>
#include <string>

namespace mixora::ui {

// The lab database (a file, or "odbc:" and a shared database's connection string) and the person
// working, whom the register records (lab_database_settings.h keeps the rest of the database's).
inline constexpr const wchar_t* kLabDatabaseValue = L"LabDatabase";
inline constexpr const wchar_t* kUserNameValue = L"UserName";

// A text value of the settings; empty when there is none.
std::wstring SettingText(const wchar_t* name, const std::wstring& key = kSettingsKey);

// Writes (or, when empty, removes) a text value; why not, when it could not be written.
std::optional<std::wstring> WriteSettingText(const wchar_t* name, const std::wstring& value,
                                             const std::wstring& key = kSettingsKey);

// The lab's identity as the documents print it (实验室设置).
struct LabIdentityValue {
    const wchar_t* name; // the registry value
    std::string report::LabIdentity::*member;
};
inline constexpr LabIdentityValue kLabIdentityValues[] = {
    {L"LabName", &report::LabIdentity::name},
    {L"LabAddress", &report::LabIdentity::address},
    {L"LabCertificate", &report::LabIdentity::certificate},
};

report::LabIdentity ReadLabIdentity(const std::wstring& key = kSettingsKey);

} // namespace mixora::ui
