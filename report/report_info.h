#pragma once
// The header of a design report: what the sheet does not hold (project, client, the
// environment and structure the mix is for, the trial volume, who signs).
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::report {

// Environment classes of concrete structures for durability.
enum class EnvironmentClass { One, TwoA, TwoB, ThreeA, ThreeB };
inline constexpr std::array<EnvironmentClass, 5> kEnvironmentClasses = {
    EnvironmentClass::One, EnvironmentClass::TwoA, EnvironmentClass::TwoB, EnvironmentClass::ThreeA,
    EnvironmentClass::ThreeB};

enum class StructureType { Plain, Reinforced, Prestressed };
inline constexpr std::array<StructureType, 3> kStructureTypes = {
    StructureType::Plain, StructureType::Reinforced, StructureType::Prestressed};

// "一", "二a", "二b", "三a", "三b".
std::string_view EnvironmentClassName(EnvironmentClass environment);
// "素混凝土", "钢筋混凝土", "预应力混凝土".
std::string_view StructureTypeName(StructureType structure);
std::optional<EnvironmentClass> EnvironmentClassNamed(std::string_view name);
std::optional<StructureType> StructureTypeNamed(std::string_view name);

inline constexpr double kDefaultTrialVolumeLitres = 20.0;

// A trial volume as typed in litres: a positive finite number, blanks around it allowed;
// nothing for anything else.
std::optional<double> ReadTrialVolume(std::string_view text);

struct ReportInfo {
    std::string project;       // 工程名称
    std::string client;        // 委托单位
    std::string location;      // 使用部位
    std::string report_number; // 报告编号
    std::string date;          // 日期, as the user writes it (the window fills in today's)
    EnvironmentClass environment = EnvironmentClass::One;   // 环境类别
    StructureType structure = StructureType::Reinforced;    // 结构类型
    double trial_volume_litres = kDefaultTrialVolumeLitres; // 试拌体积
    std::string tested_by;                                  // 试验
    std::string reviewed_by;                                // 审核
    std::string approved_by;                                // 批准
    std::string remarks;                                    // 备注

    friend bool operator==(const ReportInfo&, const ReportInfo&) = default;
};

} // namespace mixora::report
