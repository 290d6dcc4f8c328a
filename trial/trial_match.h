#pragma once
// Whether a trial still matches the design as it reads now. Once specimens are made the trial
// keeps what they were made from (cast_record.h); a later change of the design, or of the trial
// mix they were made from, makes the stages from there on read 与当前设计不符, and the batch
// ticket and the report's recommended mix are refused, until the user starts a new trial or
// records why the old results still hold.
#include "cast_record.h"

#include <cstddef>
#include <string>
#include <vector>

namespace mixora::trial {

inline constexpr std::size_t kStageCount = 7;
inline constexpr std::string_view kStaleText = "与当前设计不符";

struct TrialMatch {
    bool recorded = false;                 // specimens were made and kept
    std::vector<std::string> changes;      // "强度等级 C30 → C35", since they were made
    std::size_t first_stale = kStageCount; // 0: the design changed; 1: the trial mix did
    std::string reason; // the user's reason the results still hold, for these very changes

    bool matches() const { return changes.empty(); }
    // The batch ticket and the recommended mix may be issued.
    bool may_issue() const { return matches() || !reason.empty(); }
    // Stage i (in the order of Stages()) no longer matches and stands refused.
    bool stale(std::size_t stage) const { return !may_issue() && stage >= first_stale; }
    // "强度等级 C30 → C35；…（试件成型之后）"; empty when it matches.
    std::string Why() const;
    // What a refused document says: "试配结果与当前设计不符（…），请新试配或说明理由".
    std::string Refusal() const;
};

// The match of a trial's record with the design's stamp (StampOf) and the trial mix as it is
// computed now (none when it cannot be).
TrialMatch MatchOf(const std::optional<CastRecord>& cast, const DesignStamp& design,
                   const std::optional<RecordedMix>& trial_mix);

} // namespace mixora::trial
