#include "message_boxes.h"

#include <string>

namespace mixora::ui {

int SystemMessageBoxes::Show(HWND owner, std::wstring_view text, std::wstring_view title,
                             UINT style) {
    // MessageBoxW needs terminated strings.
    const std::wstring text_z(text), title_z(title);
    return MessageBoxW(owner, text_z.c_str(), title_z.c_str(), style);
}

} // namespace mixora::ui
