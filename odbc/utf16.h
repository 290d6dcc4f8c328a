#pragma once
// UTF-8 (the store's texts) to and from UTF-16 (ODBC's wide characters), the same on every
// platform. What is not valid in one (a broken UTF-8 sequence, a lone surrogate) becomes U+FFFD
// in the other; everything else round-trips exactly.
#include <string>
#include <string_view>

namespace mixora::odbc {

std::u16string ToUtf16(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

} // namespace mixora::odbc
