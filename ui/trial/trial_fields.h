#pragma once
// Which control of the 试配与调整 dialog holds which of the trial's entries, as data: the typed
// texts, the adjustment kinds' options and the fields each kind needs, the specimen sizes.
#include "design_format.h"
#include "trial_entries.h"

#include <optional>
#include <span>
#include <string>

namespace mixora::ui {

struct TrialTextField {
    int id; // trial_ids.h
    std::string& (*text)(trial::TrialEntries& entries);
    // The adjustment kind that reads the field; none: every kind does.
    std::optional<trial::AdjustmentKind> only_for = std::nullopt;
};

// Every edit field of the dialog, in its order on screen.
std::span<const TrialTextField> TrialTextFields();

struct AdjustmentOption {
    int id;
    trial::AdjustmentKind kind;
};
std::span<const AdjustmentOption> AdjustmentOptions();

// The rows of 特殊要求试验 from the top (trial_ids.h: each the first of its block), the height
// each takes in the layout (dialog units) and whether the design's demands ask for it.
struct SpecialRow {
    int first;
    short height;
    bool (*asked)(const trial::SpecialDemands& demands);
};
std::span<const SpecialRow> SpecialRows();

// The sizes in the order the list shows them: 100 mm, 150 mm, 200 mm.
std::span<const trial::SpecimenSize> SpecimenSizesShown();

// The longest text a field takes: what a design file keeps of a text.
inline constexpr int kTrialFieldLimit = static_cast<int>(document::kMaxDesignTextLength);
// The longest reason the results of a changed design still hold.
inline constexpr int kTrialReasonLimit = 200;

} // namespace mixora::ui
