#pragma once
// UTF-8 (the calculator's texts) to and from UTF-16 (the window system's).
#include <string>
#include <string_view>

namespace mixora::ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// UTF-8 text of "\n"-ended lines, widened with the "\r\n" line ends of the console, Windows'
// files and a multi-line edit control.
std::wstring WidenLines(std::string_view utf8);

} // namespace mixora::ui
