#pragma once
// What each field of the design sheet is called and in which unit its number is read. The
// window's labels show these captions (some with a colon after them), and everything that
// names a field outside the window takes them from here: reports, clipboard, CSV, the messages
// of a press. For the cells of the result frame, which have no label, the caption is their
// description.
#include "field.h"

#include <cstddef>
#include <string_view>

namespace mixora::calc {

struct FieldTerms {
    Field field;
    std::string_view caption; // UTF-8
    std::string_view unit;    // empty for ratios, coefficients and fractions, shown as they are
};

// Units as the calculator reads the numbers: strengths in MPa, masses per cubic metre of
// concrete, densities relative to water, the air content in percent, the sand ratio and moisture
// contents as fractions.
// clang-format off
inline constexpr FieldTerms kFieldTerms[] = {
    {Text1,  "混凝土强度等级(Fcu,k)", "MPa"},
    {Text2,  "混凝土配置强度",        "MPa"},
    {Text3,  "σ取值",                 "MPa"},
    {Text4,  "水泥用量",              "kg/m³"},
    {Text5,  "水泥28天强度",          "MPa"},
    {Text6,  "A",                     ""},
    {Text7,  "B",                     ""},
    {Text8,  "水灰比",                ""},
    {Text9,  "富裕系数",              ""},
    {Text10, "灰水比",                ""},
    {Text11, "水泥用量（配合比）",    "kg/m³"},
    {Text12, "砂用量（配合比）",      "kg/m³"},
    {Text13, "石子用量（配合比）",    "kg/m³"},
    {Text14, "用水量（配合比）",      "kg/m³"},
    {Text15, "砂率",                  ""},
    {Text16, "石子",                  ""},
    {Text17, "砂子",                  ""},
    {Text18, "水泥密度",              "kg/L"},
    {Text19, "砂密度",                "kg/L"},
    {Text20, "砼密度",                "kg/m³"},
    {Text21, "砂子w",                 ""},
    {Text22, "石子密度",              "kg/L"},
    {Text23, "水密度",                "kg/L"},
    {Text24, "石子w",                 ""},
    {Text25, "砼含气量",              "%"},
    {Text26, "用水量",                "kg/m³"},
    {Text27, "维勃稠度",              "s"},
    {Text28, "塌落度",                "mm"},
    {Text29, "石子粒径",              "mm"},
    {Text30, "水泥比例（配合比）",    ""},
    {Text31, "砂比例（配合比）",      ""},
    {Text32, "石子比例（配合比）",    ""},
    {Text33, "水比例（配合比）",      ""},
};
// clang-format on

constexpr bool EveryFieldInItsPlace() {
    if (std::size(kFieldTerms) != kFieldCount) return false;
    for (std::size_t i = 0; i < std::size(kFieldTerms); ++i)
        if (FieldIndex(kFieldTerms[i].field) != i) return false;
    return true;
}
static_assert(EveryFieldInItsPlace());

// A field's caption and unit; the field must be one (IsField).
constexpr std::string_view Caption(Field field) {
    return kFieldTerms[FieldIndex(field)].caption;
}
constexpr std::string_view Unit(Field field) {
    return kFieldTerms[FieldIndex(field)].unit;
}

} // namespace mixora::calc
