#pragma once
// The header of a design report: what the sheet does not hold (project, client, the
// environment and structure the mix is for, the trial volume, who signs).
#include "conditions.h"
#include "jgj55_2011.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::report {

// What the mix is for, in the standards' own terms (standards/conditions.h).
using standards::EnvironmentClass;
using standards::StructureType;

// The least trial batch of the smaller aggregates (JGJ 55-2011 表 6.1.2).
inline constexpr double kDefaultTrialVolumeLitres =
    standards::jgj55_2011::kTrialBatchMinimum.rows.front().min_litres.value;

// The shortest text that reads back as a volume: 20 → "20", 22.5 → "22.5".
std::string LitresText(double litres);

// A trial volume as typed in litres: a positive finite number, blanks around it allowed;
// nothing for anything else.
std::optional<double> ReadTrialVolume(std::string_view text);

// The materials a design names (硅灰, added later, last; the documents list it after 矿粉).
enum class MaterialSlot { Cement, FlyAsh, Slag, Sand, Stone, Admixture, SilicaFume };
inline constexpr std::size_t kMaterialSlotCount = 7;

// Where a material came from, as the documents print it; the materials library fills these
// from its records, the user may type them meanwhile.
struct MaterialSource {
    std::string maker; // 生产厂家
    std::string batch; // 批号

    friend bool operator==(const MaterialSource&, const MaterialSource&) = default;
};

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
    std::string mix_number;     // 配合比编号: on every page of every document of the design
    std::string placing_method; // 浇筑方式 (泵送 …)
    std::string issued_at;      // 签发时间 of the batch ticket
    std::string received_by;    // 接收: who at the plant took the ticket
    std::string admixture_type; // 外加剂品种 (聚羧酸高性能减水剂 …)
    // 外加剂固含量 % as typed; empty for a powder or when not known.
    std::string admixture_solid_percent;
    std::array<MaterialSource, kMaterialSlotCount> materials{};

    const MaterialSource& source(MaterialSlot slot) const {
        return materials[static_cast<std::size_t>(slot)];
    }

    friend bool operator==(const ReportInfo&, const ReportInfo&) = default;
};

} // namespace mixora::report
