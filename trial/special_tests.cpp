#include "special_tests.h"

#include "trial_number.h"
#include "trial_sources.h"

namespace mixora::trial {

namespace {

bool Typed(const std::string& text) {
    return text.find_first_not_of(" \t") != std::string::npos;
}

// A value that does not exceed `high` (and is not below `low`) up to binary noise.
bool Within(double value, const standards::Limit* low, const standards::Limit& high) {
    return (!low || !Exceeds(low->value, value)) && !Exceeds(value, high.value);
}

// A record of one number against at most a largest value: its state once read, or why not.
SpecialCheck Measured(SpecialKind kind, std::string item, const std::string& text,
                      const jgj55::InputRange& range, const std::optional<standards::Limit>& high,
                      std::string source) {
    SpecialCheck check{kind, std::move(item), {}, {}, std::move(source), RecordState::Lacking, {}};
    const std::string unit(range.unit);
    if (high) check.limit = "≤ " + std::string(high->text) + " " + unit;
    const Reading read = ReadInRange(text, check.item, range);
    if (!read.value) {
        check.reason = read.problem;
        return check;
    }
    check.value = TypedText(text) + " " + unit;
    check.state = !high                                 ? RecordState::Recorded
                  : Within(*read.value, nullptr, *high) ? RecordState::Complies
                                                        : RecordState::Fails;
    return check;
}

SpecialCheck SlumpAfterWait(const TrialAttempt& entries) {
    SpecialCheck check{SpecialKind::SlumpAfterWait,
                       "泵送 坍落度经时损失",
                       {},
                       {},
                       Jgj55Clause(jgj55_2011::kPumpSlumpLossSource),
                       RecordState::Lacking,
                       {}};
    const SpecialEntry& entry = entries.special;
    const Reading wait = ReadInRange(entry.wait_minutes, "等待时间", jgj55::kWaitRange);
    const Reading after =
        ReadInRange(entry.slump_after_wait_mm, "等待后坍落度", jgj55::kSlumpRange);
    if (!wait.value || !after.value) {
        std::vector<std::string> problems;
        for (const Reading* r : {&wait, &after})
            if (!r->value) problems.push_back(r->problem);
        check.reason = Joined(problems);
        return check;
    }
    check.value = "等待 " + TypedText(entry.wait_minutes) + " min 后 " +
                  TypedText(entry.slump_after_wait_mm) + " mm";
    const Reading initial = ReadNumber(entries.adjustment.slump_mm, "实测坍落度");
    if (initial.value && jgj55::kSlumpRange.Holds(*initial.value))
        check.value += "（出机 " + TypedText(entries.adjustment.slump_mm) + " mm，损失 " +
                       Plain(Round(*initial.value - *after.value, 1)) + " mm）";
    check.state = RecordState::Recorded;
    check.reason = "试配时应考虑坍落度经时损失";
    return check;
}

SpecialCheck Seepage(const SpecialDemands& demands, const SpecialEntry& entry) {
    const standards::Constant& margin = jgj55_2011::kImpermeableTestMargin;
    SpecialCheck check{SpecialKind::Seepage,
                       "抗渗试验",
                       {},
                       "Pt ≥ P/10 + " + Fixed(margin.value, 1),
                       Jgj55Clause(margin.source),
                       RecordState::Lacking,
                       {}};
    if (!demands.impermeability_value) {
        check.limit += " MPa";
        check.reason = "设计未给定抗渗等级的数值";
        return check;
    }
    const double required = Round(*demands.impermeability_value / 10 + margin.value, 1);
    check.limit += " = " + Fixed(required, 1) + " MPa（" + demands.impermeability_grade + "）";
    const Reading pressure =
        ReadInRange(entry.seepage_pressure_mpa, "抗渗试验压力", jgj55::kSeepagePressureRange);
    if (!pressure.value) {
        check.reason = pressure.problem;
        return check;
    }
    if (entry.seepage == SeepageResult::NotTested) {
        check.reason = "抗渗试验结果未选择";
        return check;
    }
    check.value =
        TypedText(entry.seepage_pressure_mpa) + " MPa，" + std::string(NamesOf(entry.seepage).name);
    if (entry.seepage == SeepageResult::Leaked) {
        check.state = RecordState::Fails;
        check.reason = "试件透水";
    } else if (Exceeds(required, *pressure.value)) {
        check.state = RecordState::Fails;
        check.reason = "试验压力未达到 Pt";
    } else {
        check.state = RecordState::Complies;
    }
    return check;
}

// The repeat batch `index`: its value converted to the 150 mm cube, or why it has none.
struct RepeatValue {
    std::optional<double> converted;
    std::string text;
    bool stale = false;
};

RepeatValue ReadRepeat(const GroupEntry& entry, std::size_t index, double factor,
                       const std::optional<RecordedMix>& chosen, const TrialAttempt& entries) {
    RepeatValue out;
    const std::string name = "第 " + std::to_string(index + 1) + " 盘";
    if (entries.cast)
        if (const CastBatch* made = entries.cast->Find(kCastKinds[1].key, static_cast<int>(index)))
            if (const std::vector<std::string> changes =
                    chosen ? MixChanges(made->mix, *chosen)
                           : std::vector<std::string>{"设计配合比现在无法确定"};
                !changes.empty()) {
                out.stale = true;
                out.text = std::string(kStaleText) + "：" + Joined(changes) + "（成型之后）";
                return out;
            }
    std::array<double, 3> strengths{};
    std::vector<std::string> problems;
    for (std::size_t k = 0; k < 3; ++k) {
        const Reading r =
            ReadInRange(entry.strengths[k], name + "试件 " + std::to_string(k + 1) + " 抗压强度",
                        jgj55::kStrengthRange);
        if (r.value)
            strengths[k] = *r.value;
        else
            problems.push_back(r.problem);
    }
    if (!problems.empty()) {
        out.text = Joined(problems);
        return out;
    }
    const GroupValue group = ValueOfGroup(strengths);
    if (group.rule == GroupRule::Invalid) {
        out.text = group.reason;
        return out;
    }
    out.converted = Round(group.value * factor, 1);
    out.text = "代表值 " + Fixed(group.value, 1) + " MPa" +
               (group.rule == GroupRule::Middle ? "（取中间值）" : "（平均值）");
    if (factor != 1) out.text += "，折算 " + Fixed(*out.converted, 1) + " MPa";
    return out;
}

SpecialCheck Repeats(const DesignBasis& basis, const TrialRecord& record,
                     const TrialAttempt& entries, std::array<std::string, 3>& notes) {
    const standards::Constant& batches = jgj55_2011::kHighStrengthRepeatBatches;
    const int least = static_cast<int>(batches.value);
    const std::string target = Fixed(basis.target_strength, 1);
    SpecialCheck check{SpecialKind::Repeats,
                       "高强 重复试验",
                       {},
                       "不少于 " + std::to_string(least) + " 盘，每组 ≥ fcu,0 = " + target + " MPa",
                       Jgj55Clause(batches.source),
                       RecordState::Lacking,
                       {}};
    const double factor = SizeRow(entries.strength.specimen).factor;
    const std::optional<RecordedMix> chosen = ChosenMixNow(record);
    int valid = 0;
    std::vector<std::string> low, stale, problems;
    for (std::size_t i = 0; i < entries.special.repeats.size(); ++i) {
        const GroupEntry& entry = entries.special.repeats[i];
        const bool entered = Typed(entry.strengths[0]) || Typed(entry.strengths[1]) ||
                             Typed(entry.strengths[2]) || Typed(entry.made_on) ||
                             Typed(entry.specimen_numbers);
        if (!entered) continue;
        const RepeatValue value = ReadRepeat(entry, i, factor, chosen, entries);
        notes[i] = value.text;
        const std::string name = "第 " + std::to_string(i + 1) + " 盘";
        if (value.stale) {
            stale.push_back(name + value.text.substr(kStaleText.size()));
            continue;
        }
        if (!value.converted) {
            problems.push_back(name + "：" + value.text);
            continue;
        }
        ++valid;
        check.value += (check.value.empty() ? "" : " / ") + Fixed(*value.converted, 1);
        if (Exceeds(basis.target_strength, *value.converted))
            low.push_back(name + " " + Fixed(*value.converted, 1) + " MPa");
    }
    if (!check.value.empty()) check.value = std::to_string(valid) + " 盘：" + check.value + " MPa";
    if (!stale.empty()) {
        check.state = RecordState::Stale;
        check.reason = Joined(stale);
    } else if (!low.empty()) {
        check.state = RecordState::Fails;
        check.reason = Joined(low) + " 低于配制强度 " + target + " MPa";
    } else if (valid < least) {
        problems.insert(problems.begin(), "须不少于 " + std::to_string(least) + " 盘，已有 " +
                                              std::to_string(valid) + " 盘有效");
        check.reason = Joined(problems);
    } else {
        check.state = RecordState::Complies;
    }
    return check;
}

SpecialCheck Air(const SpecialDemands& demands, const SpecialEntry& entry) {
    std::string limit, source;
    for (const AirRange& range : demands.air_ranges) {
        limit += (limit.empty() ? "" : "；") + std::string(range.low.text) + "～" +
                 std::string(range.high.text) + " %";
        source += (source.empty() ? "" : "；") + range.source;
    }
    SpecialCheck check = Measured(SpecialKind::Air, "含气量", entry.air_percent, jgj55::kAirRange,
                                  std::nullopt, source);
    check.limit = limit;
    if (check.state != RecordState::Recorded) return check;
    if (demands.air_ranges.empty()) {
        check.reason = "设计未规定含气量的范围";
        return check;
    }
    const double value = *ReadNumber(entry.air_percent, check.item).value;
    check.state = RecordState::Complies;
    for (const AirRange& range : demands.air_ranges)
        if (!Within(value, &range.low, range.high)) check.state = RecordState::Fails;
    return check;
}

} // namespace

std::string_view StateName(RecordState state) {
    switch (state) {
    case RecordState::Complies: return "符合";
    case RecordState::Fails: return "不符合";
    case RecordState::Recorded: return "已记录";
    case RecordState::Lacking: return "未完成";
    case RecordState::Stale: return kStaleText;
    }
    return {};
}

const SpecialCheck* SpecialChecks::Find(SpecialKind kind) const {
    for (const SpecialCheck& check : checks)
        if (check.kind == kind) return &check;
    return nullptr;
}

SpecialChecks CheckSpecialRecords(const DesignBasis& basis, const TrialRecord& record,
                                  const TrialAttempt& entries) {
    const SpecialDemands& demands = basis.demands;
    const SpecialEntry& entry = entries.special;
    SpecialChecks out;
    if (demands.pumped) out.checks.push_back(SlumpAfterWait(entries));
    if (demands.impermeable) out.checks.push_back(Seepage(demands, entry));
    if (demands.high_strength) out.checks.push_back(Repeats(basis, record, entries, out.repeats));
    if (demands.mass) {
        const auto& rise = jgj55_2011::kMassMaxTemperatureRise;
        out.checks.push_back(Measured(SpecialKind::TemperatureRise, "大体积 绝热温升",
                                      entry.temperature_rise, jgj55::kTemperatureRiseRange,
                                      rise.limit, Jgj55Clause(rise.source)));
    }
    if (demands.air) out.checks.push_back(Air(demands, entry));
    if (demands.chloride) {
        SpecialCheck check =
            Measured(SpecialKind::Chloride, "水溶性氯离子含量", entry.chloride_percent,
                     jgj55::kChlorideRange, demands.chloride, demands.chloride_source);
        check.limit += "（占水泥质量）";
        out.checks.push_back(std::move(check));
    }
    // Measured on a trial that no longer matches the design, a record holds no more.
    if (record.match.stale(1))
        for (SpecialCheck& check : out.checks)
            if (check.state != RecordState::Lacking && check.state != RecordState::Stale) {
                check.state = RecordState::Stale;
                check.reason = record.match.Why();
            }
    return out;
}

} // namespace mixora::trial
