#pragma once
// The 试配与调整 dialog's layout as data (form_layout.h): every group, label, field, option,
// list, computed text and button with its place in dialog units, relative to its group (groups:
// to the dialog), and the name a screen reader gives each cell of a row, which has no label of
// its own: its column and its row ("水泥 试拌用量", "试件 2 第 3 组"). Two columns in reading
// order: 试拌, 试拌配合比, 强度试验 on the left; 水胶比选定, 表观密度校正, 施工配合比 on the
// right; below both, 特殊要求试验 across the dialog. The table's order is the Tab order.
#include "form_layout.h"

namespace mixora::ui {

inline constexpr short kTrialDialogWidth = 690;
inline constexpr short kTrialDialogHeight = 626;
// Below this (dialog units) the dialog's last rows stay in view while the groups scroll.
inline constexpr short kTrialPinnedTop = 576;

const FormLayout& TrialForm();

} // namespace mixora::ui
