#pragma once
// UTF-8 (the calculator's texts) to and from UTF-16 (the window system's).
#include <string>
#include <string_view>

namespace mixora::ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace mixora::ui
