#pragma once
// The water a plant weighs: a liquid admixture whose solid content is stated brings the rest of
// its mass as water, which comes off the mixing water. The batch ticket and the report's
// production mix take it off by this one rule, so the two documents print the same water.
#include "mix_types.h"
#include "report_info.h"

#include <optional>
#include <string>

namespace mixora::jgj55_report {

struct AdmixtureWater {
    std::optional<double> solid_percent; // none: nothing comes off (none stated, or a powder)
    std::string problem;                 // a stated solid content that does not read, or ""

    // The mix with the admixture's water taken off the water, to 1 kg; as it is without a
    // solid content.
    trial::Mix Net(trial::Mix mix) const;
    // What the water is less of: "用水量已扣除砂、石所含的水和外加剂所含的水（固含量 40 %）".
    std::string Said() const;
};

// The solid content of the header (a cited record's already put in its place).
AdmixtureWater AdmixtureWaterOf(const report::ReportInfo& info);

} // namespace mixora::jgj55_report
