#include "design.h"

#include "design_steps.h"

namespace mixora::jgj55 {

Result ComputeDesign(const Inputs& inputs) {
    Result result;
    DeriveTargetStrength(inputs, result);
    DeriveBinderStrength(inputs, result);
    DeriveWaterBinder(inputs, result);
    DeriveWater(inputs, result);
    DeriveContents(inputs, result);
    DeriveSandRatio(inputs, result);
    DeriveAggregateMasses(inputs, result);
    DeriveMixSummary(result);
    RunChecks(inputs, result);
    return result;
}

} // namespace mixora::jgj55
