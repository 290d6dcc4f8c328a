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
