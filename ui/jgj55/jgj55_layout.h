#pragma once
// The JGJ 55-2011 sheet's layout as data (form_layout.h): every group, label, field, list,
// option and source mark with its place in twips, relative to its group (groups: to the client
// area). Its focus order is the table's: the fields, lists, options and the button.
#include "form_layout.h"

namespace mixora::ui {

inline constexpr int kJgj55ClientWidthTwips = 18300;
inline constexpr int kJgj55ClientHeightTwips = 7850;

const FormLayout& Jgj55Form();

} // namespace mixora::ui
