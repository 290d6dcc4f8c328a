#pragma once
// A form's layout as data: the one schema of every window and dialog of the program. Each control
// has its kind, identifier, caption, enclosing group and place; the table's order is the order
// the controls are made in, each group before what it holds and each label right before its
// field (the system names a field for a screen reader after the static text made just before
// it). The checks below let a layout table prove at compile time that its identifiers are unique
// and its controls lie inside their groups.
#include <cstddef>
#include <span>

namespace mixora::ui {

enum class ControlType {
    Frame,   // a group with a caption; what it holds is placed relative to it
    Label,   // static text: a field's name or a unit; 0 × 0 in a window: as wide as its caption
    Header,  // static text centred over a column
    Note,    // static text the form writes, on as many lines as its height holds
    Line,    // one line of static text the form writes, cut short with an ellipsis
    Text,    // an edit field the user types into
    Memo,    // an edit field of several lines the user types into (Enter starts a line)
    Output,  // a read-only edit field the form writes
    Lines,   // a read-only edit field of several lines with a scroll bar
    Choice,  // a drop-down list; its height includes the list that drops down
    Option,  // an option button
    Check,   // a check box
    Command, // a push button; IDOK is the default button
    Chart,   // drawn by its form (owner-drawn)
    List,    // a list of rows to choose one from, its columns at tab stops (list_rows.h)
};

inline constexpr int kNoId = -1; // a label or header nothing refers to

struct ControlEntry {
    ControlType type;
    int id; // the control identifier (the automation interface, README.md), or kNoId
    const wchar_t* caption;
    int parent;                      // the enclosing group's identifier, 0 for the form itself
    int left, top;                   // in the form's units
    int width, height;               // in the form's units
    const char* name = nullptr;      // the control's name where the design names it: "Text5"
    bool first = false;              // the first option of a set
    const wchar_t* spoken = nullptr; // a screen reader's name for a control without a label
};

// A window is laid out in twips (1/1440 inch) and scales with its DPI; a dialog in dialog units,
// which its font sizes.
enum class Units { Twips, DialogUnits };

// Which controls start a group (WS_GROUP), which bounds the options an auto option button
// unchecks and, in a dialog, where the arrow keys move: none; each control the focus order
// reaches, and the first option of each set; or, in a dialog, every control but an option that
// continues a set.
enum class Groups { None, EachStop, EachControl };

struct FormLayout {
    std::span<const ControlEntry> controls;
    Units units;
    int width, height; // the form's client area
    Groups groups;
    // Identifiers in keyboard focus order; empty: every control a user can focus (fields,
    // lists, options, check boxes, buttons), in the table's order.
    std::span<const int> focus_order = {};
};

// The controls Tab reaches: those a user types into, reads a value from, chooses or presses.
constexpr bool TakesFocus(ControlType type) {
    switch (type) {
    case ControlType::Text:
    case ControlType::Memo:
    case ControlType::Output:
    case ControlType::Lines:
    case ControlType::Choice:
    case ControlType::Option:
    case ControlType::Check:
    case ControlType::Command:
    case ControlType::List: return true;
    default: return false;
    }
}

// Every identifier once (kNoId aside).
constexpr bool IdsAreUnique(std::span<const ControlEntry> controls) {
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t k = i + 1; k < controls.size(); ++k)
            if (controls[i].id != kNoId && controls[i].id == controls[k].id) return false;
    return true;
}

// Every control inside its group and every group inside the form, a list by its box alone
// (`box_height` high): its list may drop down beyond.
constexpr bool InsideParents(std::span<const ControlEntry> controls, int width, int height,
                             int box_height) {
    for (const ControlEntry& entry : controls) {
        int room_x = width, room_y = height;
        if (entry.parent != 0) {
            const ControlEntry* parent = nullptr;
            for (const ControlEntry& candidate : controls)
                if (candidate.id == entry.parent) parent = &candidate;
            if (!parent || parent->type != ControlType::Frame) return false;
            room_x = parent->width;
            room_y = parent->height;
        }
        const int cy = entry.type == ControlType::Choice ? box_height : entry.height;
        if (entry.left < 0 || entry.top < 0 || entry.left + entry.width > room_x ||
            entry.top + cy > room_y)
            return false;
    }
    return true;
}

} // namespace mixora::ui
