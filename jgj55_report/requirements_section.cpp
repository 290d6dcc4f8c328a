#include "requirements_section.h"

#include "derivation.h"
#include "requirement_rules.h"

namespace mixora::jgj55_report {
namespace {

using page::KeyValue;
using page::Note;

std::string Given(const std::optional<double>& value, std::string_view unit) {
    return value ? jgj55::Num(*value) + std::string(unit) : "未给定";
}

} // namespace

std::string RequirementsLine(const jgj55::Inputs& inputs) {
    std::string line;
    for (const std::string& name : jgj55::RequirementNames(inputs.requirements, inputs.grade))
        line += (line.empty() ? "" : "、") + name;
    return line;
}

std::optional<page::Section> RequirementsSection(const jgj55::Inputs& inputs) {
    const jgj55::Requirements& req = inputs.requirements;
    const std::string line = RequirementsLine(inputs);
    if (line.empty() && req.air_exposure == jgj55::AirExposure::None && !req.chloride)
        return std::nullopt;
    page::Section section{"特殊要求", {KeyValue("要求", line.empty() ? "无" : line)}};
    if (req.pumped)
        section.rows.push_back(KeyValue("泵送", "泵送高度 " + Given(req.pump_height, " m") +
                                                    "，输送管径 " + Given(req.pipe_bore, " mm")));
    if (req.frost != jgj55::FrostGrade::None || req.air_entrained)
        section.rows.push_back(KeyValue("引气剂", req.air_entrained ? "掺" : "不掺"));
    if (req.air_exposure != jgj55::AirExposure::None)
        section.rows.push_back(
            KeyValue("含气量要求", std::string(jgj55::NameOf(req.air_exposure))));
    if (const auto target = jgj55::TargetAirContent(inputs))
        section.rows.push_back(KeyValue("目标含气量", jgj55::Num(target->percent, 1) + " %（" +
                                                          target->source + "）"));
    const jgj55::ChlorideEnvironment chloride =
        req.chloride.value_or(jgj55::ProposedChloride(inputs.environment));
    section.rows.push_back(KeyValue(
        "氯离子限值环境",
        std::string(jgj55::NameOf(chloride)) +
            (req.chloride
                 ? ""
                 : "（按环境类别 " + std::string(jgj55::NameOf(inputs.environment)) + " 建议）")));
    for (const std::string& advice : jgj55::RequirementAdvice(inputs))
        section.rows.push_back(Note("建议：" + advice));
    for (const std::string& note : jgj55::RequirementTrialNotes(inputs))
        section.rows.push_back(Note("试配：" + note));
    return section;
}

} // namespace mixora::jgj55_report
