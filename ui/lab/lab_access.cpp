#include "lab_access.h"

#include "control_text.h"
#include "lab_command_line.h"
#include "lab_database_settings.h"
#include "settings.h"
#include "person_dialog.h"
#include "shared_lab.h"
#include "utf.h"

#include <memory>

namespace mixora::ui {

store::LabDatabase* LabAccess::Database(HWND owner, HWND line) {
    if (RefusedWhileLost(owner, line)) return nullptr;
    const bool opening = !HasOpenedLab();
    lab::LabSession* session = nullptr;
    try {
        session = &OpenedLab(settings_key_);
    } catch (const store::StoreError& error) {
        std::string advice;
        // Never written to: the user restores a backup into a new database instead.
        if (error.kind() == store::StoreErrorKind::Damaged)
            advice =
                "\n\n该文件未作任何改动。可将它移开或改名，然后用“文件 → 恢复实验室数据…”从备份"
                "恢复（恢复时会新建数据库）。";
        Say(owner, error.Message() + "\n\n实验室数据库：" +
                       lab::DescribeSetting(LoadLabDatabaseSetting(settings_key_)) + advice);
        return nullptr;
    }
    // A read-only database's reason is said once, when it is opened.
    if (opening && !session->database().notice().empty()) Say(owner, session->database().notice());
    return &session->database();
}

store::LabDatabase* LabAccess::Writable(HWND owner, const wchar_t* what, HWND line) {
    store::LabDatabase* database = Database(owner, line);
    if (database && !database->notice().empty()) {
        Say(owner, Narrow(what) + "：实验室数据库是只读打开的。\n\n" + database->notice());
        return nullptr;
    }
    return database;
}

std::optional<std::string> LabAccess::Person(HWND owner, bool skinned) {
    if (HasOpenedLab())
        if (std::string login = OpenedLab(settings_key_).connection().Login(); !login.empty())
            return login;
    std::wstring name = SettingText(kUserNameValue, settings_key_);
    if (!name.empty()) return Narrow(name);
    if (!AskPersonName(owner, name, boxes_, skinned)) return std::nullopt;
    if (WriteSettingText(kUserNameValue, name, settings_key_))
        Say(owner, "无法把姓名保存到设置（HKCU\\" + Narrow(settings_key_) +
                       "\\UserName）：下次还会询问。");
    return Narrow(name);
}

void LabAccess::Failed(HWND owner, const store::StoreError& error, HWND line) const {
    SayNotice(owner,
              HasOpenedLab() ? OpenedLab(settings_key_).Tell(error)
                             : lab::LabNotice{error.Message()},
              line);
}

std::string LabAccess::Told(const store::StoreError& error) const {
    return HasOpenedLab() ? OpenedLab(settings_key_).Tell(error).text : error.Message();
}

bool LabAccess::Lost() const {
    return HasOpenedLab() && OpenedLab(settings_key_).lost();
}

bool LabAccess::RefusedWhileLost(HWND owner, HWND line) const {
    if (!Lost()) return false;
    SayNotice(owner, {OpenedLab(settings_key_).LostLine(), false}, line);
    return true;
}

void LabAccess::SayNotice(HWND owner, const lab::LabNotice& notice, HWND line) const {
    if (!notice.box && line) {
        WriteText(line, Widen(notice.text));
        return;
    }
    Say(owner, notice.text);
}

void LabAccess::Say(HWND owner, const std::string& message, UINT style) const {
    boxes_.Show(owner, Widen(message), kLabTitle, style);
}

int LabAccess::Ask(HWND owner, const std::wstring& question, UINT style) const {
    return boxes_.Show(owner, question, kLabTitle, style);
}

void LabAccess::CloseShared() {
    CloseOpenedLab();
}

} // namespace mixora::ui
