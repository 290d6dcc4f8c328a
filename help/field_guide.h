#pragma once
// What each field of the cement-only sheet means, as the user's guide explains it: its unit,
// how to enter it and its usual range, and what fills it.
#include "field.h"

#include <string>
#include <string_view>

namespace mixora::help {

enum class FilledBy {
    User,    // an input
    Press,   // computed by "计算"; a value typed there is used as given
    Nothing, // shown and kept, but no step reads it
};

struct FieldGuide {
    std::string meaning;
    std::string_view unit; // "" for a ratio or a fraction
    std::string entry;     // how to enter it, its usual range
    FilledBy filled_by;
};

const FieldGuide& GuideOf(calc::Field field);

} // namespace mixora::help
