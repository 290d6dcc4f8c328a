#pragma once
// A field's text as a message quotes it: a text of any length keeps the message readable.
#include <cstddef>
#include <string>
#include <string_view>

namespace mixora::calc {

// How many characters of a field's text a message quotes.
inline constexpr std::size_t kQuotedChars = 32;

// The UTF-8 text itself when it has at most max_chars characters (code points), otherwise its
// first max_chars characters followed by "…". A character is never cut in two.
std::string TextPrefix(std::string_view text, std::size_t max_chars = kQuotedChars);

} // namespace mixora::calc
