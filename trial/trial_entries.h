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

// One trial: what was entered and what was made.
struct TrialAttempt {
    BatchEntry batch;
    AdjustmentEntry adjustment;
    StrengthEntry strength;
    DensityEntry density;
    ProductionEntry production;
    std::optional<CastRecord> cast; // none until specimens are made
    friend bool operator==(const TrialAttempt&, const TrialAttempt&) = default;
};

// The current trial, and the earlier ones of the same design, kept read-only, oldest first.
struct TrialEntries : TrialAttempt {
    std::vector<TrialAttempt> history;
    friend bool operator==(const TrialEntries&, const TrialEntries&) = default;
};

} // namespace mixora::trial
