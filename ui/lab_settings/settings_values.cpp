#include "settings_values.h"

#include "handles.h"

#include <windows.h>

namespace mixora::ui {

std::wstring ReadSetting(const std::wstring& key, const wchar_t* name) {
    wchar_t value[32768];
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

bool WriteSetting(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    const base::unique_hkey opened(created);
    if (text.empty()) {
        const LSTATUS removed = RegDeleteValueW(opened.get(), name);
        return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
    }
    return RegSetValueExW(opened.get(), name, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

} // namespace mixora::ui
