#include "utf.h"

#include <windows.h>

namespace mixora::ui {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), count);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int count =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), count, nullptr, nullptr);
    return out;
}

std::wstring WidenLines(std::string_view utf8) {
    std::wstring lines;
    for (const wchar_t c : Widen(utf8)) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    return lines;
}

} // namespace mixora::ui
