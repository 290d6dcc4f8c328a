#include "lab_settings.h"

#include "file_io.h"
#include "lab_command_line.h"
#include "settings.h"
#include "utf.h"

#include <windows.h>

#include <shlobj.h>

namespace mixora::ui {

std::string LabDatabaseOfSettings(const std::wstring& settings_key) {
    const std::wstring set = SettingText(kLabDatabaseValue, settings_key);
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
