#pragma once
// What the laboratory made, kept as it was made: the design the trial rested on, the trial mix
// the specimens were made from, and each batch of specimens with its own mix. The strength line
// is fitted from these, never from the design as it reads now; when the design or the trial mix
// has changed since, the trial says so (trial_match.h) until the user starts a new trial or
// records why the old results still hold.
#include "design_stamp.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::trial {

// The kinds of specimens a trial makes, as the file names them and people read them. A new kind
// (the slump after a waiting time, an impermeability set …) is a new row.
struct CastKindName {
    std::string_view key;  // "strength"
    std::string_view name; // "强度试件"
};
inline constexpr std::array<CastKindName, 2> kCastKinds = {{
    {"strength", "强度试件"},
    {"repeat", "重复试验试件"}, // the chosen mix of a high-strength design, batches 0 … 2
}};

// One batch of specimens as made.
struct CastBatch {
    std::string kind = "strength"; // a key of kCastKinds
    int index = 0;                 // which of its kind: the strength groups 0 … 2
    RecordedMix mix;
    std::string made_on;          // 成型日期, as written
    std::string specimen_numbers; // 试件编号, as written
    std::string age_days;         // the age it is tested at, as written
    friend bool operator==(const CastBatch&, const CastBatch&) = default;
};

// The user's word that results still hold for a design that has changed since they were made:
// the reason, and the design and trial mix it was given for (a later change asks again).
struct Acceptance {
    std::string reason;
    DesignStamp design;
    RecordedMix trial_mix;
    friend bool operator==(const Acceptance&, const Acceptance&) = default;
};

struct CastRecord {
    DesignStamp design;    // the design the trial batch was made from
    RecordedMix trial_mix; // the 试拌配合比 the specimens were made from
    std::string note;      // how the record came about when not as made ("旧版文件…")
    std::vector<CastBatch> batches;
    Acceptance accepted; // empty reason: none given
    friend bool operator==(const CastRecord&, const CastRecord&) = default;

    const CastBatch* Find(std::string_view kind, int index) const {
        for (const CastBatch& batch : batches)
            if (batch.kind == kind && batch.index == index) return &batch;
        return nullptr;
    }
};

} // namespace mixora::trial
