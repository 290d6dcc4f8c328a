#include "recent_store.h"

#include "file_io.h"
#include "handles.h"
#include "menu_ids.h"

#include <windows.h>

namespace mixora::ui {

namespace {

std::wstring RecentKey(const std::wstring& settings_key) {
    return settings_key + L"\\Recent";
}

} // namespace

std::vector<std::wstring> LoadRecentDesigns(const std::wstring& settings_key) {
    std::vector<std::wstring> paths;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RecentKey(settings_key).c_str(), 0, KEY_READ, &opened) !=
        ERROR_SUCCESS)
        return paths;
    const base::unique_hkey key(opened);
    for (int i = 1; i <= menu_ids::kRecentCount; ++i) {
        wchar_t path[32768];
        DWORD size = sizeof(path);
        DWORD type = 0;
        if (RegQueryValueExW(key.get(), std::to_wstring(i).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(path), &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            continue;
        std::wstring value(path, size / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0')
            value.pop_back();
        // A relative path (kept by an earlier version) names a different file in each folder
        // the program starts in: it is not offered.
        if (IsFullPath(value)) paths.push_back(value);
    }
    return paths;
}

bool SaveRecentDesigns(const std::wstring& settings_key, const std::vector<std::wstring>& paths) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, RecentKey(settings_key).c_str(), 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    const base::unique_hkey key(created);
    bool written = true;
    for (int i = 1; i <= menu_ids::kRecentCount; ++i) {
        const std::wstring name = std::to_wstring(i);
        if (static_cast<size_t>(i) <= paths.size()) {
            const std::wstring& path = paths[static_cast<size_t>(i - 1)];
            written &= RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(path.c_str()),
                                      static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) ==
                       ERROR_SUCCESS;
        } else {
            RegDeleteValueW(key.get(), name.c_str());
        }
    }
    return written;
}

} // namespace mixora::ui
