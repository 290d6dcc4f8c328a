#include "ratio_choice.h"

#include "proportioning.h"
#include "trial_number.h"

#include <algorithm>

namespace mixora::trial {

Computed<double> BinderWaterFor(const StrengthLine& line, double target) {
    if (!(line.slope > 0))
        return Computed<double>::Lacking("强度未随胶水比增大（" + EquationText(line) +
                                         "），无法由回归线确定胶水比");
    const double x = (target - line.intercept) / line.slope;
    if (!(x > 0))
        return Computed<double>::Lacking("回归线在胶水比为正时达不到配制强度，无法确定胶水比");
    return Computed<double>::Of(x);
}

Computed<RatioChoice> ChooseRatio(const Computed<StrengthResults>& results,
                                  const Computed<TrialMix>& trial, double target_strength,
                                  const AggregateMethod& method) {
    if (!results.value) return Computed<RatioChoice>::Lacking("需先录入强度试验结果");
    if (!trial.value) return Computed<RatioChoice>::Lacking("需先完成试拌配合比");
    RatioChoice choice;
    std::vector<std::string> notes;
    for (const Computed<GroupResult>& group : results.value->groups) {
        if (!group.value)
            AddReasons(notes, group.missing);
        else if (!group.value->valid())
            notes.push_back(group.value->group.reason);
        else
            choice.points.push_back({group.value->binder_water, group.value->converted});
    }
    const Computed<StrengthLine> line = FitLine(choice.points);
    if (!line.value) AddReasons(notes, line.missing);
    // An entry typed that does not read is not a group left out: the line waits for it.
    if (!line.value || !results.value->unread.empty())
        return Computed<RatioChoice>::Lacking(line.value ? results.value->unread : notes);
    choice.line = *line.value;
    const Computed<double> exact = BinderWaterFor(choice.line, target_strength);
    if (!exact.value) return Computed<RatioChoice>::Lacking(exact.missing);
    choice.exact_binder_water = *exact.value;
    choice.binder_water = RoundUp(*exact.value, 2);

    const auto [low, high] =
        std::minmax_element(choice.points.begin(), choice.points.end(),
                            [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; });
    if (choice.binder_water < low->x || choice.binder_water > high->x)
        choice.extrapolation = "所定胶水比 " + Fixed(choice.binder_water, 2) +
                               " 超出试验的胶水比范围 " + Fixed(low->x, 3) + "～" +
                               Fixed(high->x, 3) + "（外推），宜补做试验";

    const TrialMix& t = *trial.value;
    const double water = t.per_cubic_metre.water;
    const double binder = Round(water * choice.binder_water, 0);
    const Computed<Mix> mix = ProportionBinder(water, binder, t.ratios, method);
    if (!mix.value) return Computed<RatioChoice>::Lacking(mix.missing);
    choice.per_cubic_metre = *mix.value;
    choice.ratios = t.ratios;
    choice.ratios.water_binder = Round(water / binder, 2);
    choice.plot =
        MakeStrengthPlot(choice.points, choice.line, target_strength, choice.binder_water);
    return Computed<RatioChoice>::Of(choice);
}

} // namespace mixora::trial
