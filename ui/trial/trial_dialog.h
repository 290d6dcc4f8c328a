#pragma once
// 试配与调整: the laboratory's trial of a JGJ 55-2011 design, stage after stage, recomputed as
// the user types. The dialog edits a copy of the entries; 确定 hands them back.
#include "jgj55_basis.h"
#include "message_boxes.h"
#include "trial_entries.h"

#include <windows.h>

namespace mixora::ui {

inline constexpr const wchar_t* kTrialDialogTitle = L"试配与调整";

// What the trial rests on: the design's mix and ratios (or why there are none) and its way of
// proportioning the aggregates.
struct TrialDesign {
    trial::Computed<trial::DesignBasis> basis;
    trial::AggregateMethod method;
};

// Shows the modal dialog over `owner`, skinned when `skinned` is set. True when the user chose
// 确定: `entries` then holds what the dialog shows; otherwise it is untouched. 取消, Esc or the
// close box, once anything was changed, first ask through `boxes` whether to keep it
// (kKeepEntriesStyle: 保留 is 确定, 放弃 drops it, 取消 goes back to the dialog).
bool EditTrial(HWND owner, const TrialDesign& design, trial::TrialEntries& entries,
               MessageBoxes& boxes, bool skinned);

} // namespace mixora::ui
