#include "form_dialog.h"

namespace mixora::ui {

HWND FormDialog::OnInit() {
    if (!form_.Create(dialog())) {
        Close(IDABORT);
        return nullptr;
    }
    return OnFormMade();
}

bool FormDialog::OnCommand(int id, UINT code, HWND control) {
    if (code != BN_CLICKED || (id != IDOK && id != IDCANCEL))
        return OnFormCommand(id, code, control);
    if (id == IDOK && !Accept()) return true;
    Close(id);
    return true;
}

} // namespace mixora::ui
