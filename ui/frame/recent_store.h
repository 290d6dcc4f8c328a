#pragma once
// The recent designs kept in the registry: values "1" … "8" (most recent first) under
// HKCU\<key>\Recent, absolute paths only. The only thing the program keeps between runs.
#include <string>
#include <vector>

namespace mixora::ui {

inline constexpr const wchar_t* kSettingsKey = L"Software\\Mixora";

std::vector<std::wstring> LoadRecentDesigns(const std::wstring& settings_key);
// Replaces the stored list; false when the registry could not be written.
bool SaveRecentDesigns(const std::wstring& settings_key, const std::vector<std::wstring>& paths);

} // namespace mixora::ui
