#include "lab_database_settings.h"

#include "command_line_export.h"
#include "connection_string.h"
#include "credential_store.h"
#include "lab_command_line.h"
#include "settings.h"
#include "utf.h"

#include <windows.h>

#include <memory>

namespace mixora::ui {

namespace {

constexpr const wchar_t* kKindValue = L"LabDatabaseKind";
constexpr const wchar_t* kConnectionValue = L"LabConnection";
constexpr const wchar_t* kShared = L"shared";

std::unique_ptr<lab::LabSession>& Opened() {
    static std::unique_ptr<lab::LabSession> session;
    return session;
}

} // namespace

lab::LabDatabaseSetting LoadLabDatabaseSetting(const std::wstring& key) {
    lab::LabDatabaseSetting setting;
    setting.connection = Narrow(SettingText(kConnectionValue, key));
    if (SettingText(kKindValue, key) == kShared && !setting.connection.empty())
        setting.kind = lab::LabDatabaseKind::Shared;
    // A shared database named as the command line names one ("odbc:…"), set by hand.
    const std::string file = Narrow(SettingText(kLabDatabaseValue, key));
    if (file.starts_with(lab::kSharedDatabasePrefix)) {
        setting.kind = lab::LabDatabaseKind::Shared;
        setting.connection = file.substr(lab::kSharedDatabasePrefix.size());
        setting.path = Narrow(DefaultLabDatabasePath());
        return setting;
    }
    setting.path = Narrow(LabDatabasePath(key));
    return setting;
}

bool SaveLabDatabaseSetting(lab::LabDatabaseSetting setting, const std::wstring& password,
                            const std::wstring& key) {
    lab::SplitConnection split = lab::SplitPassword(setting.connection);
    std::wstring kept_password = password.empty() ? Widen(split.password) : password;
    bool saved = true;
    if (!kept_password.empty())
        saved &= StorePassword(Widen(lab::CredentialTarget(split.kept)),
                               Widen(odbc::ConnectionValue(split.kept, "Uid")), kept_password);
    SecureZeroMemory(kept_password.data(), kept_password.size() * sizeof(wchar_t));
    const std::wstring path = Widen(setting.path);
    // The default place is not written down, so that it follows the user's profile.
    saved &=
        !WriteSettingText(kLabDatabaseValue, path == DefaultLabDatabasePath() ? L"" : path, key);
    saved &= !WriteSettingText(kConnectionValue, Widen(split.kept), key);
    saved &= !WriteSettingText(
        kKindValue, setting.kind == lab::LabDatabaseKind::Shared ? kShared : L"local", key);
    return saved;
}

std::wstring KeptPassword(const std::string& connection) {
    return StoredPassword(Widen(lab::CredentialTarget(connection))).value_or(L"");
}

store::LabDatabase OpenLabOfSettings(const std::wstring& key) {
    const lab::LabDatabaseSetting setting = LoadLabDatabaseSetting(key);
    std::string password;
    if (setting.kind == lab::LabDatabaseKind::Shared)
        password = Narrow(KeptPassword(setting.connection));
    store::LabDatabase database = lab::OpenLabOfSetting(setting, password, IsNetworkDriveLetter);
    SecureZeroMemory(password.data(), password.size());
    return database;
}

lab::LabSession& OpenedLab(const std::wstring& key) {
    if (!Opened())
        Opened() = std::make_unique<lab::LabSession>(
            OpenLabOfSettings(key), lab::DescribeSetting(LoadLabDatabaseSetting(key)),
            Narrow(PersonNameOfSettings(key)));
    return *Opened();
}

void CloseOpenedLab() {
    Opened().reset();
}

bool HasOpenedLab() {
    return Opened() != nullptr;
}

} // namespace mixora::ui
