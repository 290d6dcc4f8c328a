#include "menu_bar.h"

#include "lab_ids.h"
#include "menu_ids.h"

#include <span>

namespace mixora::ui {

namespace {

using namespace menu_ids;

struct MenuItem {
    int id; // 0: a separator
    const wchar_t* text;
    bool batch_ticket = false; // only in the windows of designs that have one
};

// clang-format off
constexpr MenuItem kFileItems[] = {
    {kNew, L"新建(&N)\tCtrl+N"},
    {kNewJgj55, L"新建 JGJ 55-2011 配合比设计(&J)\tCtrl+Shift+N"},
    {kNewCement, L"新建水泥配合比计算表(&C)", true},
    {kOpen, L"打开(&O)...\tCtrl+O"},
    {kSave, L"保存(&S)\tCtrl+S"},
    {kSaveAs, L"另存为(&A)..."},
    {0, nullptr},
    {kExport, L"导出(&E)..."},
    {kReportInfo, L"报告信息(&I)..."},
    {kLabSettings, L"实验室设置(&L)..."},
    {0, nullptr},
    {kDatabaseSettings, L"数据库设置(&D)..."},
    {kReconnectLab, L"重新连接共享数据库(&R)"},
    {0, nullptr},
    {kPrintPreview, L"打印预览(&V)..."},
    {kPrint, L"打印(&P)...\tCtrl+P"},
    {kBatchTicket, L"配合比通知单(&T)...", true},
    {kExportBatchTicket, L"导出配合比通知单(&K)...", true},
    {0, nullptr},
    {lab_ids::kRegisterDesign, L"登记到台账(&G)"},
    {lab_ids::kRegister, L"台账(&L)..."},
    {lab_ids::kBackup, L"备份实验室数据(&B)..."},
    {lab_ids::kRestore, L"恢复实验室数据(&R)..."},
    {0, nullptr},
    // the recent designs go here
    {kExitProgram, L"退出(&X)"},
};
constexpr MenuItem kEditItems[] = {
    {kUndo, L"撤销(&U)\tCtrl+Z"},
    {0, nullptr},
    {kCut, L"剪切(&T)\tCtrl+X"},
    {kCopy, L"复制(&C)\tCtrl+C"},
    {kPaste, L"粘贴(&P)\tCtrl+V"},
    {kSelectAll, L"全选(&A)"},
    {0, nullptr},
    {kCopyResult, L"复制结果(&R)\tCtrl+Shift+C"},
    {kClearResults, L"清除计算结果(&L)\tCtrl+Shift+Del"},
};
constexpr MenuItem kMaterialItems[] = {
    {lab_ids::kLibrary, L"原材料库(&L)..."},
};
constexpr MenuItem kHelpItems[] = {
    {kGuide, L"使用说明(&G)\tF1"},
    {kHelp, L"帮助(&H)"},
    {0, nullptr},
    {kAbout, L"关于 Mixora(&A)"},
};
// clang-format on

struct Popup {
    const wchar_t* text;
    std::span<const MenuItem> items;
};
constexpr Popup kPopups[] = {
    {L"文件(&F)", kFileItems},
    {L"编辑(&E)", kEditItems},
    {L"材料(&M)", kMaterialItems},
    {L"帮助(&H)", kHelpItems},
};

constexpr ACCEL kAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', kNew},
    {FVIRTKEY | FCONTROL | FSHIFT, 'N', kNewJgj55},
    {FVIRTKEY | FCONTROL, 'O', kOpen},
    {FVIRTKEY | FCONTROL, 'S', kSave},
    {FVIRTKEY | FCONTROL, 'P', kPrint},
    {FVIRTKEY | FCONTROL | FSHIFT, 'C', kCopyResult},
    {FVIRTKEY | FCONTROL | FSHIFT, VK_DELETE, kClearResults},
    {FVIRTKEY, VK_F1, kGuide},
};

HMENU BuildPopup(std::span<const MenuItem> items, bool batch_ticket) {
    HMENU popup = CreatePopupMenu();
    if (!popup) return nullptr;
    for (const MenuItem& item : items) {
        if (item.batch_ticket && !batch_ticket) continue;
        if (item.id == 0)
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.text);
    }
    return popup;
}

int PositionOf(HMENU menu, UINT id) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu, i) == id) return i;
    return -1;
}

} // namespace

HMENU CreateMenuBar(bool batch_ticket) {
    HMENU bar = CreateMenu();
    if (!bar) return nullptr;
    for (const Popup& popup : kPopups) {
        HMENU items = BuildPopup(popup.items, batch_ticket);
        if (!items || !AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), popup.text)) {
            if (items) DestroyMenu(items);
            DestroyMenu(bar);
            return nullptr;
        }
    }
    return bar;
}

HACCEL CreateMenuAccelerators() {
    ACCEL table[std::size(kAccelerators)];
    std::copy(std::begin(kAccelerators), std::end(kAccelerators), table);
    return CreateAcceleratorTableW(table, static_cast<int>(std::size(table)));
}

void ShowRecentDesigns(HMENU menu_bar, const std::vector<std::wstring>& paths) {
    HMENU file = GetSubMenu(menu_bar, 0);
    if (!file) return;
    for (int i = 0; i < kRecentCount; ++i)
        DeleteMenu(file, static_cast<UINT>(kRecentFirst + i), MF_BYCOMMAND);
    // The separator that follows the list, if there was one.
    int exit = PositionOf(file, kExitProgram);
    if (exit > 0 && GetMenuItemID(file, exit - 1) == 0 && GetMenuItemID(file, exit - 2) == 0)
        DeleteMenu(file, static_cast<UINT>(exit - 1), MF_BYPOSITION);
    if (paths.empty()) return;
    exit = PositionOf(file, kExitProgram);
    int position = exit;
    for (size_t i = 0; i < paths.size() && i < kRecentCount; ++i) {
        const std::wstring text =
            L"&" + std::to_wstring(i + 1) + L" " + ShortenPathForMenu(paths[i]);
        InsertMenuW(file, static_cast<UINT>(position++), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(kRecentFirst + static_cast<int>(i)), text.c_str());
    }
    InsertMenuW(file, static_cast<UINT>(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

std::wstring ShortenPathForMenu(const std::wstring& path, size_t limit) {
    std::wstring shown;
    // An ampersand in a path would underline the next letter.
    for (const wchar_t c : path) {
        shown += c;
        if (c == L'&') shown += L'&';
    }
    if (shown.size() <= limit) return shown;
    const size_t name = shown.find_last_of(L"\\/");
    if (name == std::wstring::npos) return shown;
    // The root: "C:\" or "\\server\share\".
    size_t root = shown.find_first_of(L"\\/", shown.starts_with(L"\\\\") ? 2 : 0);
    if (root != std::wstring::npos && shown.starts_with(L"\\\\"))
        root = shown.find_first_of(L"\\/", root + 1);
    if (root == std::wstring::npos || root >= name) return shown;
    const std::wstring head = shown.substr(0, root + 1) + L"...";
    // Keep as many trailing folders as fit, never less than the file name.
    size_t tail = name;
    while (true) {
        const size_t before = tail == 0 ? std::wstring::npos : shown.find_last_of(L"\\/", tail - 1);
        if (before == std::wstring::npos || before <= root) break;
        if (head.size() + (shown.size() - before) > limit) break;
        tail = before;
    }
    return head + shown.substr(tail);
}

} // namespace mixora::ui
