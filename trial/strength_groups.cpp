#include "strength_groups.h"

#include "trial_number.h"

#include <algorithm>

namespace mixora::trial {

namespace {

// Whether outer lies more than kGroupSpreadPercent of middle away from it.
bool TooFar(double outer, double middle) {
    const double gap = outer > middle ? outer - middle : middle - outer;
    return Exceeds(gap * 100, middle * gbt50081::kGroupSpreadPercent);
}

bool Typed(const std::string& text) {
    return text.find_first_not_of(" \t") != std::string::npos;
}

bool Entered(const GroupEntry& entry) {
    return Typed(entry.density) ||
           std::any_of(entry.strengths.begin(), entry.strengths.end(), Typed);
}

// The group's value, or what it lacks; `unread` gets the reasons of the entries typed that do
// not read.
Computed<GroupResult> ReadGroup(const StrengthMix& mix, const GroupEntry& entry, std::size_t index,
                                double factor, std::vector<std::string>& unread) {
    const std::string name = "第 " + std::to_string(index + 1) + " 组（水胶比 " +
                             Fixed(mix.ratios.water_binder, 2) + "）";
    std::vector<std::string> problems;
    GroupResult group;
    for (std::size_t i = 0; i < entry.strengths.size(); ++i) {
        const Reading r =
            ReadInRange(entry.strengths[i], name + "试件 " + std::to_string(i + 1) + " 抗压强度",
                        jgj55::kStrengthRange);
        if (r.value)
            group.strengths[i] = *r.value;
        else
            problems.push_back(r.problem);
        if (!r.value && Typed(entry.strengths[i])) unread.push_back(r.problem);
    }
    if (Typed(entry.density)) {
        const Reading d = ReadInRange(entry.density, name + "拌合物表观密度", jgj55::kDensityRange);
        if (d.value) {
            group.density = *d.value;
        } else {
            problems.push_back(d.problem);
            unread.push_back(d.problem);
        }
    }
    if (!problems.empty()) return Computed<GroupResult>::Lacking(problems);
    group.water_binder = mix.ratios.water_binder;
    group.binder_water = Round(1 / mix.ratios.water_binder, 3);
    group.group = ValueOfGroup(group.strengths);
    if (group.valid()) group.converted = Round(group.group.value * factor, 1);
    return Computed<GroupResult>::Of(group);
}

} // namespace

GroupValue ValueOfGroup(const std::array<double, 3>& strengths) {
    std::array<double, 3> sorted = strengths;
    std::sort(sorted.begin(), sorted.end());
    const double middle = sorted[1];
    const bool low = TooFar(sorted[0], middle);
    const bool high = TooFar(sorted[2], middle);
    const std::string spread = Fixed(gbt50081::kGroupSpreadPercent, 0) + "%";
    if (low && high)
        return {GroupRule::Invalid, 0,
                "最大值和最小值与中间值之差均超过中间值的 " + spread + "，该组试验结果无效（" +
                    std::string(kGroupClause) + "）"};
    if (low || high)
        return {GroupRule::Middle, Round(middle, 1),
                std::string(high ? "最大值" : "最小值") + "与中间值之差超过中间值的 " + spread +
                    "，取中间值（" + std::string(kGroupClause) + "）"};
    return {GroupRule::Mean, Round((sorted[0] + sorted[1] + sorted[2]) / 3, 1), {}};
}

const SpecimenSizeRow& SizeRow(SpecimenSize size) {
    for (const SpecimenSizeRow& row : kSpecimenSizes)
        if (row.size == size) return row;
    return kSpecimenSizes.front();
}

Computed<StrengthResults> ComputeStrengthResults(const Computed<StrengthMixes>& mixes,
                                                 const StrengthEntry& entry) {
    if (!mixes.value) return Computed<StrengthResults>::Lacking("需先算出强度试验的三个配合比");
    const Reading age = ReadInRange(entry.age_days, "试验龄期", jgj55::kAgeRange);
    if (!age.value) return Computed<StrengthResults>::Lacking(age.problem);
    StrengthResults results;
    results.specimen = entry.specimen;
    results.age_days = *age.value;
    const double factor = SizeRow(entry.specimen).factor;
    for (std::size_t i = 0; i < results.groups.size(); ++i) {
        results.groups[i] =
            ReadGroup(mixes.value->mixes[i], entry.groups[i], i, factor, results.unread);
        results.entered[i] = Entered(entry.groups[i]);
    }
    return Computed<StrengthResults>::Of(results);
}

} // namespace mixora::trial
