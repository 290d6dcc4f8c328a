#include "database_settings_form.h"

#include "administrator_login_dialog.h"
#include "command_line_export.h"
#include "connection_string.h"
#include "control_text.h"
#include "database_settings_ids.h"
#include "lab_command_line.h"
#include "lab_database_settings.h"
#include "shared_lab.h"
#include "utf.h"

#include <commdlg.h>

namespace mixora::ui {

namespace {

using namespace database_settings_ids;
using T = ControlType;

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Option,  kLocal,          L"本机数据库（只在这台计算机上）",            0, 8, 8, 250, 10, nullptr, true},
    {T::Label,   kNoId,           L"数据库文件：",                             0, 20, 24, 50, 10},
    {T::Text,    kPath,           L"",                                         0, 72, 22, 190, 13},
    {T::Command, kBrowse,         L"浏览...",                                  0, 266, 21, 46, 15},
    {T::Option,  kShared,         L"共享数据库（服务器上的 PostgreSQL，经 ODBC 连接）", 0, 8, 44, 250, 10, nullptr, true},
    {T::Label,   kNoId,           L"ODBC 数据源（DSN）或连接字符串：",          0, 20, 60, 200, 10},
    {T::Text,    kConnection,     L"",                                         0, 20, 72, 292, 13},
    {T::Label,   kNoId,           L"密码：",                                   0, 20, 91, 30, 10},
    {T::Text,    kPassword,       L"",                                         0, 52, 89, 100, 13},
    {T::Note,    kPasswordNote,   L"",                                         0, 158, 86, 154, 24},
    {T::Command, kTestConnection, L"测试连接",                                 0, 20, 114, 60, 15},
    {T::Command, kInitialize,     L"初始化共享数据库...",                       0, 84, 114, 90, 15},
    {T::Command, kMigrate,        L"从本机数据库迁移到共享数据库...",             0, 178, 114, 134, 15},
    {T::Lines,   kResult,         L"",                                         0, 8, 136, 304, 72},
};
// clang-format on
constexpr int kWidth = kDatabaseSettingsWidth, kHeight = kDatabaseSettingsHeight;
static_assert(IdsAreUnique(kControls));
static_assert(InsideParents(kControls, kWidth, kHeight, 13));
constexpr FormLayout kForm{kControls, Units::DialogUnits, kWidth, kHeight, Groups::EachControl};

constexpr int kSharedOnly[] = {kConnection, kPassword, kInitialize, kMigrate};

// The wait cursor while the network is asked.
class WaitCursor {
  public:
    WaitCursor() : before_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(before_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR before_;
};

} // namespace

DatabaseSettingsForm::DatabaseSettingsForm(MessageBoxes& boxes, bool skinned,
                                           std::wstring settings_key)
    : boxes_(boxes), skinned_(skinned), settings_key_(std::move(settings_key)), form_(kForm) {}

bool DatabaseSettingsForm::Create(HWND parent) {
    parent_ = parent;
    if (!form_.Create(parent)) return false;
    const lab::LabDatabaseSetting setting = LoadLabDatabaseSetting(settings_key_);
    form_.Write(kPath, Widen(setting.path));
    form_.Write(kConnection, Widen(setting.connection));
    SendMessageW(form_.Control(kPassword), EM_SETPASSWORDCHAR, L'\x25CF', 0);
    const bool kept = !setting.connection.empty() && !KeptPassword(setting.connection).empty();
    form_.Write(kPasswordNote, kept ? L"已保存在 Windows 凭据管理器中；留空则沿用。"
                                    : L"保存在 Windows 凭据管理器中，不写入注册表或文件。");
    ShowKind(setting.kind);
    return true;
}

void DatabaseSettingsForm::ShowKind(lab::LabDatabaseKind kind) {
    const bool shared = kind == lab::LabDatabaseKind::Shared;
    SetChecked(form_.Control(kLocal), !shared);
    SetChecked(form_.Control(kShared), shared);
    EnableWindow(form_.Control(kPath), !shared);
    EnableWindow(form_.Control(kBrowse), !shared);
    for (const int id : kSharedOnly)
        EnableWindow(form_.Control(id), shared);
}

lab::LabDatabaseSetting DatabaseSettingsForm::Shown() const {
    lab::LabDatabaseSetting setting;
    setting.kind = IsChecked(form_.Control(kShared)) ? lab::LabDatabaseKind::Shared
                                                     : lab::LabDatabaseKind::Local;
    setting.path = Narrow(form_.Text(kPath));
    setting.connection = lab::ConnectionOfTyped(Narrow(form_.Text(kConnection)));
    return setting;
}

