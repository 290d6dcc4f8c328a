#pragma once
// The fixed vocabulary of the design file: its format name and version, its limits, and the
// key of each option control.
#include "design_snapshot.h"

#include <cstddef>
#include <string_view>

namespace mixora::document {

inline constexpr std::string_view kDesignFormatName = "mixora-design";
// Files of a higher version than the newest come from a newer program and are refused rather
// than misread. The cement-only sheet's designs are version 1 and stay so; a design of another
// kind is version 2 and names its kind, so that a program that knows only version 1 refuses it
// instead of opening it as the other sheet.
inline constexpr int kDesignFormatVersion = 1;
inline constexpr int kKindFormatVersion = 2;
inline constexpr int kNewestFormatVersion = kKindFormatVersion;

// What a design file holds, and the window that shows it.
enum class DesignKind {
    Cement, // version 1: "fields" and "options" of the cement-only sheet
    Jgj55,  // version 2, "kind": "jgj55-2011": "design" (the inputs), "trial" (the trial's
            // entries) and "requirements" (the special requirements), each an object its kind's
            // own reader reads (session/design_reading.h)
};
inline constexpr std::string_view kJgj55KindName = "jgj55-2011";
// The members of a JGJ 55-2011 design's content, in the order a file writes them.
inline constexpr std::array<std::string_view, 3> kJgj55Members = {"design", "requirements",
                                                                  "trial"};
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
