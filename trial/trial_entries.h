#pragma once
// What the laboratory records during the trial, as typed: texts, so that nothing a user wrote is
// lost or reinterpreted before it is read (and named when it is not a number).
#include "cast_record.h"
#include "trial_sources.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::trial {

// Stage 1: the volume of one trial batch.
struct BatchEntry {
    std::string litres = "20";
    friend bool operator==(const BatchEntry&, const BatchEntry&) = default;
};

// The materials of one mix as typed (kg).
struct MixTexts {
    std::string cement, fly_ash, slag, water, sand, stone, admixture;
    std::string silica_fume = {}; // 硅灰
    friend bool operator==(const MixTexts&, const MixTexts&) = default;
};

// How the trial was adjusted until the fresh concrete worked.
enum class AdjustmentKind {
    Unchanged,         // the computed mix as it is
    BatchMasses,       // what the adjusted batch actually held
    WaterAndAdmixture, // water and admixture per m³, the W/B kept
    SandRatio,         // another sand ratio
};

// Each adjustment as the file names it and as people read it.
struct AdjustmentKindName {
    AdjustmentKind kind;
    std::string_view key;  // "batch_masses"
    std::string_view name; // "按实际试拌用量"
};
inline constexpr std::array<AdjustmentKindName, 4> kAdjustmentKinds = {{
    {AdjustmentKind::Unchanged, "unchanged", "按计算配合比，未调整"},
    {AdjustmentKind::BatchMasses, "batch_masses", "按实际试拌用量"},
    {AdjustmentKind::WaterAndAdmixture, "water_and_admixture",
     "调整用水量和外加剂用量，水胶比不变"},
    {AdjustmentKind::SandRatio, "sand_ratio", "调整砂率"},
}};

constexpr const AdjustmentKindName& NamesOf(AdjustmentKind kind) {
    for (const AdjustmentKindName& row : kAdjustmentKinds)
        if (row.kind == kind) return row;
    return kAdjustmentKinds.front();
}

struct AdjustmentEntry {
    AdjustmentKind kind = AdjustmentKind::Unchanged;
    MixTexts batch_masses;          // BatchMasses: kg in the batch
    std::string water;              // WaterAndAdmixture: kg/m³
    std::string admixture;          // WaterAndAdmixture: kg/m³
    std::string sand_ratio_percent; // SandRatio: %
    std::string slump_mm;           // the measured slump of the adjusted trial
    friend bool operator==(const AdjustmentEntry&, const AdjustmentEntry&) = default;
};

// Stage 3: one strength mix's cubes and its fresh density (kg/m³), with when they were made and
// their numbers.
struct GroupEntry {
    std::array<std::string, 3> strengths; // MPa
    std::string density;
    std::string made_on;          // 成型日期
    std::string specimen_numbers; // 试件编号
    friend bool operator==(const GroupEntry&, const GroupEntry&) = default;
};

struct StrengthEntry {
    SpecimenSize specimen = SpecimenSize::Mm150;
    std::string age_days = "28";
    std::array<GroupEntry, 3> groups; // W/B − 0.05, the trial W/B, W/B + 0.05
    friend bool operator==(const StrengthEntry&, const StrengthEntry&) = default;
};

// Stage 5: the measured density of the fresh concrete of the chosen mix (kg/m³).
struct DensityEntry {
    std::string measured;
    friend bool operator==(const DensityEntry&, const DensityEntry&) = default;
};

// Stage 6: the day's moisture of the aggregates and the mixer.
struct ProductionEntry {
    std::string sand_moisture_percent;
    std::string stone_moisture_percent;
    std::string measured_at; // date and time of the moisture test, as written
    std::string mixer_capacity_m3;
    friend bool operator==(const ProductionEntry&, const ProductionEntry&) = default;
};

// The outcome of the impermeability test at the pressure reached.
enum class SeepageResult {
    NotTested,
    Held,   // 未透水
    Leaked, // 透水
};
struct SeepageResultName {
    SeepageResult result;
    std::string_view key;  // "held"
    std::string_view name; // "未透水"
};
inline constexpr std::array<SeepageResultName, 3> kSeepageResults = {{
    {SeepageResult::NotTested, "", "未试验"},
    {SeepageResult::Held, "held", "未透水"},
    {SeepageResult::Leaked, "leaked", "透水"},
}};

constexpr const SeepageResultName& NamesOf(SeepageResult result) {
    for (const SeepageResultName& row : kSeepageResults)
        if (row.result == result) return row;
    return kSeepageResults.front();
}

// What the design's special requirements ask the trial to record (JGJ 55-2011 chapter 7 and the
// chloride of 表 3.0.6), each kept whether or not the design asks for it now.
struct SpecialEntry {
    std::string wait_minutes;                         // 泵送: the waiting time given …
    std::string slump_after_wait_mm;                  // … and the slump measured after it
    std::string seepage_pressure_mpa;                 // 抗渗: the pressure the test reached …
    SeepageResult seepage = SeepageResult::NotTested; // … and what it showed
    std::array<GroupEntry, 3> repeats; // 高强: the chosen mix repeated, one group a batch
    std::string temperature_rise;      // 大体积: the adiabatic temperature rise, ℃
    std::string air_percent;           // the air content measured, %
    std::string chloride_percent;      // water-soluble chloride, % of the cement mass
    friend bool operator==(const SpecialEntry&, const SpecialEntry&) = default;
};

// One trial: what was entered and what was made.
struct TrialAttempt {
    BatchEntry batch;
    AdjustmentEntry adjustment;
    StrengthEntry strength;
    DensityEntry density;
    ProductionEntry production;
    SpecialEntry special;
    std::optional<CastRecord> cast; // none until specimens are made
    friend bool operator==(const TrialAttempt&, const TrialAttempt&) = default;
};

// The current trial, and the earlier ones of the same design, kept read-only, oldest first.
struct TrialEntries : TrialAttempt {
    std::vector<TrialAttempt> history;
    friend bool operator==(const TrialEntries&, const TrialEntries&) = default;
};

} // namespace mixora::trial
