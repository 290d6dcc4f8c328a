// Step 12, the special requirements (chapter 7) and the chloride limit (表 3.0.6): each adds its
// checks; none changes a value. The largest W/B and the least binder they add are checked with
// the governing limit by the durability checks.
#include "derivation.h"
#include "design_steps.h"
#include "requirement_rules.h"

namespace mixora::jgj55 {
namespace {

std::string SourceOf(std::string_view requirement, std::string_view source) {
    return std::string(requirement) + " " + std::string(source);
}

// A value of the mix within [low, high] (either end optional), as shown.
void Within(Result& result, std::string item, Quantity quantity, const Limit* low,
            const Limit* high, std::string_view unit, std::string source) {
    const Parameter& parameter = result[quantity];
    std::string limit;
    if (low && high)
        limit = std::string(low->text) + "～" + std::string(high->text) + std::string(unit);
    else if (low)
        limit = "≥ " + std::string(low->text) + std::string(unit);
    else if (high)
        limit = "≤ " + std::string(high->text) + std::string(unit);
    Check check{std::move(item), {}, std::move(limit), std::move(source), Verdict::CannotCheck, {}};
    if (!parameter.value) {
        check.reason = parameter.reason.empty() ? "等待 " + Named(quantity) : parameter.reason;
    } else {
        check.value = parameter.text + std::string(unit);
        const double value = *parameter.value;
        const bool fits = (!low || value >= low->value) && (!high || value <= high->value);
        check.verdict = fits ? Verdict::Complies : Verdict::Fails;
    }
    result.checks.push_back(std::move(check));
}

void SandRatioWithin(Result& result, std::string_view requirement, const ClauseRange& range) {
    Within(result, std::string(requirement) + " 砂率", Quantity::SandRatio, &range.low, &range.high,
           " %", SourceOf(requirement, range.source));
}

// A material limit: the aggregate's size or the fly ash grade, known from the inputs.
void Material(Result& result, std::string item, std::string value, std::string limit, bool fits,
              std::string source) {
    result.checks.push_back({std::move(item),
                             std::move(value),
                             std::move(limit),
                             std::move(source),
                             fits ? Verdict::Complies : Verdict::Fails,
                             {}});
}

std::string SizeText(MaxSize size) {
    return std::string(NameOf(size));
}

void CheckPumped(const Inputs& inputs, Result& result) {
    const Requirements& req = inputs.requirements;
    SandRatioWithin(result, "泵送", kPumpSandRatio);
    Check check{"泵送 粗骨料最大粒径与输送管径之比",
                {},
                {},
                "泵送 " + std::string(kPumpSizeRatio.source),
                Verdict::CannotCheck,
                {}};
    const auto ratio =
        req.pump_height ? PumpRatioFor(inputs.coarse, *req.pump_height) : std::nullopt;
    if (!req.pump_height || !req.pipe_bore || *req.pipe_bore <= 0.0 || *req.pump_height < 0.0) {
        check.reason = "请给定泵送高度和输送管径";
    } else if (!ratio) {
        check.reason = "未选择粗骨料品种";
    } else {
        const double size = MaxSizeMm(inputs.max_size);
        check.value = SizeText(inputs.max_size) + " : " + Num(*req.pipe_bore) + " mm";
        check.limit = "≤ 1 : " + std::string(ratio->ratio.text);
        check.source += "（" + std::string(NameOf(inputs.coarse)) + "，" + ratio->band + "）";
        check.verdict =
            size * ratio->ratio.value <= *req.pipe_bore ? Verdict::Complies : Verdict::Fails;
    }
    result.checks.push_back(std::move(check));
}

void CheckFlyAshGrade(const Inputs& inputs, Result& result, std::string_view requirement,
                      std::string_view source) {
    if (inputs.fly_ash_share <= 0.0) return;
    Material(result, std::string(requirement) + " 粉煤灰等级",
             std::string(NameOf(inputs.fly_ash_grade)), "Ⅰ级或Ⅱ级",
             inputs.fly_ash_grade != FlyAshGrade::III, SourceOf(requirement, source));
}

void CheckImpermeable(const Inputs& inputs, Result& result) {
    SandRatioWithin(result, "抗渗", kImpermeableSandRatio);
    Material(result, "抗渗 粗骨料最大公称粒径", SizeText(inputs.max_size),
             "≤ " + std::string(kImpermeableMaxSize.limit.text) + " mm",
             MaxSizeMm(inputs.max_size) <= kImpermeableMaxSize.limit.value,
             SourceOf("抗渗", kImpermeableMaxSize.source));
    CheckFlyAshGrade(inputs, result, "抗渗", kImpermeableFlyAshSource);
}

// The air content aimed at against a lowest and a highest.
void CheckAir(const Inputs& inputs, Result& result, std::string item, const Limit& low,
              const Limit& high, std::string source) {
    Check check{std::move(item),
                {},
                std::string(low.text) + "～" + std::string(high.text) + " %",
                std::move(source),
                Verdict::CannotCheck,
                {}};
    if (const auto target = TargetAirContent(inputs)) {
        check.value = Num(target->percent, 1) + " %（目标）";
        check.verdict = target->percent >= low.value && target->percent <= high.value
                            ? Verdict::Complies
                            : Verdict::Fails;
    } else {
        check.reason = inputs.requirements.air_entrained ? "请给定目标含气量"
                                                         : "未掺引气剂：含气量在试配时实测";
    }
    result.checks.push_back(std::move(check));
}

void CheckFrost(const Inputs& inputs, Result& result) {
    const Requirements& req = inputs.requirements;
    if (const FrostRow* row = FrostRowFor(req.frost); row && !row->without_agent)
        Material(result, "抗冻 引气剂", req.air_entrained ? "已掺" : "未掺", "须掺",
                 req.air_entrained,
                 SourceOf("抗冻", std::string(kFrostLimits.source) + "（" +
                                      std::string(NameOf(req.frost)) + "）"));
    const double share = MineralShare(inputs);
    if (share <= 0.0) return;
    const FrostMineralRow* row = nullptr;
    for (const FrostMineralRow& candidate : kFrostMineralLimits.rows)
        if (candidate.cement == inputs.cement_kind) row = &candidate;
    const Parameter& water_binder = result[Quantity::WaterBinder];
    Check check{"抗冻 矿物掺合料最大掺量",
                Num(share) + " %",
                {},
                SourceOf("抗冻", kFrostMineralLimits.source),
                Verdict::CannotCheck,
                {}};
    if (row == nullptr)
        check.reason = "未选择水泥品种";
    else if (!water_binder.value)
        check.reason = water_binder.reason;
    else {
        const bool low_ratio = *water_binder.value <= kFrostMineralBoundary;
        const double limit = low_ratio ? row->up_to_boundary : row->above_boundary;
        check.limit = "≤ " + Num(limit) + " %";
        check.source += "（" + std::string(NameOf(inputs.cement_kind)) + "，W/B " +
                        (low_ratio ? "≤ " : "> ") + Num(kFrostMineralBoundary, 2) + "）";
        check.verdict = share <= limit ? Verdict::Complies : Verdict::Fails;
    }
    result.checks.push_back(std::move(check));
}

void CheckMass(Result& result) {
    Within(result, "大体积 用水量", Quantity::Water, nullptr, &kMassMaxWater.limit, " kg/m³",
           SourceOf("大体积", kMassMaxWater.source));
    SandRatioWithin(result, "大体积", kMassSandRatio);
}

void CheckHighStrength(const Inputs& inputs, Result& result) {
    const HighStrengthRow* row = HighStrengthRowFor(inputs.grade);
    if (row == nullptr) return;
    const std::string source = SourceOf("高强", kHighStrengthMix.source);
    Within(result, "高强 水胶比", Quantity::WaterBinder, &row->water_binder_low,
           &row->water_binder_high, "", source);
    Within(result, "高强 胶凝材料用量", Quantity::Binder, &row->binder_low, &row->binder_high,
           " kg/m³", source);
    Within(result, "高强 砂率", Quantity::SandRatio, &kHighStrengthSandRatio.low,
           &kHighStrengthSandRatio.high, " %", source);
    Within(result, "高强 水泥用量", Quantity::Cement, nullptr, &kHighStrengthMaxCement.limit,
           " kg/m³", SourceOf("高强", kHighStrengthMaxCement.source));
    const double share = MineralShare(inputs);
    Material(result, "高强 矿物掺合料掺量", Num(share) + " %",
             std::string(kHighStrengthMineral.low.text) + "～" +
                 std::string(kHighStrengthMineral.high.text) + " %",
             share >= kHighStrengthMineral.low.value && share <= kHighStrengthMineral.high.value,
             SourceOf("高强", kHighStrengthMineral.source));
    if (inputs.silica_fume_share > 0.0)
        Material(result, "高强 硅灰掺量", Num(inputs.silica_fume_share) + " %",
                 "≤ " + std::string(kHighStrengthMaxSilicaFume.limit.text) + " %",
                 inputs.silica_fume_share <= kHighStrengthMaxSilicaFume.limit.value,
                 SourceOf("高强", kHighStrengthMaxSilicaFume.source));
    Material(result, "高强 粗骨料最大公称粒径", SizeText(inputs.max_size),
             "≤ " + std::string(kHighStrengthMaxSize.limit.text) + " mm",
             MaxSizeMm(inputs.max_size) <= kHighStrengthMaxSize.limit.value,
             SourceOf("高强", kHighStrengthMaxSize.source));
    CheckFlyAshGrade(inputs, result, "高强", kHighStrengthFlyAshSource);
}

std::size_t StructureIndex(StructureType structure) {
    for (std::size_t i = 0; i < kStructureTypes.size(); ++i)
        if (kStructureTypes[i].value == structure) return i;
    return 0;
}

void CheckChloride(const Inputs& inputs, Result& result) {
    const ChlorideEnvironment chosen =
        inputs.requirements.chloride.value_or(ProposedChloride(inputs.environment));
    const ChlorideRow* row = nullptr;
    for (const ChlorideRow& candidate : kChlorideLimits.rows)
        if (candidate.environment == chosen) row = &candidate;
    if (row == nullptr) return;
    std::string source = std::string(kChlorideLimits.source) + "（" + std::string(NameOf(chosen)) +
                         "，" + std::string(NameOf(inputs.structure));
    if (!inputs.requirements.chloride)
        source += "；按环境类别 " + std::string(NameOf(inputs.environment)) + " 建议";
    result.checks.push_back(
        {"水溶性氯离子最大含量",
         {},
         "≤ " + std::string(row->max_percent[StructureIndex(inputs.structure)].text) +
             " %（占水泥用量）",
         source + "）",
         Verdict::CannotCheck,
         "在试配时对新拌混凝土实测"});
}

} // namespace

void CheckRequirements(const Inputs& inputs, Result& result) {
    const Requirements& req = inputs.requirements;
    if (req.pumped) CheckPumped(inputs, result);
    if (req.impermeability != ImpermeabilityGrade::None) {
        CheckImpermeable(inputs, result);
        if (req.air_entrained)
            CheckAir(inputs, result, "抗渗 含气量", kImpermeableAirContent.low,
                     kImpermeableAirContent.high, SourceOf("抗渗", kImpermeableAirContent.source));
    }
    if (req.frost != FrostGrade::None) CheckFrost(inputs, result);
    if (req.air_exposure != AirExposure::None) {
        const AirContentRow& row = AirContentRowFor(inputs.max_size);
        CheckAir(
            inputs, result, "含气量",
            req.air_exposure == AirExposure::SaltFrost ? row.salt_frost : row.moist, kMaxAirContent,
            std::string(kMinimumAirContent.source) + "（" + std::string(NameOf(req.air_exposure)) +
                "，" + std::string(row.max_size_mm.text) + " mm 一行；上限 " +
                std::string(kMaxAirContentSource) + "）");
    }
    if (req.mass) CheckMass(result);
    if (IsHighStrength(inputs.grade)) CheckHighStrength(inputs, result);
    CheckChloride(inputs, result);
}

} // namespace mixora::jgj55
