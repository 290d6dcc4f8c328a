#pragma once
// A modal dialog of the program: its procedure, the object kept in DWLP_USER, the guard every
// message ends in, the skin put on and taken off, and 编辑's commands on the focused field,
// written once. A dialog derives from it and handles only what is its own.
#include "dialog_template.h"

#include <windows.h>

namespace mixora::ui {

class ModalDialog {
  public:
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

  protected:
    // `what` names the dialog in the message of an unexpected fault.
    ModalDialog(const char* what, bool skinned) : what_(what), skinned_(skinned) {}

    // Shows the dialog over `owner` until it closes; the result Close gave.
    INT_PTR Run(HWND owner, const DialogLayout& layout);
    // Ends the dialog with `result`, the skin taken off first.
    void Close(INT_PTR result);
    HWND dialog() const { return dialog_; }

    // WM_INITDIALOG: fills the dialog before the skin goes on; the control to put the focus on,
    // or nullptr for the dialog's first. A dialog that cannot be filled closes itself.
    virtual HWND OnInit() = 0;
    // A command from a control (or a menu command, `control` nullptr); false when not handled.
    virtual bool OnCommand(int id, UINT code, HWND control) = 0;
    // Any other message; FALSE when not handled.
    virtual INT_PTR OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }
    // Before the dialog goes: lets go of whatever refers to its controls.
    virtual void OnClosing() {}

  private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR OnInitDialog();

    const char* what_;
    bool skinned_;
    HWND dialog_ = nullptr;
    bool skin_on_ = false;
    bool closed_ = false;
};

} // namespace mixora::ui
