#pragma once
// The values a real design can have, as data: each number the user gives a JGJ 55-2011 design
// or its trial lies within a range, with the reason for it (a physical limit: nothing in
// concrete is denser than 5000 kg/m³, a slump cannot exceed the cone's 300 mm, a share of the
// binder leaves room for cement). A value outside its range is refused with the range and its
// reason, never computed (input_reading.h).
#include <string>
#include <string_view>

namespace mixora::jgj55 {

// Whether an end of a range belongs to it: 0 < strength, but 0 ≤ a share.
enum class End { Closed, Open };

struct InputRange {
    double low;
    End low_end;
    double high;
    End high_end;
    std::string_view unit; // "mm", "%", or empty
    std::string_view reason;

    bool Holds(double value) const {
        return (low_end == End::Closed ? value >= low : value > low) &&
               (high_end == End::Closed ? value <= high : value < high);
    }
};

// Strengths of concrete and cement (σ, fce, fb, cubes, past results), MPa.
inline constexpr InputRange kStrengthRange{0, End::Open, 200, End::Closed, "MPa", "强度的物理范围"};
// Densities of the materials and of fresh concrete, kg/m³.
inline constexpr InputRange kDensityRange{500,         End::Closed, 5000,
                                          End::Closed, "kg/m³",     "密度的物理范围"};
// A slump, mm.
inline constexpr InputRange kSlumpRange{0,           End::Closed, 300,
                                        End::Closed, "mm",        "坍落度筒高 300 mm"};
// The share of the binder a mineral admixture takes, %.
inline constexpr InputRange kShareRange{0, End::Closed, 100, End::Open, "%", "胶凝材料中须有水泥"};
// The admixture's dosage, % of the binder.
inline constexpr InputRange kDosageRange{0,         End::Closed, 100,
                                         End::Open, "%",         "以胶凝材料用量的百分数计"};
// The water reducer's reduction of the water, %.
inline constexpr InputRange kReductionRange{0,         End::Closed, 100,
                                            End::Open, "%",         "减水后须留有用水"};
// The air content of the volume method, %.
inline constexpr InputRange kAirRange{0,         End::Closed, 100,
                                      End::Open, "%",         "以混凝土体积的百分数计"};
// A sand ratio, %.
inline constexpr InputRange kSandRatioRange{0,         End::Open, 100,
                                            End::Open, "%",       "砂占砂石总质量的百分数"};
// Water per m³, kg/m³: a cubic metre holds at most 1000 kg of water.
inline constexpr InputRange kWaterRange{0,           End::Open, 1000,
                                        End::Closed, "kg/m³",   "每立方米的水不超过 1000 kg"};
// Any material in a trial batch of at most 1 m³ (kg), or in a cubic metre (kg/m³).
inline constexpr InputRange kAmountRange{
    0, End::Closed, 5000, End::Closed, "kg", "不超过 1 m³ 在密度上限下的质量"};
inline constexpr InputRange kPerCubicMetreRange{0,           End::Closed, 5000,
                                                End::Closed, "kg/m³",     "不超过密度上限"};
// The surplus coefficient of the cement strength γc.
inline constexpr InputRange kSurplusRange{
    0, End::Open, 2, End::Closed, "", "实测强度与强度等级值之比的合理范围"};
// The influence factors of fly ash and slag γf, γs.
inline constexpr InputRange kInfluenceRange{0,           End::Open, 1.5,
                                            End::Closed, "",        "影响系数的合理范围"};
// The regression coefficients αa, αb.
inline constexpr InputRange kAlphaARange{0, End::Open, 1, End::Closed, "", "回归系数的合理范围"};
inline constexpr InputRange kAlphaBRange{0, End::Closed, 1, End::Closed, "", "回归系数的合理范围"};
// A water–binder ratio given in place of the computed one.
inline constexpr InputRange kWaterBinderRange{
    0.2, End::Closed, 1, End::Closed, "", "普通混凝土水胶比的合理范围"};
// The special requirements' numbers: the height a pump lifts to (the tallest towers are pumped
// to about 600 m), the bore of a delivery pipe, a grade above P12 (the test's water pressure in
// 0.1 MPa) or from F150 (freeze–thaw cycles), and an air content asked for.
inline constexpr InputRange kPumpHeightRange{0,           End::Open, 1000,
                                             End::Closed, "m",       "泵送高度不超过 1000 m"};
inline constexpr InputRange kPipeBoreRange{50,          End::Closed, 300,
                                           End::Closed, "mm",        "混凝土输送管内径的物理范围"};
inline constexpr InputRange kImpermeabilityValueRange{
    12, End::Open, 50, End::Closed, "", "P12 以上，试验水压不超过 5 MPa"};
inline constexpr InputRange kFrostValueRange{150,         End::Closed, 1000,
                                             End::Closed, "",          "冻融循环次数的物理范围"};
inline constexpr InputRange kAirContentRange{0,           End::Open, 20,
                                             End::Closed, "%",       "拌合物含气量的物理范围"};
// The trial: the volume of one batch (L), the age of the cubes (d), the day's moisture of the
// aggregates (%) and the mixer's batch (m³).
inline constexpr InputRange kTrialLitresRange{0,           End::Open, 1000,
                                              End::Closed, "L",       "试拌不超过 1 m³"};
inline constexpr InputRange kAgeRange{0, End::Open, 365, End::Closed, "d", "试验龄期不超过一年"};
inline constexpr InputRange kMoistureRange{0,         End::Closed, 100,
                                           End::Open, "%",         "含水率以骨料质量的百分数计"};
inline constexpr InputRange kMixerRange{0,           End::Open, 20,
                                        End::Closed, "m³",      "搅拌机每盘方量的物理范围"};

// The rule a value must keep, as a message says it: "须在 0～300 mm 之间", "须大于 0 且不大于
// 200 MPa", "须不小于 0 且小于 100 %".
std::string RangeRule(const InputRange& range);

// "坍落度“1000”须在 0～300 mm 之间（坍落度筒高 300 mm）": the caption, the value as typed (its
// first 32 characters), the rule and its reason.
std::string OutOfRange(const InputRange& range, std::string_view caption, std::string_view text);

} // namespace mixora::jgj55
