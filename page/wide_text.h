#pragma once
// UTF-8 (the page's texts) as the wide characters the laid-out pages hold: UTF-16 where
// wchar_t has 16 bits, code points where it has 32.
#include <string>
#include <string_view>

namespace mixora::page {

// A byte that begins no character, or a character cut short, reads as U+FFFD.
std::wstring WideText(std::string_view utf8);

} // namespace mixora::page
