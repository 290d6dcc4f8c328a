#pragma once
// The cement-only sheet's layout as data (form_layout.h): every group, label, field, option,
// check box and button with its place in twips, relative to its group (groups: to the client
// area), and the sheet's focus order.
#include "field.h"
#include "form.h"
#include "form_layout.h"

#include <span>
#include <string>

namespace mixora::ui {

// Client area of the design window, in twips.
inline constexpr int kClientWidthTwips = 8100;
inline constexpr int kClientHeightTwips = 4965;
// Every text field has this size.
inline constexpr int kTextWidthTwips = 915;
inline constexpr int kTextHeightTwips = 270;

// All controls, groups first, each group before what it holds, each label right before its
// field; and the form they make, with its focus order.
std::span<const ControlEntry> DesignLayout();
const FormLayout& CementForm();

// Identifiers in keyboard focus order.
std::span<const int> FocusOrder();

// The layout entry of one control, or nullptr.
const ControlEntry* FindControl(int id);

// What the user reads as a field's name (calc/field_captions.h): its label's caption without a
// trailing colon, or a description for the cells of the result frame, which have no label.
std::wstring FieldCaption(calc::Field field);

// What a screen reader calls a cell of the result frame, which has no label: its column and row
// ("水泥 用量", "水泥 比例"); nullptr for a field that has a label.
const wchar_t* CellName(calc::Field field);

} // namespace mixora::ui
