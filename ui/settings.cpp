#include "settings.h"

#include "utf.h"

#include <windows.h>

namespace mixora::ui {

std::wstring SettingText(const wchar_t* name, const std::wstring& key) {
    wchar_t value[32768];
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

std::optional<std::wstring> WriteSettingText(const wchar_t* name, const std::wstring& value,
                                             const std::wstring& key) {
    LSTATUS status = ERROR_SUCCESS;
    if (value.empty()) {
        status = RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), name);
        if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
    } else {
        status = RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, value.c_str(),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    if (status == ERROR_SUCCESS) return std::nullopt;
    return L"无法写入设置 HKEY_CURRENT_USER\\" + key + L" 的 " + name + L"（错误代码 " +
           std::to_wstring(status) + L"）";
}

report::LabIdentity ReadLabIdentity(const std::wstring& key) {
    report::LabIdentity lab;
    for (const LabIdentityValue& value : kLabIdentityValues)
        lab.*value.member = Narrow(SettingText(value.name, key));
    return lab;
}

} // namespace mixora::ui
