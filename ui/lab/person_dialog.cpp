#include "person_dialog.h"

#include "form.h"
#include "lab_ids.h"
#include "modal_dialog.h"

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
static_assert(IdsAreUnique(kControls));
static_assert(InsideParents(kControls, kWidth, kHeight, 13));
constexpr FormLayout kForm{kControls, Units::DialogUnits, kWidth, kHeight, Groups::None};
constexpr DialogLayout kDialog{kPersonTitle,
                               DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               kWidth,
                               kHeight,
                               {}};

std::wstring Trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t\u3000");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t\u3000") - first + 1);
}

class PersonDialog final : public ModalDialog {
  public:
    PersonDialog(std::wstring& name, MessageBoxes& boxes, bool skinned)
        : ModalDialog("操作人姓名", skinned), name_(name), boxes_(boxes) {}
    bool Ask(HWND owner) { return Run(owner, kDialog) == IDOK; }

  private:
    HWND OnInit() override {
        if (!form_.Create(dialog())) {
            Close(IDABORT);
            return nullptr;
        }
        SendMessageW(form_.Control(kPersonName), EM_LIMITTEXT, 50, 0);
        return form_.Control(kPersonName);
    }
    bool OnCommand(int id, UINT code, HWND) override {
        if (code != BN_CLICKED || (id != IDOK && id != IDCANCEL)) return false;
        if (id == IDOK) {
            name_ = Trimmed(form_.Text(kPersonName));
            if (name_.empty()) {
                boxes_.Show(dialog(), L"请填写操作人的姓名。", kPersonTitle,
                            MB_OK | MB_ICONWARNING);
                SetFocus(form_.Control(kPersonName));
                return true;
            }
        }
        Close(id);
        return true;
    }

    std::wstring& name_;
    MessageBoxes& boxes_;
    Form form_{kForm};
};

} // namespace

bool AskPersonName(HWND owner, std::wstring& name, MessageBoxes& boxes, bool skinned) {
    return PersonDialog(name, boxes, skinned).Ask(owner);
}

} // namespace mixora::ui
