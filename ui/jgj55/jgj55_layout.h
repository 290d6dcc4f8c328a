#pragma once
// The JGJ 55-2011 sheet's layout as data: every group, label, field, list, option and source
// mark with its place in twips, relative to its group (groups: to the client area).
#include <span>

namespace mixora::ui {

enum class Jgj55Control {
    Group,   // a frame with a caption
    Label,   // the name of the field after it
    Input,   // an edit field the user types a number into
    Output,  // a read-only edit field
    Mark,    // a static text: where the value beside it comes from, or why there is none
    Choice,  // a drop-down list
    Option,  // an option button; the first of a set starts a group
    Checks,  // the read-only multi-line list of checks
    Status,  // the status line at the bottom
    Command, // a push button
};

struct Jgj55Entry {
    Jgj55Control type;
    int id; // jgj55_ids.h
    const wchar_t* caption;
    int parent;                // the enclosing group's identifier, 0 for the client area
    int left, top;             // twips
    int width, height;         // twips
    bool first_option = false; // the first option of its set
};

inline constexpr int kJgj55ClientWidthTwips = 10200;
inline constexpr int kJgj55ClientHeightTwips = 7850;

// All controls, each group before what it holds and each label right before its field (the
// system names a field for a screen reader after the static text created just before it).
std::span<const Jgj55Entry> Jgj55Layout();
const Jgj55Entry* FindJgj55Entry(int id);
// Identifiers in keyboard focus order: the fields, lists and options in table order.
std::span<const int> Jgj55FocusOrder();

} // namespace mixora::ui
