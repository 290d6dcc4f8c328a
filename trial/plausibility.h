#pragma once
// Notes on entries that are probably a slip: a measured slump outside the design's tolerance, a
// moisture typed as a fraction, a mixer batch beyond any plant mixer, a trial batch below the
// least volume. They never block a stage; the dialog and the report show them.
#include "trial_entries.h"
#include "trial_procedure.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::trial {

// A batch of a plant's mixer larger than this (m³) is taken for a slip (a batch typed in L …).
inline constexpr double kLargestMixerBatchM3 = 6;

// The tolerance (mm) of GB/T 14902-2012 for a design slump. A design slump between two bands
// (41–49, 91–99 mm) takes the band below, the tighter one; below the first band, none.
std::optional<double> SlumpTolerance(double design_slump);

std::vector<std::string> PlausibilityNotes(double design_slump, const TrialAttempt& entries,
                                           const TrialRecord& record);

} // namespace mixora::trial
