#include "device_names.h"

#include "design_session.h"

#include <array>

namespace mixora::session {

namespace {

constexpr std::array<std::wstring_view, 4> kDevices = {L"CON", L"PRN", L"AUX", L"NUL"};
// Each followed by a digit 1 … 9.
constexpr std::array<std::wstring_view, 2> kNumberedDevices = {L"COM", L"LPT"};

std::wstring Upper(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return upper;
}

} // namespace

std::optional<std::wstring> DeviceNameIn(std::wstring_view path) {
    const std::wstring name = FileNameOf(path);
    // The system ignores what follows the first dot, and blanks before it.
    std::wstring stem = Upper(name.substr(0, name.find(L'.')));
    while (!stem.empty() && stem.back() == L' ')
        stem.pop_back();
    for (const std::wstring_view device : kDevices)
        if (stem == device) return name;
    for (const std::wstring_view device : kNumberedDevices)
        if (stem.size() == device.size() + 1 && stem.starts_with(device) && stem.back() >= L'1' &&
            stem.back() <= L'9')
            return name;
    return std::nullopt;
}

std::optional<std::wstring> DeviceNameProblem(std::wstring_view path) {
    const auto name = DeviceNameIn(path);
    if (!name) return std::nullopt;
    return L"“" + *name + L"”是 Windows 的设备名，不能用作文件名。";
}

} // namespace mixora::session
