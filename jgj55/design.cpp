#include "design.h"

#include "design_steps.h"
#include "input_reading.h"

namespace mixora::jgj55 {

Result ComputeDesign(const Inputs& inputs) {
    Result result;
    if (const std::string problem = FirstInputProblem(inputs); !problem.empty()) {
        // Nothing is computed from an input that does not read: every value says which.
        for (Parameter& parameter : result.parameters) {
            parameter.origin = Origin::Unavailable;
            parameter.reason = "输入有误：" + problem;
        }
        return result;
    }
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
