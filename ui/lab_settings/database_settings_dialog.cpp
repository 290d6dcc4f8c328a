#include "database_settings_dialog.h"

#include "database_settings_form.h"
#include "form_dialog.h"
#include "modal_dialog.h"

namespace mixora::ui {

namespace {

using T = ControlType;

// The form fills the dialog's top; its buttons go below it.
constexpr int kFormWidth = kDatabaseSettingsWidth, kFormHeight = kDatabaseSettingsHeight;
constexpr int kHeight = kFormHeight + 24;
// clang-format off
constexpr ControlEntry kButtons[] = {
    {T::Command, IDOK,     L"确定", 0, kFormWidth - 120, kFormHeight + 2, 54, 15},
    {T::Command, IDCANCEL, L"取消", 0, kFormWidth - 62,  kFormHeight + 2, 54, 15},
};
// clang-format on
static_assert(InsideParents(kButtons, kFormWidth, kHeight, 13));
constexpr FormLayout kButtonForm{kButtons, Units::DialogUnits, kFormWidth, kHeight,
                                 Groups::EachControl};
constexpr DialogLayout kDialog = FixedDialog(kDatabaseSettingsTitle, kButtonForm);

class DatabaseSettingsDialog final : public ModalDialog {
  public:
    DatabaseSettingsDialog(MessageBoxes& boxes, bool skinned, const std::wstring& key)
        : ModalDialog("数据库设置", skinned), page_(boxes, skinned, key) {}

    bool Edit(HWND owner) { return Run(owner, kDialog) == IDOK; }

  private:
    HWND OnInit() override {
        if (!page_.Create(dialog()) || !buttons_.Create(dialog())) Close(IDABORT);
        return nullptr;
    }
    bool OnCommand(int id, UINT code, HWND) override {
        if (page_.OnCommand(id, code)) return true;
        if (code != BN_CLICKED || (id != IDOK && id != IDCANCEL)) return false;
        if (id == IDOK && !page_.Apply()) return true;
        Close(id);
        return true;
    }
    void OnClosing() override {
        page_.Release();
        buttons_.Release();
    }

    DatabaseSettingsForm page_;
    Form buttons_{kButtonForm};
};

} // namespace

bool EditDatabaseSettings(HWND owner, MessageBoxes& boxes, bool skinned,
                          const std::wstring& settings_key) {
    return DatabaseSettingsDialog(boxes, skinned, settings_key).Edit(owner);
}

} // namespace mixora::ui
