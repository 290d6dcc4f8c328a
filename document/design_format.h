#pragma once
// The fixed vocabulary of the design file: its format name and version, its limits, and the
// key of each option control.
#include "design_snapshot.h"

#include <cstddef>
#include <string_view>

namespace mixora::document {

inline constexpr std::string_view kDesignFormatName = "mixora-design";
// Files of a higher version come from a newer program and are refused rather than misread.
inline constexpr int kDesignFormatVersion = 1;
// A design is a few kilobytes; anything near this is not one, and is refused unread.
inline constexpr std::size_t kMaxDesignFileBytes = 1024 * 1024;
// The longest text of a field or of the report's header, in characters (code points): far more
// than any value or name needs, and short enough for an edit control to show at once.
inline constexpr std::size_t kMaxDesignTextLength = 4096;
// Deeper nesting serves no design and would make copying or writing recurse without bound.
inline constexpr int kMaxDesignDepth = 100;

// The key under "options", in the order of kAllToggles.
inline constexpr std::array<std::string_view, kToggleCount> kToggleKeys = {
    "option1", "option2", "细砂", "粗砂", "卵石", "碎石",
};

constexpr std::string_view ToggleKey(calc::Toggle toggle) {
    return kToggleKeys[static_cast<std::size_t>(toggle)];
}

} // namespace mixora::document
