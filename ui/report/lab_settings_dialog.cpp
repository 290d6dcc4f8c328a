#include "lab_settings_dialog.h"

#include "form_dialog.h"
#include "settings.h"

namespace mixora::ui {

namespace {

using namespace lab_settings_ids;
using T = ControlType;

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Frame,   kLabGroup,       L"实验室（印在报告和通知单上）", 0, 6, 4, 288, 76},
    {T::Label,   kNoId,           L"名称：",         kLabGroup, 8, 16, 56, 10},
    {T::Text,    kLabName,        L"",               kLabGroup, 66, 14, 214, 13},
    {T::Label,   kNoId,           L"地址：",         kLabGroup, 8, 34, 56, 10},
    {T::Text,    kLabAddress,     L"",               kLabGroup, 66, 32, 214, 13},
    {T::Label,   kNoId,           L"资质证书编号：", kLabGroup, 8, 52, 56, 10},
    {T::Text,    kLabCertificate, L"",               kLabGroup, 66, 50, 140, 13},
    {T::Command, IDOK,            L"确定",           0, 180, 88, 54, 15},
    {T::Command, IDCANCEL,        L"取消",           0, 238, 88, 54, 15},
};
// clang-format on

constexpr int kWidth = 300, kHeight = 110;

constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);

constexpr DialogLayout kDialog = FixedDialog(kLabSettingsTitle, kForm);

// Each field and the settings value it keeps.
struct SettingField {
    int id;
    const wchar_t* value;
    int limit; // characters
};
constexpr SettingField kFields[] = {
    {kLabName, kLabIdentityValues[0].name, 100},
    {kLabAddress, kLabIdentityValues[1].name, 200},
    {kLabCertificate, kLabIdentityValues[2].name, 100},
};

class LabSettingsDialog final : public FormDialog {
  public:
    LabSettingsDialog(MessageBoxes& boxes, bool skinned, const std::wstring& key)
        : FormDialog("实验室设置", skinned, kForm, kDialog), boxes_(boxes), key_(key) {}

  private:
    HWND OnFormMade() override {
        for (const SettingField& field : kFields) {
            SendMessageW(form().Control(field.id), EM_LIMITTEXT, static_cast<WPARAM>(field.limit),
                         0);
            form().Write(field.id, SettingText(field.value, key_));
        }
        return nullptr;
    }
    bool Accept() override {
        for (const SettingField& field : kFields)
            if (const auto problem = WriteSettingText(field.value, form().Text(field.id), key_)) {
                boxes_.Show(dialog(), *problem, kLabSettingsTitle, MB_OK | MB_ICONWARNING);
                return false;
            }
        return true;
    }

    MessageBoxes& boxes_;
    std::wstring key_;
};

} // namespace

bool EditLabSettings(HWND owner, MessageBoxes& boxes, bool skinned, const std::wstring& key) {
    return LabSettingsDialog(boxes, skinned, key).Ask(owner);
}

} // namespace mixora::ui
