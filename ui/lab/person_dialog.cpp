#include "person_dialog.h"

#include "form_dialog.h"
#include "lab_ids.h"

namespace mixora::ui {

namespace {

using T = ControlType;
using lab_ids::kPersonName;

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Note,    kNoId,       L"台账记录每一步的操作人。请输入您的姓名（保存在本机的设置中，以后不再询问）：", 0, 8, 8, 224, 20},
    {T::Label,   kNoId,       L"姓名：", 0, 8, 34, 30, 10},
    {T::Text,    kPersonName, L"",       0, 40, 32, 192, 13},
    {T::Command, IDOK,        L"确定",   0, 120, 54, 54, 15},
    {T::Command, IDCANCEL,    L"取消",   0, 178, 54, 54, 15},
};
// clang-format on
constexpr int kWidth = 240, kHeight = 76;
constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);
constexpr DialogLayout kDialog = FixedDialog(kPersonTitle, kForm);

std::wstring Trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t\u3000");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t\u3000") - first + 1);
}

class PersonDialog final : public FormDialog {
  public:
    PersonDialog(std::wstring& name, MessageBoxes& boxes, bool skinned)
        : FormDialog("操作人姓名", skinned, kForm, kDialog), name_(name), boxes_(boxes) {}

  private:
    HWND OnFormMade() override {
        SendMessageW(form().Control(kPersonName), EM_LIMITTEXT, 50, 0);
        return form().Control(kPersonName);
    }
    bool Accept() override {
        name_ = Trimmed(form().Text(kPersonName));
        if (!name_.empty()) return true;
        boxes_.Show(dialog(), L"请填写操作人的姓名。", kPersonTitle, MB_OK | MB_ICONWARNING);
        SetFocus(form().Control(kPersonName));
        return false;
    }

    std::wstring& name_;
    MessageBoxes& boxes_;
};

} // namespace

bool AskPersonName(HWND owner, std::wstring& name, MessageBoxes& boxes, bool skinned) {
    return PersonDialog(name, boxes, skinned).Ask(owner);
}

} // namespace mixora::ui
