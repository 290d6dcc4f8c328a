#pragma once
// How each stage computes and rounds, in the words the report prints under it, built from the
// same constants the stages use.
#include "table.h"

#include <string>

namespace mixora::trial {

std::string TrialBatchNote();
std::string TrialMixNote();
// The mixes `step` apart in W/B (strength_mixes.h: StrengthMixWaterBinderStep), with its clause;
// the mineral admixtures split by their shares name 硅灰 when the mix has some.
std::string StrengthMixNote(const standards::Constant& step, bool silica_fume);
std::string StrengthGroupNote();
std::string RatioChoiceNote();
std::string DensityNote();
std::string ProductionNote();

} // namespace mixora::trial
