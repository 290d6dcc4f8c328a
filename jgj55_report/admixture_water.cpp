#include "admixture_water.h"

#include "shown_value.h"
#include "trial_number.h"
#include "trial_rows.h"
#include "typed_number.h"

namespace mixora::jgj55_report {

trial::Mix AdmixtureWater::Net(trial::Mix mix) const {
    if (!solid_percent) return mix;
    mix.water = jgj55::RoundShown(mix.water - mix.admixture * (100 - *solid_percent) / 100, 0);
    return mix;
}

std::string AdmixtureWater::Said() const {
    std::string said = "用水量已扣除砂、石所含的水";
    if (solid_percent) said += "和外加剂所含的水（固含量 " + trial::Plain(*solid_percent) + " %）";
    return said;
}

AdmixtureWater AdmixtureWaterOf(const report::ReportInfo& info) {
    AdmixtureWater water;
    const std::string typed = Typed(info.admixture_solid_percent);
    if (typed.empty()) return water;
    const calc::TypedNumber read =
        calc::ReadTypedNumber(info.admixture_solid_percent, "外加剂固含量");
    if (read.value && *read.value > 0 && *read.value <= 100)
        water.solid_percent = read.value;
    else
        water.problem =
            (read.value ? "外加剂固含量“" + typed + "”应在 0 与 100 % 之间" : read.problem) +
            "：用水量未扣除外加剂所含的水";
    return water;
}

} // namespace mixora::jgj55_report
