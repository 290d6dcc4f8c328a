#include "administrator_login_dialog.h"

#include "database_settings_ids.h"
#include "form_dialog.h"
#include "lab_database_setting.h"
#include "utf.h"

namespace mixora::ui {

namespace {

using namespace database_settings_ids;
using T = ControlType;

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Note,    kAdminNote,       L"",                  0, 8, 8, 284, 30},
    {T::Label,   kNoId,            L"管理员的连接字符串：", 0, 8, 42, 120, 10},
    {T::Text,    kAdminConnection, L"",                  0, 8, 54, 284, 13},
    {T::Label,   kNoId,            L"密码：",            0, 8, 74, 30, 10},
    {T::Text,    kAdminPassword,   L"",                  0, 40, 72, 120, 13},
    {T::Command, IDOK,             L"确定",              0, 180, 94, 54, 15},
    {T::Command, IDCANCEL,         L"取消",              0, 238, 94, 54, 15},
};
// clang-format on
constexpr int kWidth = 300, kHeight = 117;
constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);
constexpr DialogLayout kDialog = FixedDialog(kAdministratorLoginTitle, kForm);

class AdministratorLoginDialog final : public FormDialog {
  public:
    AdministratorLoginDialog(const std::string& connection, const std::wstring& purpose,
                             bool skinned)
        : FormDialog("管理员登录", skinned, kForm, kDialog), connection_(connection),
          purpose_(purpose) {}

    const std::string& answer() const { return answer_; }

  private:
    HWND OnFormMade() override {
        form().Write(kAdminNote, purpose_ + L"请用数据库的所有者（可以创建角色的管理员）登录。");
        form().Write(kAdminConnection, Widen(lab::SplitPassword(connection_).kept));
        SendMessageW(form().Control(kAdminPassword), EM_SETPASSWORDCHAR, L'\x25CF', 0);
        return form().Control(kAdminConnection);
    }
    bool Accept() override {
        const lab::SplitConnection typed =
            lab::SplitPassword(lab::ConnectionOfTyped(Narrow(form().Text(kAdminConnection))));
        const std::string password = Narrow(form().Text(kAdminPassword));
        answer_ = lab::WithPassword(typed.kept, password.empty() ? typed.password : password);
        return true;
    }

    std::string connection_;
    std::wstring purpose_;
    std::string answer_;
};

} // namespace

std::optional<std::string> AskAdministratorLogin(HWND owner, const std::string& connection,
                                                 const std::wstring& purpose, bool skinned) {
    AdministratorLoginDialog dialog(connection, purpose, skinned);
    if (!dialog.Ask(owner)) return std::nullopt;
    return dialog.answer();
}

} // namespace mixora::ui
