#include "field_guide.h"

#include "choices.h"
#include "design_rules.h"
#include "jgj55_2011.h"
#include "press.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace mixora::help {

namespace {

using enum calc::Field;
using enum FilledBy;

struct Entry {
    calc::Field field;
    FieldGuide guide;
};

namespace jgj55_2011 = standards::jgj55_2011;

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// σ of 表 4.0.2: "C20 及以下 4.0，C25～C45 5.0，C50～C55 6.0".
std::string SigmaTable() {
    std::string text;
    int lowest = 0;
    for (const jgj55_2011::SigmaRow& row : jgj55_2011::kSigmaTable.rows) {
        const std::string top = "C" + std::to_string(row.max_grade);
        text += text.empty() ? top + " 及以下 " : "，C" + std::to_string(lowest) + "～" + top + " ";
        text += Fixed(row.sigma, 1);
        lowest = row.max_grade + jgj55::kGradeStep;
    }
    return text;
}

// "默认 0.48；JGJ 55-2011：卵石 0.49，碎石 0.53": the sheet's own default of a regression
// coefficient beside the standard's 表 5.1.2.
std::string Regression(calc::Field field, double jgj55_2011::RegressionRow::*coefficient) {
    calc::MemorySheet sheet;
    calc::qk(sheet);
    std::string text = "默认 " + sheet.text(field) + "；" + std::string(jgj55_2011::kName) + "：";
    for (const standards::CoarseKind kind :
         {standards::CoarseKind::Gravel, standards::CoarseKind::Crushed})
        for (const jgj55_2011::RegressionRow& row : jgj55_2011::kRegression.rows)
            if (row.coarse == kind)
                text += (kind == standards::CoarseKind::Gravel ? "" : "，") +
                        std::string(standards::NameOf(kind)) + " " + Fixed(row.*coefficient, 2);
    return text;
}

// The cement grades of the lists: "32.5、42.5、52.5".
std::string CementGrades() {
    std::string text;
    for (const auto& grade : standards::kCementGrades)
        text += (text.empty() ? "" : "、") + std::string(grade.name);
    return text;
}

std::vector<Entry> MakeGuide() {
    const std::string minimum = calc::MinimumCementText();
    // clang-format off
return {
    {Text1,  {"混凝土立方体抗压强度标准值 fcu,k，即强度等级的数值（C30 输入 30）", "MPa", "常用 15～60", User}},
    {Text2,  {"配制强度 fcu,0 = fcu,k + " + Fixed(jgj55_2011::kStrengthMargin.value, 3) + "σ", "MPa", "由计算得出", Press}},
    {Text3,  {"混凝土强度标准差 σ", "MPa", "无统计资料时：" + SigmaTable(), User}},
    {Text4,  {"每立方米混凝土的水泥用量 = 用水量 × 灰水比；小于 " + minimum + " 时取 " + minimum, "kg/m³", "由计算得出", Press}},
    {Text5,  {"水泥 28 天胶砂抗压强度（强度等级值）", "MPa", CementGrades(), User}},
    {Text6,  {"回归系数 A（αa）", "", Regression(Text6, &jgj55_2011::RegressionRow::alpha_a), User}},
    {Text7,  {"回归系数 B（αb）", "", Regression(Text7, &jgj55_2011::RegressionRow::alpha_b), User}},
    {Text8,  {"水灰比 W/C = A·fce /(fcu,0 + A·B·fce)，fce = 富余系数 × 水泥强度", "", "由计算得出，常见 0.40～0.65", Press}},
    {Text9,  {"水泥强度等级值的富余系数 γc", "", "常用 1.00～1.16，默认 1.07", User}},
    {Text10, {"灰水比 C/W，水灰比的倒数", "", "由计算得出", Press}},
    {Text11, {"配合比：每立方米水泥用量", "kg/m³", "由计算得出", Press}},
    {Text12, {"配合比：每立方米砂用量（给出含水率时为调整后的湿砂）", "kg/m³", "由计算得出", Press}},
    {Text13, {"配合比：每立方米石子用量（给出含水率时为调整后的湿石）", "kg/m³", "由计算得出", Press}},
    {Text14, {"配合比：每立方米用水量（给出含水率时为扣除砂石含水后的加水量）", "kg/m³", "由计算得出", Press}},
    {Text15, {"砂率 βs，砂占砂石总量的质量比", "", "以小数输入：36 % 输入 0.36，常用 0.28～0.42", User}},
    {Text16, {"石子（仅作记录）", "", "计算不读取", Nothing}},
    {Text17, {"砂子（仅作记录）", "", "计算不读取", Nothing}},
    {Text18, {"水泥密度 ρc", "g/cm³", "常用 2.9～3.1", User}},
    {Text19, {"砂密度（仅作记录）", "g/cm³", "常用 2.6～2.7；计算不读取", Nothing}},
    {Text20, {"质量法假定的每立方米混凝土质量 mcp", "kg/m³", "以 kg/m³ 输入：常用 2350～2450", User}},
    {Text21, {"砂含水率 ws", "", "以小数输入：3 % 输入 0.03；与石子含水率都给出时调整配合比", User}},
    {Text22, {"石子（及砂）表观密度 ρg，体积法按它计算砂石体积", "g/cm³", "常用 2.6～2.8", User}},
    {Text23, {"水的密度 ρw", "g/cm³", "1", User}},
    {Text24, {"石子含水率 wg", "", "以小数输入：1 % 输入 0.01；与砂含水率都给出时调整配合比", User}},
    {Text25, {"混凝土含气量 α", "%", "不掺引气剂时取 1", User}},
    {Text26, {"每立方米用水量 mw0", "kg/m³", "按坍落度和石子粒径选取，常用 160～210", User}},
    {Text27, {"维勃稠度（仅作记录）", "s", "计算不读取", Nothing}},
    {Text28, {"坍落度（仅作记录）", "mm", "计算不读取", Nothing}},
    {Text29, {"石子最大粒径（仅作记录）", "mm", "计算不读取", Nothing}},
    {Text30, {"配合比：水泥的比例（以水泥为 1）", "", "由计算得出", Press}},
    {Text31, {"配合比：砂与水泥之比", "", "由计算得出", Press}},
    {Text32, {"配合比：石子与水泥之比", "", "由计算得出", Press}},
    {Text33, {"配合比：水与水泥之比", "", "由计算得出", Press}},
};
    // clang-format on
}

// The guide in field order, each field in its place.
const std::vector<Entry>& Guide() {
    static const std::vector<Entry> guide = [] {
        std::vector<Entry> entries = MakeGuide();
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (calc::FieldIndex(entries[i].field) != i)
                throw std::logic_error("the field guide is out of order");
        if (entries.size() != calc::kFieldCount)
            throw std::logic_error("the field guide misses a field");
        return entries;
    }();
    return guide;
}

} // namespace

const FieldGuide& GuideOf(calc::Field field) {
    return Guide()[calc::FieldIndex(field)].guide;
}

} // namespace mixora::help
