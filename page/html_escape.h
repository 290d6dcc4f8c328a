#pragma once
#include <string>
#include <string_view>

namespace mixora::page {

// Text as HTML character data or attribute value: & < > " ' become references, so whatever
// a user typed stays text. Line breaks become <br> when line_breaks is set.
std::string EscapeHtml(std::string_view text, bool line_breaks = false);

} // namespace mixora::page
