#pragma once
// A modal dialog that is one form and a 确定 and a 取消: the form made as the dialog opens (a form
// that cannot be made closes it), 确定 closing it once the dialog accepts what was typed, 取消
// closing it as it is. A dialog of this kind says only what it fills and what it accepts.
#include "form.h"
#include "modal_dialog.h"

#include <windows.h>

#include <span>

namespace mixora::ui {

// A fixed dialog's form: controls in dialog units, the arrows moving through the whole dialog,
// a list's box 13 units high. Checked as it is made: an identifier used twice, or a control
// outside its group or the form, does not compile.
consteval FormLayout DialogForm(std::span<const ControlEntry> controls, int width, int height) {
    if (!IdsAreUnique(controls) || !InsideParents(controls, width, height, 13))
        throw "a control's identifier or place does not fit the form";
    return {controls, Units::DialogUnits, width, height, Groups::None};
}

// The frame every fixed-size dialog of the program has: a title, a close box, centred.
inline constexpr DWORD kFixedDialogStyle =
    DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr DialogLayout FixedDialog(const wchar_t* title, const FormLayout& form) {
    return {title,
            kFixedDialogStyle,
            static_cast<short>(form.width),
            static_cast<short>(form.height),
            {}};
}

class FormDialog : public ModalDialog {
  public:
    // True when the user chose 确定 and the dialog accepted it.
    bool Ask(HWND owner) { return Run(owner, dialog_layout_) == IDOK; }

  protected:
    // `form` and `dialog` are tables of static storage.
    FormDialog(const char* what, bool skinned, const FormLayout& form, const DialogLayout& dialog)
        : ModalDialog(what, skinned), form_(form), dialog_layout_(dialog) {}

    Form& form() { return form_; }

    // Fills the controls just made; the control to put the focus on, or nullptr for the first.
    virtual HWND OnFormMade() { return nullptr; }
    // 确定: true when what was typed is taken (the dialog closes); false keeps it open, the
    // dialog having said why.
    virtual bool Accept() { return true; }
    // A command from another control; false when not handled.
    virtual bool OnFormCommand(int, UINT, HWND) { return false; }

  private:
    HWND OnInit() final;
    bool OnCommand(int id, UINT code, HWND control) final;

    Form form_;
    const DialogLayout& dialog_layout_;
};

} // namespace mixora::ui
