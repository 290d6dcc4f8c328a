#pragma once
// Text broken into lines of a given width, as the laid-out page sets it in its cells.
#include "text_measurer.h"

#include <string>
#include <string_view>
#include <vector>

namespace mixora::page {

// A printer measures text a little narrower than a coarse screen does: lines keep this much of
// their width free, so that a line never runs out of its box on either.
inline constexpr int kSlackPercent = 3;

// The text broken into lines no wider than `width`, less the slack: at its line breaks (one
// line at least, an empty one for an empty paragraph), between Chinese characters, at blanks
// between words, and never before closing punctuation nor after opening punctuation. A word
// wider than a line is broken where it must be. Tabs read as blanks.
std::vector<std::wstring> WrapText(const TextMeasurer& measurer, TextStyle style,
                                   std::wstring_view text, int width);

// The width that keeps `text` on one line of WrapText.
int UnwrappedWidth(const TextMeasurer& measurer, TextStyle style, std::wstring_view text);

} // namespace mixora::page
