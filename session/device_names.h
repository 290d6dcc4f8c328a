#pragma once
// The names Windows keeps for its devices (NUL, CON, COM1 …): a path whose last part is one,
// with any extension ("nul.mixora"), names the device, never a file, in every folder.
#include <optional>
#include <string>
#include <string_view>

namespace mixora::session {

// The device name a path's last part stands for ("nul.mixora" → "nul.mixora"), or none.
std::optional<std::wstring> DeviceNameIn(std::wstring_view path);

// "“nul.mixora”是 Windows 的设备名，不能用作文件名。" for such a path, or none.
std::optional<std::wstring> DeviceNameProblem(std::wstring_view path);

} // namespace mixora::session
