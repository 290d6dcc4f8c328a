#include "requirements.h"

#include "derivation.h"
#include "inputs.h"
#include "requirement_rules.h"
#include "typed_number.h"

#include <algorithm>
#include <string>

namespace mixora::jgj55 {
namespace {

int Rank(ImpermeabilityGrade grade) {
    return static_cast<int>(grade);
}

std::string Gradename(std::string_view prefix, std::string_view chosen,
                      const std::optional<double>& value) {
    if (value) return std::string(prefix) + Num(*value);
    return std::string(chosen);
}

} // namespace

bool IsHighStrength(int grade) {
    return IsOfferedGrade(grade) && grade >= kHighStrengthGrade;
}

std::string ImpermeabilityName(const Requirements& requirements) {
    const std::string_view chosen = NameOf(requirements.impermeability);
    if (requirements.impermeability != ImpermeabilityGrade::AboveP12)
        return "抗渗 " + std::string(chosen);
    return "抗渗 " + Gradename("P", chosen, requirements.impermeability_value);
}

std::string FrostName(const Requirements& requirements) {
    const std::string_view chosen = NameOf(requirements.frost);
    if (requirements.frost != FrostGrade::F150Up) return "抗冻 " + std::string(chosen);
    return "抗冻 " + Gradename("F", chosen, requirements.frost_value);
}

std::vector<std::string> RequirementNames(const Requirements& requirements, int grade) {
    std::vector<std::string> names;
    if (requirements.pumped) names.emplace_back("泵送");
    if (requirements.impermeability != ImpermeabilityGrade::None)
        names.push_back(ImpermeabilityName(requirements));
    if (requirements.frost != FrostGrade::None) names.push_back(FrostName(requirements));
    if (requirements.mass) names.emplace_back("大体积");
    if (IsHighStrength(grade)) names.emplace_back("高强");
    return names;
}

const ImpermeableRow* ImpermeableRowFor(ImpermeabilityGrade grade) {
    for (const ImpermeableRow& row : kImpermeableWaterBinder.rows)
        if (Rank(grade) >= Rank(row.first) && Rank(grade) <= Rank(row.last)) return &row;
    return nullptr;
}

const FrostRow* FrostRowFor(FrostGrade grade) {
    for (const FrostRow& row : kFrostLimits.rows)
        if (row.grade == grade) return &row;
    return nullptr;
}

const HighStrengthRow* HighStrengthRowFor(int grade) {
    const HighStrengthRow* found = nullptr;
    for (const HighStrengthRow& row : kHighStrengthMix.rows)
        if (grade >= row.from_grade) found = &row;
    return found;
}

std::optional<PumpRatio> PumpRatioFor(CoarseKind coarse, double height_m) {
    for (const PumpRow& row : kPumpSizeRatio.rows) {
        if (row.coarse != coarse) continue;
        const Limit& low = kPumpHeights[0];
        const Limit& high = kPumpHeights[1];
        if (height_m < low.value)
            return PumpRatio{row.bore_ratio[0], "泵送高度 " + std::string(low.text) + " m 以下"};
        if (height_m <= high.value)
            return PumpRatio{row.bore_ratio[1], "泵送高度 " + std::string(low.text) + "～" +
                                                    std::string(high.text) + " m"};
        return PumpRatio{row.bore_ratio[2], "泵送高度 " + std::string(high.text) + " m 以上"};
    }
    return std::nullopt;
}

const AirContentRow& AirContentRowFor(MaxSize size) {
    const double mm = MaxSizeMm(size);
    for (const AirContentRow& row : kMinimumAirContent.rows)
        if (mm >= row.max_size_mm.value) return row;
    return kMinimumAirContent.rows.back();
}

ChlorideEnvironment ProposedChloride(EnvironmentClass environment) {
    for (const ChlorideProposalRow& row : kChlorideProposals)
        if (row.environment == environment) return row.proposed;
    return ChlorideEnvironment::Dry;
}

RuleLimits RequirementMaxWaterBinder(const Inputs& inputs) {
    RuleLimits out;
    const Requirements& req = inputs.requirements;
    if (const ImpermeableRow* row = ImpermeableRowFor(req.impermeability)) {
        const bool above = inputs.grade > kImpermeableGradeBoundary;
        out.limits.push_back({above ? row->above_boundary : row->up_to_boundary,
                              "抗渗 " + std::string(kImpermeableWaterBinder.source) + "（" +
                                  std::string(row->grades) + "，" +
                                  (above ? "C" + std::to_string(kImpermeableGradeBoundary) + " 以上"
                                         : "C20～C" + std::to_string(kImpermeableGradeBoundary)) +
                                  "）"});
    }
    if (const FrostRow* row = FrostRowFor(req.frost)) {
        const std::string at = "抗冻 " + std::string(kFrostLimits.source) + "（" +
                               std::string(NameOf(req.frost)) + "，";
        if (req.air_entrained)
            out.limits.push_back({row->with_agent, at + "掺引气剂）"});
        else if (row->without_agent)
            out.limits.push_back({*row->without_agent, at + "无引气剂）"});
        else
            out.problem = std::string(kFrostLimits.source) + "：" + std::string(NameOf(req.frost)) +
                          " 须掺引气剂，未掺时没有最大水胶比";
    }
    if (req.mass)
        out.limits.push_back(
            {kMassMaxWaterBinder.limit, "大体积 " + std::string(kMassMaxWaterBinder.source)});
    return out;
}

std::vector<RuleLimit> RequirementMinBinder(const Inputs& inputs) {
    std::vector<RuleLimit> limits;
    const Requirements& req = inputs.requirements;
    if (req.pumped)
        limits.push_back({kPumpMinBinder.limit, "泵送 " + std::string(kPumpMinBinder.source)});
    if (req.impermeability != ImpermeabilityGrade::None)
        limits.push_back(
            {kImpermeableMinBinder.limit, "抗渗 " + std::string(kImpermeableMinBinder.source)});
    if (const FrostRow* row = FrostRowFor(req.frost))
        limits.push_back({row->min_binder, "抗冻 " + std::string(kFrostLimits.source) + "（" +
                                               std::string(NameOf(req.frost)) + "）"});
    return limits;
}

const RuleLimit* Governing(const std::vector<RuleLimit>& limits, bool least) {
    const RuleLimit* found = nullptr;
    for (const RuleLimit& limit : limits)
        if (found == nullptr || (least ? limit.limit.value > found->limit.value
                                       : limit.limit.value < found->limit.value))
            found = &limit;
    return found;
}

std::string GoverningNote(const std::vector<RuleLimit>& limits, const RuleLimit& governing,
                          std::string_view unit) {
    if (limits.size() < 2) return {};
    std::string note = governing.source + " 起控制作用";
    std::string others;
    for (const RuleLimit& limit : limits) {
        if (&limit == &governing) continue;
        others += (others.empty() ? "；另有 " : "、") + limit.source + " " +
                  std::string(limit.limit.text) + std::string(unit);
    }
    return note + others;
}

std::optional<AirTarget> TargetAirContent(const Inputs& inputs) {
    const Requirements& req = inputs.requirements;
    if (!req.air_entrained) return std::nullopt;
    if (req.air_content) return AirTarget{*req.air_content, "给定"};
    if (req.air_exposure != AirExposure::None) {
        const AirContentRow& row = AirContentRowFor(inputs.max_size);
        const Limit& least =
            req.air_exposure == AirExposure::SaltFrost ? row.salt_frost : row.moist;
        return AirTarget{least.value, std::string(kMinimumAirContent.source) + "（" +
                                          std::string(NameOf(req.air_exposure)) + "，" +
                                          std::string(row.max_size_mm.text) + " mm 一行）"};
    }
    if (req.impermeability != ImpermeabilityGrade::None)
        return AirTarget{kImpermeableAirContent.low.value,
                         "抗渗 " + std::string(kImpermeableAirContent.source) + " 下限"};
    return std::nullopt;
}

namespace {

// P of an impermeability grade: 8 for P8, the given value above P12; none for none.
std::optional<double> ImpermeabilityPressure(const Requirements& requirements) {
    if (requirements.impermeability == ImpermeabilityGrade::AboveP12)
        return requirements.impermeability_value;
    if (requirements.impermeability == ImpermeabilityGrade::None) return std::nullopt;
    return std::stod(std::string(NameOf(requirements.impermeability)).substr(1));
}

std::string Clause(std::string_view source) {
    return std::string(source) + "：";
}

} // namespace

std::vector<std::string> RequirementTrialNotes(const Inputs& inputs) {
    const Requirements& req = inputs.requirements;
    std::vector<std::string> notes;
    if (req.pumped)
        notes.push_back(Clause(kPumpSlumpLossSource) +
                        "试配时应考虑坍落度经时损失，记录给定等待时间后的坍落度");
    if (req.impermeability != ImpermeabilityGrade::None) {
        const std::string rule =
            "抗渗试验压力 Pt ≥ P/10 + " + Num(kImpermeableTestMargin.value, 1) + " MPa";
        if (const auto pressure = ImpermeabilityPressure(req))
            notes.push_back(Clause(kImpermeableTestMargin.source) + rule + " = " +
                            Num(*pressure / 10.0 + kImpermeableTestMargin.value, 1) + " MPa（" +
                            ImpermeabilityName(req).substr(std::string("抗渗 ").size()) +
                            "），记录试验结果");
        else
            notes.push_back(Clause(kImpermeableTestMargin.source) + rule +
                            "，请给定抗渗等级的数值");
    }
    if (req.air_entrained || req.air_exposure != AirExposure::None)
        notes.push_back("试配时实测拌合物含气量并校核（" + std::string(kMinimumAirContent.source) +
                        "、" + std::string(kImpermeableAirContent.source) + "）");
    if (req.mass) {
        notes.push_back(Clause(kMassTestAgeSource) +
                        "设计强度可采用 60 d 或 90 d 龄期，试配强度按该龄期检验");
        notes.push_back(Clause(kMassMaxTemperatureRise.source) + "绝热温升不宜大于 " +
                        std::string(kMassMaxTemperatureRise.limit.text) + " ℃，试配时记录");
    }
    if (IsHighStrength(inputs.grade)) {
        notes.push_back(Clause(kHighStrengthMixWaterBinderStep.source) +
                        "另外两个配合比的水胶比较设计配合比分别增加和减少 " +
                        Num(kHighStrengthMixWaterBinderStep.value, 2));
        notes.push_back(Clause(kHighStrengthRepeatBatches.source) + "设计配合比应至少进行 " +
                        Num(kHighStrengthRepeatBatches.value) +
                        " 次重复试验，每盘成型一组试件，每组强度不应低于配制强度");
    }
    notes.push_back(std::string(kChlorideLimits.source) +
                    "：试配时实测新拌混凝土的水溶性氯离子含量");
    return notes;
}

std::vector<std::string> RequirementAdvice(const Inputs& inputs) {
    const Requirements& req = inputs.requirements;
    std::vector<std::string> advice;
    if (req.frost >= kFrostAgentAdvisedFrom && !req.air_entrained)
        advice.push_back(Clause(kFrostAgentSource) + std::string(NameOf(kFrostAgentAdvisedFrom)) +
                         " 及以上宜掺引气剂");
    if (req.mass && MaxSizeMm(inputs.max_size) < kMassMaxSizeAdvised.limit.value)
        advice.push_back(Clause(kMassMaxSizeAdvised.source) +
                         "大体积混凝土粗骨料最大公称粒径宜不小于 " +
                         std::string(kMassMaxSizeAdvised.limit.text) + " mm");
    return advice;
}

namespace {
constexpr RequirementNumber kRequirementNumbers[] = {
    {"pump_height", "泵送高度", &Requirements::pump_height, &kPumpHeightRange},
    {"pipe_bore", "输送管径", &Requirements::pipe_bore, &kPipeBoreRange},
    {"impermeability_value", "抗渗等级数值", &Requirements::impermeability_value,
     &kImpermeabilityValueRange},
    {"frost_value", "抗冻等级数值", &Requirements::frost_value, &kFrostValueRange},
    {"air_content", "目标含气量", &Requirements::air_content, &kAirContentRange},
};
} // namespace

std::span<const RequirementNumber> RequirementNumbers() {
    return kRequirementNumbers;
}

const RequirementNumber* FindRequirementNumber(std::string_view key) {
    for (const RequirementNumber& number : kRequirementNumbers)
        if (number.key == key) return &number;
    return nullptr;
}

std::string UnreadKey(const RequirementNumber& number) {
    return "requirements." + std::string(number.key);
}

std::string RequirementProblem(const RequirementNumber& number, std::string_view text) {
    calc::TypedNumber read = calc::ReadTypedNumber(text, number.caption);
    if (!read.value) return std::move(read.problem);
    if (!number.range->Holds(*read.value)) return OutOfRange(*number.range, number.caption, text);
    return {};
}

void PutRequirementNumber(Requirements& requirements,
                          std::map<std::string, std::string, std::less<>>& unread,
                          const RequirementNumber& number, std::string_view text) {
    const std::string key = UnreadKey(number);
    unread.erase(key);
    std::optional<double>& value = requirements.*number.member;
    value.reset();
    if (text.empty()) return;
    if (RequirementProblem(number, text).empty())
        value = *calc::ReadTypedNumber(text, number.caption).value;
    else
        unread.emplace(key, std::string(text));
}

std::string FirstRequirementProblem(const std::map<std::string, std::string, std::less<>>& unread) {
    for (const RequirementNumber& number : kRequirementNumbers)
        if (const auto typed = unread.find(UnreadKey(number)); typed != unread.end())
            return RequirementProblem(number, typed->second);
    return {};
}

} // namespace mixora::jgj55
