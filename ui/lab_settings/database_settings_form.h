#pragma once
// 实验室设置 → 数据库 as a form of its own, to be hosted by a dialog (or a page of the lab's
// settings): 本机数据库 and its file, or 共享数据库 (a DSN or a connection string, and its
// password, which goes to Windows' credential store); 测试连接, 初始化共享数据库… and
// 从本机数据库迁移到共享数据库…, each saying what came of it in the form's result box.
#include "form.h"
#include "lab_database_setting.h"
#include "message_boxes.h"
#include "recent_store.h"

#include <windows.h>

#include <string>

namespace mixora::ui {

inline constexpr const wchar_t* kDatabaseSettingsTitle = L"实验室设置 — 数据库";
// The form's size in dialog units, for its host to place it (at the host's top left).
inline constexpr int kDatabaseSettingsWidth = 320, kDatabaseSettingsHeight = 214;

class DatabaseSettingsForm {
  public:
    DatabaseSettingsForm(MessageBoxes& boxes, bool skinned,
                         std::wstring settings_key = kSettingsKey);
    DatabaseSettingsForm(const DatabaseSettingsForm&) = delete;
    DatabaseSettingsForm& operator=(const DatabaseSettingsForm&) = delete;

    // Creates the controls in `parent`, filled from the settings; false when one cannot be made.
    bool Create(HWND parent);
    // A command of one of its controls; false when it is not the form's.
    bool OnCommand(int id, UINT code);
    // 确定: writes the settings (the password to the credential store) and closes the lab the
    // windows have open, so that the next command opens the one chosen. False, after saying
    // why, when they cannot be kept.
    bool Apply();
    // Before the controls go.
    void Release() { form_.Release(); }

    Form& form() { return form_; }

  private:
    lab::LabDatabaseSetting Shown() const;
    // The password typed, else the one kept for the shown connection.
    std::string Password(const std::string& kept_connection) const;
    void ShowKind(lab::LabDatabaseKind kind);
    void Browse();
    void TestConnection();
    void Initialize();
    void Migrate();
    void ShowResult(const std::string& text);
    void Say(const std::wstring& text, UINT style);

    MessageBoxes& boxes_;
    bool skinned_;
    std::wstring settings_key_;
    HWND parent_ = nullptr;
    Form form_;
};

} // namespace mixora::ui
