// 帮助 → 使用说明: the guide shipped in the program, with the table of the sheet's fields named
// as the window names them, written to the temporary folder and opened in the user's browser.
#include "design_window.h"

#include "file_io.h"
#include "guide_page.h"
#include "layout.h"
#include "utf.h"

#include <shellapi.h>

namespace mixora::ui {

bool OpenInShell(const std::wstring& path) {
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

void DesignWindow::OnGuide() {
    const std::string page = help::GuidePage(
        help::ShippedGuide(), [](calc::Field field) { return Narrow(FieldCaption(field)); });
    wchar_t temp[MAX_PATH + 1]{};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring path =
        std::wstring(temp, length > MAX_PATH ? 0 : length) + L"Mixora 使用说明.html";
    if (const auto error = WriteFileReplacing(path, page)) {
        options_.message_boxes->Show(hwnd_, L"无法打开使用说明" + error->Describe(), kProgramTitle,
                                     MB_OK | MB_ICONWARNING);
        return;
    }
    if (!options_.open_document(path))
        options_.message_boxes->Show(hwnd_,
                                     L"使用说明已写入“" + path + L"”，但无法用浏览器打开它。",
                                     kProgramTitle, MB_OK | MB_ICONWARNING);
}

} // namespace mixora::ui
