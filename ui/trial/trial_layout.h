#pragma once
// The 试配与调整 dialog's layout as data: every group, label, field, option, list, computed text
// and button with its place in dialog units, relative to its group (groups: to the dialog).
// Two columns in reading order: 试拌, 试拌配合比, 强度试验 on the left; 水胶比选定, 表观密度校正,
// 施工配合比 on the right.
#include <span>

namespace mixora::ui {

enum class TrialControl {
    Group,  // a frame with a caption
    Label,  // the name of the field after it, or a unit after a value
    Header, // a column's name over a row of values
    Input,  // an edit field the user types into
    Output, // a read-only edit field: a computed value
    Note,   // a computed text that may take two lines
    Stage,  // one line: 已填写, or what the stage lacks
    Option, // an option button; the first of a set starts a group
    Choice, // a drop-down list
    Chart,  // the strength–B/W chart, drawn by the dialog
    Button, // 确定, 取消
};

inline constexpr int kNoId = -1; // labels and headers

struct TrialLayoutEntry {
    TrialControl type;
    int id; // trial_ids.h, or kNoId
    const wchar_t* caption;
    int parent;         // the enclosing group's identifier, 0 for the dialog
    short x, y;         // dialog units
    short cx, cy;       // dialog units; a list's height includes its drop-down
    bool first = false; // the first option of its set
};

inline constexpr short kTrialDialogWidth = 690;
inline constexpr short kTrialDialogHeight = 438;

// Every control, each group before what it holds and each label right before its field (the
// system names a field for a screen reader after the static text created just before it); the
// table's order is the Tab order.
std::span<const TrialLayoutEntry> TrialLayout();
const TrialLayoutEntry* FindTrialEntry(int id);

} // namespace mixora::ui
