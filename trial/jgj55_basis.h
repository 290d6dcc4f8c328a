#pragma once
// What a JGJ 55-2011 design hands the trial: its mix per m³ with the ratios it was proportioned
// by, and its own aggregate step (volume or mass method with the design's densities), so that
// every mix the trial recomputes is proportioned exactly as the design was.
#include "computed.h"
#include "inputs.h"
#include "mix_types.h"
#include "result.h"
#include "trial_procedure.h"

namespace mixora::trial {

// The design's shown values; lacking, with the design's reasons, while any of them cannot be
// computed.
Computed<DesignBasis> DesignBasisOf(const jgj55::Inputs& inputs, const jgj55::Result& result);

// The design's step 10 for other binder parts, water and sand ratio.
AggregateMethod AggregateMethodOf(const jgj55::Inputs& inputs);

// An older file kept the cube strengths but not the mixes they were made from: its groups with a
// strength entered are recorded from the design as it reads (the file's, as it opens), the
// record saying so. A trial that has a record, or no strength, is returned as it is.
inline constexpr std::string_view kRecordedOnOpening =
    "旧版文件未记录试件成型时的配合比，已按打开文件时的设计记录";
TrialEntries WithOldGroupsRecorded(TrialEntries entries, const jgj55::Inputs& inputs);

// Whether the laboratory has recorded anything of the trial yet.
bool TrialStarted(const TrialEntries& entries);

// The trial of a JGJ 55-2011 design: the basis it rests on, or why the design gives none, and
// the record (all stages empty while there is no basis).
struct Jgj55Trial {
    Computed<DesignBasis> basis;
    TrialRecord record;
};
Jgj55Trial RunJgj55Trial(const jgj55::Inputs& inputs, const jgj55::Result& result,
                         const TrialEntries& entries);

} // namespace mixora::trial
