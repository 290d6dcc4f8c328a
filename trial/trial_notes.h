#pragma once
// How each stage computes and rounds, in the words the report prints under it, built from the
// same constants the stages use.
#include <string>

namespace mixora::trial {

std::string TrialBatchNote();
std::string TrialMixNote();
std::string StrengthMixNote();
std::string StrengthGroupNote();
std::string RatioChoiceNote();
std::string DensityNote();
std::string ProductionNote();

} // namespace mixora::trial
