#include "field_catalog.h"

#include <stdexcept>

namespace mixora::report {

namespace {

using enum calc::Field;

struct FieldEntry {
    calc::Field field;
    std::string_view caption;
    std::string_view unit;
};

// Captions exactly as the window shows them (its layout table); units as the calculator reads
// the numbers: strengths in MPa, masses per cubic metre of concrete, densities relative to
// water, the air content in percent, the sand ratio and moisture contents as fractions.
// clang-format off
constexpr FieldEntry kCatalog[] = {
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
    if (std::size(kCatalog) != calc::kFieldCount) return false;
    for (std::size_t i = 0; i < std::size(kCatalog); ++i)
        if (calc::FieldIndex(kCatalog[i].field) != i) return false;
    return true;
}
static_assert(EveryFieldInItsPlace());

const FieldEntry& EntryOf(calc::Field field) {
    if (!calc::IsField(field)) throw std::out_of_range("no such field");
    return kCatalog[calc::FieldIndex(field)];
}

} // namespace

std::string_view FieldCaption(calc::Field field) {
    return EntryOf(field).caption;
}

std::string_view FieldUnit(calc::Field field) {
    return EntryOf(field).unit;
}

} // namespace mixora::report
