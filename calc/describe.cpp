#include "describe.h"

#include "sheet.h"

#include <array>

namespace mixora::calc {

namespace {
constexpr std::array<std::string_view, kFieldCount> kLabels = {
    "混凝土强度等级(Fcu,k)", // Text1
    "混凝土配置强度",        // Text2
    "σ取值",                 // Text3
    "水泥用量",              // Text4
    "水泥28天强度",          // Text5
    "A",                     // Text6
    "B",                     // Text7
    "水灰比",                // Text8
    "富裕系数",              // Text9
    "灰水比",                // Text10
    "水泥",                  // Text11
    "砂",                    // Text12
    "石子",                  // Text13
    "水",                    // Text14
    "砂率",                  // Text15
    "石子",                  // Text16
    "砂子",                  // Text17
    "水泥密度",              // Text18
    "砂密度",                // Text19
    "砼密度",                // Text20
    "砂子w",                 // Text21
    "石子密度",              // Text22
    "水密度",                // Text23
    "石子w",                 // Text24
    "砼含气量",              // Text25
    "用水量",                // Text26
    "维勃稠度",              // Text27
    "塌落度",                // Text28
    "石子粒径",              // Text29
    "水泥",                  // Text30
    "砂",                    // Text31
    "石子",                  // Text32
    "水",                    // Text33
};
} // namespace

std::string_view FieldLabel(int field) {
    if (field < 1 || field > kFieldCount) return {};
    return kLabels[static_cast<std::size_t>(field - 1)];
}

std::string_view FaultText(Fault fault) {
    switch (fault) {
    case Fault::EmptyText: return "内容为空";
    case Fault::NotANumber: return "不是数字";
    case Fault::OutOfRange: return "数值超出范围";
    case Fault::DivisionByZero: return "除数为零";
    case Fault::Overflow: return "计算结果溢出";
    case Fault::InvalidOperation: return "无效运算";
    }
    return {};
}

} // namespace mixora::calc
