#pragma once
// The design window's layout as data: every group, label, field, option, check box and button
// with its place in twips (1/1440 inch), relative to its group (groups: to the client area).
#include "field.h"

#include <span>
#include <string>

namespace mixora::ui {

enum class ControlType { Frame, Label, Text, Option, Check, Command };

struct ControlEntry {
    ControlType type;
    int id;           // control identifier (control_ids.h)
    const char* name; // control name: "Text5", "option1", "细砂" …
    const wchar_t* caption;
    int parent;        // identifier of the enclosing group, 0 for the client area
    int left, top;     // twips
    int width, height; // twips; 0 × 0 for a label sized to its caption
};

// Client area of the design window, in twips.
inline constexpr int kClientWidthTwips = 8100;
inline constexpr int kClientHeightTwips = 4965;
// Every text field has this size.
inline constexpr int kTextWidthTwips = 915;
inline constexpr int kTextHeightTwips = 270;

// All controls, groups first, each group before what it holds, each label right before its field:
// the system names a field for a screen reader after the static text created just before it.
std::span<const ControlEntry> DesignLayout();

// Identifiers in keyboard focus order.
std::span<const int> FocusOrder();

// The layout entry of one control, or nullptr.
const ControlEntry* FindControl(int id);

// What the user reads as a field's name (calc/field_captions.h): its label's caption without a
// trailing colon, or a description for the cells of the result frame, which have no label.
std::wstring FieldCaption(calc::Field field);

// How wide a label of the given height may be at a DPI: up to the next control on its row in its
// group, so that its caption never paints over a field; unbounded when nothing follows it there.
int LabelRoom(const ControlEntry& label, int height, int dpi);

// Pixels for twips at a DPI (1440 twips an inch), rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

} // namespace mixora::ui
