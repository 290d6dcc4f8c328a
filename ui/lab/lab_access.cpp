#include "lab_access.h"

#include "lab_command_line.h"
#include "lab_settings.h"
#include "settings.h"
#include "person_dialog.h"
#include "shared_lab.h"
#include "utf.h"

#include <memory>

namespace mixora::ui {

namespace {

// The process's lab database and the name it was opened by (a change of the settings opens
// the one they name next time).
struct SharedLab {
    std::string name;
    std::unique_ptr<store::LabDatabase> database;
};

SharedLab& Shared() {
    static SharedLab lab;
    return lab;
}

bool IsNetworkDrive(char letter) {
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    return GetDriveTypeW(root) == DRIVE_REMOTE;
}

} // namespace

store::LabDatabase OpenLabOfSettings(const std::wstring& settings_key) {
    const std::string name = LabDatabaseOfSettings(settings_key);
    if (name.starts_with(lab::kSharedDatabasePrefix))
        return odbc::OpenSharedLab(name.substr(lab::kSharedDatabasePrefix.size()));
    return store::OpenLabFile(name, IsNetworkDrive);
}

store::LabDatabase* LabAccess::Database(HWND owner) {
    SharedLab& lab = Shared();
    const std::string name = LabDatabaseOfSettings(settings_key_);
    if (lab.database && lab.name == name) return lab.database.get();
    lab.database.reset();
    try {
        lab.database = std::make_unique<store::LabDatabase>(OpenLabOfSettings(settings_key_));
        lab.name = name;
    } catch (const store::StoreError& error) {
        std::string advice;
        // Never written to: the user restores a backup into a new database instead.
        if (error.kind() == store::StoreErrorKind::Damaged)
            advice =
                "\n\n该文件未作任何改动。可将它移开或改名，然后用“文件 → 恢复实验室数据…”从备份"
                "恢复（恢复时会新建数据库）。";
        Say(owner, error.Message() + "\n\n实验室数据库：" + name + advice);
        return nullptr;
    }
    if (!lab.database->notice().empty()) Say(owner, lab.database->notice());
    return lab.database.get();
}

store::LabDatabase* LabAccess::Writable(HWND owner, const wchar_t* what) {
    store::LabDatabase* database = Database(owner);
    if (database && !database->notice().empty()) {
        Say(owner, Narrow(what) + "：实验室数据库是只读打开的。\n\n" + database->notice());
        return nullptr;
    }
    return database;
}

std::optional<std::string> LabAccess::Person(HWND owner, bool skinned) {
    if (store::LabDatabase* database = Shared().database.get()) {
        if (std::string login = database->connection->Login(); !login.empty()) return login;
    }
    std::wstring name = SettingText(kUserNameValue, settings_key_);
    if (!name.empty()) return Narrow(name);
    if (!AskPersonName(owner, name, boxes_, skinned)) return std::nullopt;
    if (WriteSettingText(kUserNameValue, name, settings_key_))
        Say(owner, "无法把姓名保存到设置（HKCU\\" + Narrow(settings_key_) +
                       "\\UserName）：下次还会询问。");
    return Narrow(name);
}

void LabAccess::Say(HWND owner, const std::string& message, UINT style) const {
    boxes_.Show(owner, Widen(message), kLabTitle, style);
}

int LabAccess::Ask(HWND owner, const std::wstring& question, UINT style) const {
    return boxes_.Show(owner, question, kLabTitle, style);
}

void LabAccess::CloseShared() {
    Shared().database.reset();
    Shared().name.clear();
}

} // namespace mixora::ui
