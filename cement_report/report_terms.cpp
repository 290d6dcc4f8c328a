#include "report_terms.h"

#include "design_rules.h"

#include "shown_number.h"

#include <stdexcept>

namespace mixora::cement_report {

using page::ReadShownNumber;

namespace {

using enum calc::Field;

struct TermEntry {
    calc::Field field;
    ReportTerm term;
};

// Only the fields the report lists under their own name; the others it does not list.
// Densities are relative to water as the sheet reads them (kg/L); the sand ratio and the
// moisture contents are fractions.
// clang-format off
constexpr TermEntry kTerms[] = {
    {Text1,  {"强度等级", ""}},
    {Text2,  {"配制强度 fcu,0", "MPa"}},
    {Text3,  {"强度标准差 σ", "MPa"}},
    {Text4,  {"水泥用量 mc0", "kg/m³"}},
    {Text5,  {"水泥强度等级值 fce,g", "MPa"}},
    {Text6,  {"回归系数 αa", ""}},
    {Text7,  {"回归系数 αb", ""}},
    {Text8,  {"水灰比 W/C", ""}},
    {Text9,  {"水泥强度富余系数 γc", ""}},
    {Text10, {"灰水比 C/W", ""}},
    {Text15, {"砂率 βs", ""}},
    {Text18, {"水泥密度", "kg/L"}},
    {Text20, {"混凝土拌合物假定质量 mcp", "kg/m³"}},
    {Text21, {"砂含水率", ""}},
    {Text22, {"石子表观密度（砂亦按此）", "kg/L"}},
    {Text23, {"水密度", "kg/L"}},
    {Text24, {"石子含水率", ""}},
    {Text25, {"含气量 α", "%"}},
    {Text26, {"用水量 mw0", "kg/m³"}},
    {Text27, {"维勃稠度", "s"}},
    {Text28, {"坍落度", "mm"}},
    {Text29, {"石子最大粒径", "mm"}},
};
// clang-format on

// What each step reads (calc/design_steps.cpp, volume_method.cpp, mass_method.cpp).
constexpr calc::Field kDesignInputs[] = {Text1, Text3, Text5, Text6, Text7, Text9, Text26};
constexpr calc::Field kVolumeInputs[] = {Text15, Text18, Text22, Text23, Text25};
constexpr calc::Field kMassInputs[] = {Text15, Text20};
constexpr calc::Field kMoistureInputs[] = {Text21, Text24};
constexpr calc::Field kDescriptiveInputs[] = {Text28, Text27, Text29};

void AddOnce(std::vector<calc::Field>& fields, calc::Field field) {
    for (const calc::Field listed : fields)
        if (listed == field) return;
    fields.push_back(field);
}

} // namespace

ReportTerm TermOf(calc::Field field) {
    for (const TermEntry& entry : kTerms)
        if (entry.field == field) return entry.term;
    throw std::out_of_range("the report lists no such field");
}

std::string GradeText(std::string_view shown) {
    return ReadShownNumber(shown).number ? "C" + std::string(shown) : std::string(shown);
}

std::vector<calc::Field> ReadInputs(const document::DesignSnapshot& snapshot) {
    std::vector<calc::Field> fields(std::begin(kDesignInputs), std::end(kDesignInputs));
    if (snapshot.is_on(calc::Toggle::option1))
        for (const calc::Field field : kVolumeInputs)
            AddOnce(fields, field);
    if (snapshot.is_on(calc::Toggle::option2))
        for (const calc::Field field : kMassInputs)
            AddOnce(fields, field);
    if (calc::MoistureGiven(snapshot))
        for (const calc::Field field : kMoistureInputs)
            AddOnce(fields, field);
    return fields;
}

std::vector<calc::Field> OptionalInputs(const document::DesignSnapshot& snapshot) {
    std::vector<calc::Field> fields(std::begin(kDescriptiveInputs), std::end(kDescriptiveInputs));
    if (!calc::MoistureGiven(snapshot))
        for (const calc::Field field : kMoistureInputs)
            fields.push_back(field);
    return fields;
}

} // namespace mixora::cement_report
