#include "checks.h"

#include "check_limits.h"
#include "field_catalog.h"
#include "shown_number.h"

#include <optional>

namespace mixora::report {

namespace {

using enum calc::Field;

// A field's number, or the reason it has none.
struct FieldNumber {
    std::optional<ShownNumber> number;
    std::string problem;
};

FieldNumber ReadField(const document::DesignSnapshot& snapshot, calc::Field field) {
    const std::string& text = snapshot.text(field);
    const ShownReading reading = ReadShownNumber(text);
    if (reading.number) return {reading.number, {}};
    return {std::nullopt, ProblemText(FieldCaption(field), text, reading.problem)};
}

ShownNumber Grade(int grade) {
    return LiteralNumber(std::to_string(grade));
}

std::string GradeText(std::string_view shown) {
    return "C" + std::string(shown);
}

constexpr bool LimitsInEnumOrder() {
    for (std::size_t i = 0; i < kEnvironmentLimits.size(); ++i)
        if (kEnvironmentLimits[i].environment != kEnvironmentClasses[i]) return false;
    return kEnvironmentLimits.size() == kEnvironmentClasses.size();
}
static_assert(LimitsInEnumOrder());

Verdict Judge(bool complies) {
    return complies ? Verdict::Complies : Verdict::Fails;
}

CheckLine WaterBinderCheck(const document::DesignSnapshot& snapshot, const EnvironmentLimits& limits) {
    CheckLine line{"最大水胶比",
                   snapshot.text(Text8),
                   "≤ " + std::string(limits.max_water_binder_ratio),
                   std::string(kEnvironmentLimitsSource) + "，环境类别 " +
                       std::string(EnvironmentClassName(limits.environment)),
                   Verdict::CannotCheck,
                   {}};
    const FieldNumber ratio = ReadField(snapshot, Text8);
    if (!ratio.number) {
        line.reason = ratio.problem;
        return line;
    }
    line.verdict = Judge(Compare(*ratio.number, LiteralNumber(limits.max_water_binder_ratio)) <= 0);
    return line;
}

CheckLine GradeCheck(const document::DesignSnapshot& snapshot, const EnvironmentLimits& limits) {
    const std::string& shown = snapshot.text(Text1);
    CheckLine line{"最低强度等级",
                   shown.empty() ? "" : GradeText(shown),
                   "≥ C" + std::to_string(limits.min_grade),
                   std::string(kEnvironmentLimitsSource) + "，环境类别 " +
                       std::string(EnvironmentClassName(limits.environment)),
                   Verdict::CannotCheck,
                   {}};
    const FieldNumber grade = ReadField(snapshot, Text1);
    if (!grade.number) {
        line.reason = grade.problem;
        return line;
    }
    line.verdict = Judge(Compare(*grade.number, Grade(limits.min_grade)) >= 0);
    return line;
}

CheckLine MinimumBinderCheck(const document::DesignSnapshot& snapshot, StructureType structure) {
    const std::string& cement_text = snapshot.text(Text4);
    const std::string unit(FieldUnit(Text4));
    CheckLine line{"最小胶凝材料用量",
                   cement_text.empty() ? "" : cement_text + " " + unit,
                   "",
                   std::string(kMinimumBinderSource) + "，" +
                       std::string(StructureTypeName(structure)),
                   Verdict::CannotCheck,
                   {}};

    const FieldNumber grade = ReadField(snapshot, Text1);
    if (!grade.number) {
        line.reason = grade.problem + "，不能确定是否适用";
        return line;
    }
    if (Compare(*grade.number, Grade(kMinimumBinderExemptUpToGrade)) <= 0) {
        line.verdict = Verdict::NotApplicable;
        line.reason = "C" + std::to_string(kMinimumBinderExemptUpToGrade) + " 及以下不适用此表";
        return line;
    }
    const FieldNumber ratio = ReadField(snapshot, Text8);
    if (!ratio.number) {
        line.reason = ratio.problem + "，不能确定表中的行";
        return line;
    }
    const MinimumBinderRow* row = nullptr;
    for (const MinimumBinderRow& candidate : kMinimumBinder) {
        if (Compare(*ratio.number, LiteralNumber(candidate.max_water_binder_ratio)) <= 0) {
            row = &candidate;
            break;
        }
    }
    if (!row) {
        line.verdict = Verdict::NotApplicable;
        line.reason = "表中无水胶比大于 " +
                      std::string(kMinimumBinder.back().max_water_binder_ratio) + " 的行";
        return line;
    }
    const std::string_view minimum = row->min_binder[static_cast<std::size_t>(structure)];
    line.limit = "≥ " + std::string(minimum) + " " + unit;
    line.source += "，水胶比 ≤ " + std::string(row->max_water_binder_ratio);
    const FieldNumber cement = ReadField(snapshot, Text4);
    if (!cement.number) {
        line.reason = cement.problem;
        return line;
    }
    line.verdict = Judge(Compare(*cement.number, LiteralNumber(minimum)) >= 0);
    return line;
}

} // namespace

std::string ConclusionText(const CheckLine& line) {
    switch (line.verdict) {
    case Verdict::Complies: return "符合";
    case Verdict::Fails: return "不符合";
    case Verdict::NotApplicable: return "不适用（" + line.reason + "）";
    case Verdict::CannotCheck: return "无法校核（" + line.reason + "）";
    }
    return {};
}

std::vector<CheckLine> RunChecks(const document::DesignSnapshot& snapshot, EnvironmentClass environment,
                                 StructureType structure) {
    const EnvironmentLimits& limits = kEnvironmentLimits.at(static_cast<std::size_t>(environment));
    return {WaterBinderCheck(snapshot, limits), GradeCheck(snapshot, limits),
            MinimumBinderCheck(snapshot, structure)};
}

} // namespace mixora::report
