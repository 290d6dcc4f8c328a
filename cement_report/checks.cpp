#include "checks.h"

#include "field_catalog.h"
#include "gb50010_2010.h"
#include "jgj55_2011.h"
#include "shown_number.h"

#include <optional>

namespace mixora::cement_report {

using page::LiteralNumber;
using page::ReadShownNumber;
using page::ShownNumber;
using page::ShownReading;

namespace {

using enum calc::Field;
using standards::Cited;
using standards::NameOf;
namespace gb50010_2010 = standards::gb50010_2010;
namespace jgj55_2011 = standards::jgj55_2011;
using EnvironmentLimits = gb50010_2010::EnvironmentRow;
constexpr const auto& kEnvironmentLimits = gb50010_2010::kEnvironmentLimits.rows;
constexpr const auto& kMinimumBinder = jgj55_2011::kMinimumBinder;

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
        if (kEnvironmentLimits[i].environment != standards::kEnvironmentClasses[i].value)
            return false;
    return kEnvironmentLimits.size() == standards::kEnvironmentClasses.size();
}
static_assert(LimitsInEnumOrder());

// "GB 50010-2010 表 3.5.3，环境类别 一".
std::string EnvironmentSource(standards::EnvironmentClass environment) {
    return Cited(gb50010_2010::kName, gb50010_2010::kEnvironmentLimits.source) + "，环境类别 " +
           std::string(NameOf(environment));
}

Verdict Judge(bool complies) {
    return complies ? Verdict::Complies : Verdict::Fails;
}

CheckLine WaterBinderCheck(const document::DesignSnapshot& snapshot,
                           const EnvironmentLimits& limits) {
    CheckLine line{"最大水胶比",
                   snapshot.text(Text8),
                   "≤ " + std::string(limits.max_water_binder.text),
                   EnvironmentSource(limits.environment),
                   Verdict::CannotCheck,
                   {}};
    const FieldNumber ratio = ReadField(snapshot, Text8);
    if (!ratio.number) {
        line.reason = ratio.problem;
        return line;
    }
    line.verdict = Judge(Compare(*ratio.number, LiteralNumber(limits.max_water_binder.text)) <= 0);
    return line;
}

CheckLine GradeCheck(const document::DesignSnapshot& snapshot, const EnvironmentLimits& limits) {
    const std::string& shown = snapshot.text(Text1);
    CheckLine line{"最低强度等级",
                   shown.empty() ? "" : GradeText(shown),
                   "≥ C" + std::to_string(limits.min_grade),
                   EnvironmentSource(limits.environment),
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

CheckLine MinimumBinderCheck(const document::DesignSnapshot& snapshot,
                             standards::StructureType structure) {
    const std::string& cement_text = snapshot.text(Text4);
    const std::string unit(FieldUnit(Text4));
    CheckLine line{"最小胶凝材料用量",
                   cement_text.empty() ? "" : cement_text + " " + unit,
                   "",
                   Cited(jgj55_2011::kName, kMinimumBinder.source) + "，" +
                       std::string(NameOf(structure)),
                   Verdict::CannotCheck,
                   {}};

    const FieldNumber grade = ReadField(snapshot, Text1);
    if (!grade.number) {
        line.reason = grade.problem + "，不能确定是否适用";
        return line;
    }
    if (Compare(*grade.number, Grade(jgj55_2011::kMinimumBinderExemptUpToGrade)) <= 0) {
        line.verdict = Verdict::NotApplicable;
        line.reason =
            "C" + std::to_string(jgj55_2011::kMinimumBinderExemptUpToGrade) + " 及以下不适用此表";
        return line;
    }
    const FieldNumber ratio = ReadField(snapshot, Text8);
    if (!ratio.number) {
        line.reason = ratio.problem + "，不能确定表中的行";
        return line;
    }
    const jgj55_2011::MinimumBinderRow* row = nullptr;
    for (const jgj55_2011::MinimumBinderRow& candidate : kMinimumBinder.rows) {
        if (Compare(*ratio.number, LiteralNumber(candidate.max_water_binder.text)) <= 0) {
            row = &candidate;
            break;
        }
    }
    if (!row) {
        line.verdict = Verdict::NotApplicable;
        line.reason = "表中无水胶比大于 " +
                      std::string(kMinimumBinder.rows.back().max_water_binder.text) + " 的行";
        return line;
    }
    const std::string_view minimum = row->min_binder[static_cast<std::size_t>(structure)].text;
    line.limit = "≥ " + std::string(minimum) + " " + unit;
    line.source += "，水胶比 ≤ " + std::string(row->max_water_binder.text);
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

std::vector<CheckLine> RunChecks(const document::DesignSnapshot& snapshot,
                                 standards::EnvironmentClass environment,
                                 standards::StructureType structure) {
    const EnvironmentLimits& limits = kEnvironmentLimits.at(static_cast<std::size_t>(environment));
    return {WaterBinderCheck(snapshot, limits), GradeCheck(snapshot, limits),
            MinimumBinderCheck(snapshot, structure)};
}

} // namespace mixora::cement_report
