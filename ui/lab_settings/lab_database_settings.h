#pragma once
// 实验室设置 → 数据库 as this computer keeps it, under HKCU\Software\Mixora beside the person's
// name (UserName): LabDatabase (the database file; absent: %APPDATA%\Mixora\lab.sqlite),
// LabDatabaseKind ("shared" for the shared database, else the file) and LabConnection (the
// shared database's ODBC connection string, without its password: that is kept in the
// credential store, credential_store.h). And the one function every window command that needs
// the lab database opens it with.
#include "lab_database_setting.h"
#include "lab_session.h"
#include "recent_store.h"

#include <string>

namespace mixora::ui {

lab::LabDatabaseSetting LoadLabDatabaseSetting(const std::wstring& key = kSettingsKey);

// Writes the setting; `password`, when not empty, goes to the credential store (a password left
// in the connection string is taken out and kept there too). False when either refused.
bool SaveLabDatabaseSetting(lab::LabDatabaseSetting setting, const std::wstring& password,
                            const std::wstring& key = kSettingsKey);

// The password kept for the shared database of a connection string (empty when none).
std::wstring KeptPassword(const std::string& connection);

// The lab database as the settings say: the file on this computer, or the shared database with
// its kept password (StoreError when it cannot be opened; never the file instead).
store::LabDatabase OpenLabOfSettings(const std::wstring& key = kSettingsKey);

// The lab database the windows of this program share, opened as the settings say on first use
// and kept (StoreError when it cannot be opened: asked again next time). Its Who() is the login
// on a shared database, else the name set on this computer (UserName).
lab::LabSession& OpenedLab(const std::wstring& key = kSettingsKey);
// After the settings change: the next OpenedLab opens the database they name.
void CloseOpenedLab();
// Whether OpenedLab has a database open.
bool HasOpenedLab();

} // namespace mixora::ui
