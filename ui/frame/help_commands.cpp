#include "help_commands.h"

#include "control_ids.h"
#include "file_io.h"
#include "guide_page.h"
#include "layout.h"
#include "menu_ids.h"
#include "utf.h"
#include "version.h"

#include <shellapi.h>

namespace mixora::ui {

bool OpenInShell(const std::wstring& path) {
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

bool HelpCommands::Run(int id) {
    switch (id) {
    case menu_ids::kGuide: Guide(); return true;
    case menu_ids::kAbout: About(); return true;
    case menu_ids::kHelp: {
        bool changed = false;
        frame_.sheet->OnControl(ids::Help, BN_CLICKED, changed);
        return true;
    }
    }
    return false;
}

void HelpCommands::About() {
    frame_.options.message_boxes->Show(frame_.hwnd,
                                       std::wstring(L"Mixora ") + kVersionText +
                                           L"\n普通混凝土配合比设计\n\n设计文件：*.mixora",
                                       L"关于 Mixora", MB_OK | MB_ICONINFORMATION);
}

// The guide, with the table of the sheet's fields named as the window names them, written to
// the temporary folder and opened in the user's browser.
void HelpCommands::Guide() {
    const std::string page = help::GuidePage(
        help::ShippedGuide(), [](calc::Field field) { return Narrow(FieldCaption(field)); });
    wchar_t temp[MAX_PATH + 1]{};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring path =
        std::wstring(temp, length > MAX_PATH ? 0 : length) + L"Mixora 使用说明.html";
    if (const auto error = WriteFileReplacing(path, page)) {
        frame_.Say(L"无法打开使用说明" + error->Describe(), MB_OK | MB_ICONWARNING);
        return;
    }
    if (!frame_.options.open_document(path))
        frame_.Say(L"使用说明已写入“" + path + L"”，但无法用浏览器打开它。",
                   MB_OK | MB_ICONWARNING);
}

} // namespace mixora::ui
