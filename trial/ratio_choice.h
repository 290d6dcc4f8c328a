#pragma once
// Stage 4, 确定配合比: the B/W that reaches fcu,0 on the strength line, taken slightly above,
// and the mix proportioned for it with the trial mix's water: the design mix (设计配合比).
#include "computed.h"
#include "mix_types.h"
#include "strength_groups.h"
#include "strength_line.h"
#include "strength_plot.h"
#include "trial_batch.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::trial {

struct RatioChoice {
    StrengthLine line;
    std::vector<PlotPoint> points; // the valid groups
    double exact_binder_water = 0; // (fcu,0 − b) ÷ a
    double binder_water = 0;       // the above rounded up to 0.01
    // When the chosen B/W lies outside the tested ones.
    std::optional<std::string> extrapolation;
    MixRatios ratios; // W/B = water ÷ binder to 0.01; sand ratio, shares, dosage the trial mix's
    Mix per_cubic_metre;
    StrengthPlot plot;
};

// The B/W for target on line, before and after rounding up; lacking when the line does not
// rise or never reaches a positive B/W.
Computed<double> BinderWaterFor(const StrengthLine& line, double target);

Computed<RatioChoice> ChooseRatio(const Computed<StrengthResults>& results,
                                  const Computed<TrialMix>& trial, double target_strength,
                                  const AggregateMethod& method);

} // namespace mixora::trial
