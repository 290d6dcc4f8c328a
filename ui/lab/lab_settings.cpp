#include "lab_settings.h"

#include "file_io.h"
#include "lab_command_line.h"
#include "utf.h"

#include <windows.h>

#include <shlobj.h>

namespace mixora::ui {

std::wstring ReadSetting(const std::wstring& settings_key, const wchar_t* name) {
    wchar_t value[32768];
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, settings_key.c_str(), name, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return {};
    return value;
}

bool WriteSetting(const std::wstring& settings_key, const wchar_t* name,
                  const std::wstring& value) {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, settings_key.c_str(), name, REG_SZ, value.c_str(),
                           bytes) == ERROR_SUCCESS;
}

std::string LabDatabaseOfSettings(const std::wstring& settings_key) {
    const std::wstring set = ReadSetting(settings_key, kLabDatabaseValue);
    if (Narrow(set).starts_with(lab::kSharedDatabasePrefix)) return Narrow(set);
    if (!set.empty()) return Narrow(FullPathOf(set));
    wchar_t folder[MAX_PATH]{};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                         folder) != S_OK)
        return "lab.sqlite";
    const std::wstring mixora = std::wstring(folder) + L"\\Mixora";
    CreateDirectoryW(mixora.c_str(), nullptr);
    return Narrow(mixora + L"\\lab.sqlite");
}

} // namespace mixora::ui
