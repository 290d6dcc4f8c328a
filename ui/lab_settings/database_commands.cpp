#include "database_commands.h"

#include "database_settings_dialog.h"
#include "lab_database_settings.h"
#include "menu_ids.h"
#include "utf.h"

namespace mixora::ui {

bool DatabaseCommands::Run(int id) {
    if (id == menu_ids::kDatabaseSettings) {
        Settings();
        return true;
    }
    if (id == menu_ids::kReconnectLab) {
        Reconnect();
        return true;
    }
    return false;
}

void DatabaseCommands::Settings() {
    EditDatabaseSettings(frame_.hwnd, *frame_.options.message_boxes, frame_.skinned,
                         frame_.options.settings_key);
}

void DatabaseCommands::Reconnect() {
    try {
        const bool was_open = HasOpenedLab();
        lab::LabSession& session = OpenedLab(frame_.options.settings_key);
        if (was_open) session.Reconnect();
        const std::string login = session.connection().Login();
        frame_.Say(Widen("已连接" + session.name() +
                         (login.empty() ? std::string() : "，登录名“" + login + "”") + "。"),
                   MB_OK | MB_ICONINFORMATION);
    } catch (const store::StoreError& error) {
        frame_.Say(Widen(error.Message()), MB_OK | MB_ICONERROR);
    }
}

} // namespace mixora::ui
