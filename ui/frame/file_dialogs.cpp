#include "file_dialogs.h"

#include <commdlg.h>

#include <vector>

namespace mixora::ui {

namespace {

// "description\0pattern\0…\0\0", as the dialogs take their filter.
std::wstring Filter(const FileType* types, int count) {
    std::wstring filter;
    for (int i = 0; i < count; ++i) {
        filter += types[i].description;
        filter += L'\0';
        filter += types[i].pattern;
        filter += L'\0';
    }
    filter += L'\0';
    return filter;
}

constexpr DWORD kPathCapacity = 32768;

} // namespace

std::optional<std::wstring> SystemFileDialogs::ChooseOpen(HWND owner) {
    return Open(owner, L"打开设计", kDesignFileType);
}

std::optional<std::wstring> SystemFileDialogs::ChooseLabCopy(HWND owner) {
    return Open(owner, L"恢复实验室数据", kLabCopyType);
}

std::optional<std::wstring> SystemFileDialogs::Open(HWND owner, const wchar_t* title,
                                                    const FileType& type) {
    const FileType types[] = {type, {L"所有文件 (*.*)", L"*.*", nullptr}};
    const std::wstring filter = Filter(types, 2);
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathCapacity;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return std::wstring(path.data());
}

std::optional<std::wstring> SystemFileDialogs::ChooseSave(HWND owner, const std::wstring& suggested,
                                                          const FileType* types, int type_count,
                                                          int* type) {
    return Save(owner, nullptr, suggested, types, type_count, type);
}

std::optional<std::wstring> SystemFileDialogs::ChooseExport(HWND owner,
                                                            const std::wstring& suggested,
                                                            const FileType* types, int type_count,
                                                            int* type) {
    return Save(owner, L"导出", suggested, types, type_count, type);
}

// `title`: nullptr for the system's own ("另存为").
std::optional<std::wstring> SystemFileDialogs::Save(HWND owner, const wchar_t* title,
                                                    const std::wstring& suggested,
                                                    const FileType* types, int type_count,
                                                    int* type) {
    const std::wstring filter = Filter(types, type_count);
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    suggested.copy(path.data(), std::min<size_t>(suggested.size(), kPathCapacity - 1));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(type && *type >= 0 ? *type + 1 : 1);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathCapacity;
    dialog.lpstrDefExt = types[dialog.nFilterIndex - 1].extension;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_NOREADONLYRETURN;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    if (type) *type = static_cast<int>(dialog.nFilterIndex) - 1;
    std::wstring chosen(path.data());
    // The default extension follows the type chosen in the dialog, not the one it opened with.
    const FileType& chosen_type = types[dialog.nFilterIndex - 1];
    if (chosen_type.extension && dialog.nFileExtension == 0)
        chosen += std::wstring(L".") + chosen_type.extension;
    return chosen;
}

} // namespace mixora::ui