std::string DatabaseSettingsForm::Password(const std::string& kept_connection) const {
    std::string typed = Narrow(form_.Text(kPassword));
    return typed.empty() ? Narrow(KeptPassword(kept_connection)) : typed;
}

bool DatabaseSettingsForm::OnCommand(int id, UINT code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case kLocal: ShowKind(lab::LabDatabaseKind::Local); return true;
    case kShared: ShowKind(lab::LabDatabaseKind::Shared); return true;
    case kBrowse: Browse(); return true;
    case kTestConnection: TestConnection(); return true;
    case kInitialize: Initialize(); return true;
    case kMigrate: Migrate(); return true;
    default: return false;
    }
}

void DatabaseSettingsForm::Browse() {
    wchar_t file[MAX_PATH]{};
    const std::wstring shown = form_.Text(kPath);
    if (shown.size() < MAX_PATH) shown.copy(file, shown.size());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = parent_;
    dialog.lpstrFilter = L"实验室数据库 (*.sqlite)\0*.sqlite\0所有文件 (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"sqlite";
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetSaveFileNameW(&dialog)) form_.Write(kPath, file);
}

void DatabaseSettingsForm::TestConnection() {
    const lab::LabDatabaseSetting setting = Shown();
    const WaitCursor waiting;
    if (setting.kind == lab::LabDatabaseKind::Shared) {
        const lab::SplitConnection split = lab::SplitPassword(setting.connection);
        if (split.kept.empty()) return ShowResult("请填写 ODBC 数据源（DSN）或连接字符串。");
        const std::string password = split.password.empty() ? Password(split.kept) : split.password;
        const odbc::ConnectionCheck check =
            odbc::CheckConnection(lab::WithPassword(split.kept, password));
        return ShowResult(check.message);
    }
    try {
        store::LabDatabase database = lab::OpenLabOfSetting(setting, "", IsNetworkDriveLetter);
        std::string said = "本机数据库可以打开：" + setting.path + "（架构版本 " +
                           std::to_string(database.schema_version) + "）";
        if (!database.notice().empty()) said += "\n" + database.notice();
        ShowResult(said);
    } catch (const store::StoreError& error) {
        ShowResult("无法打开本机数据库：" + error.Message());
    }
}

void DatabaseSettingsForm::Initialize() {
    const auto administrator =
        AskAdministratorLogin(parent_, Shown().connection,
                              L"初始化共享数据库：创建（或更新）数据表和三个角色。", skinned_);
    if (!administrator) return;
    const WaitCursor waiting;
    try {
        ShowResult(lab::InitSharedLab(*administrator));
    } catch (const store::StoreError& error) {
        ShowResult(error.Message());
    }
}

void DatabaseSettingsForm::Migrate() {
    const lab::LabDatabaseSetting setting = Shown();
    const auto administrator = AskAdministratorLogin(parent_, setting.connection,
                                                     L"从本机数据库“" + Widen(setting.path) +
                                                         L"”迁移到共享数据库：复制并核对每个表。",
                                                     skinned_);
    if (!administrator) return;
    const WaitCursor waiting;
    try {
        store::LabDatabase source = store::Doing("打开本机数据库", [&] {
            return store::OpenLabFile(setting.path, IsNetworkDriveLetter);
        });
        ShowResult(lab::MigrateLab(source, *administrator));
    } catch (const store::StoreError& error) {
        ShowResult("迁移未完成，共享数据库没有写入任何内容。\n" + error.Message());
    }
}

void DatabaseSettingsForm::ShowResult(const std::string& text) {
    form_.Write(kResult, WidenLines(text));
}

void DatabaseSettingsForm::Say(const std::wstring& text, UINT style) {
    boxes_.Show(parent_, text, kDatabaseSettingsTitle, style);
}

bool DatabaseSettingsForm::Apply() {
    lab::LabDatabaseSetting setting = Shown();
    if (setting.kind == lab::LabDatabaseKind::Shared && setting.connection.empty()) {
        Say(L"请填写共享数据库的 ODBC 数据源（DSN）或连接字符串。", MB_OK | MB_ICONWARNING);
        SetFocus(form_.Control(kConnection));
        return false;
    }
    if (setting.kind == lab::LabDatabaseKind::Local && setting.path.empty()) {
        Say(L"请填写本机数据库的文件。", MB_OK | MB_ICONWARNING);
        SetFocus(form_.Control(kPath));
        return false;
    }
    std::wstring password = form_.Text(kPassword);
    const bool saved = SaveLabDatabaseSetting(std::move(setting), password, settings_key_);
    SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
    if (!saved) {
        Say(L"无法保存数据库设置（注册表或 Windows 凭据管理器拒绝写入）。", MB_OK | MB_ICONERROR);
        return false;
    }
    CloseOpenedLab();
    return true;
}

} // namespace mixora::ui
