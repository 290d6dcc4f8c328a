#include "modal_dialog.h"

#include "callback_guard.h"
#include "field_commands.h"
#include "skin.h"

#include <vector>

namespace mixora::ui {

INT_PTR ModalDialog::Run(HWND owner, const DialogLayout& layout) {
    const std::vector<WORD> dialog_template = BuildDialogTemplate(layout);
    return DialogBoxIndirectParamW(
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
        reinterpret_cast<const DLGTEMPLATE*>(dialog_template.data()), owner, &Procedure,
        reinterpret_cast<LPARAM>(this));
}

void ModalDialog::Close(INT_PTR result) {
    closed_ = true;
    OnClosing();
    if (skin_on_) skin::RemoveSkin(dialog_);
    skin_on_ = false;
    EndDialog(dialog_, result);
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    auto* self = reinterpret_cast<ModalDialog*>(
        msg == WM_INITDIALOG ? lp : GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    return base::Guarded(self->what_, INT_PTR{FALSE}, [&] {
        if (msg == WM_INITDIALOG) {
            self->dialog_ = dialog;
            SetWindowLongPtrW(dialog, DWLP_USER, lp);
        }
        return self->HandleMessage(msg, wp, lp);
    });
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: {
        const int id = LOWORD(wparam);
        HWND control = reinterpret_cast<HWND>(lparam);
        if (!control && RunFieldCommand(dialog_, id)) return TRUE;
        return OnCommand(id, HIWORD(wparam), control) ? TRUE : FALSE;
    }
    }
    return OnMessage(message, wparam, lparam);
}

INT_PTR ModalDialog::OnInitDialog() {
    HWND focus = OnInit();
    if (closed_) return TRUE;
    if (skinned_) {
        skin::InstallSkin(dialog_);
        skin_on_ = true;
    }
    if (!focus) return TRUE;
    SetFocus(focus);
    return FALSE; // the focus is set
}

} // namespace mixora::ui
