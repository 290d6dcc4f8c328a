#pragma once
// JGJ 55-2011《普通混凝土配合比设计规程》: every table and number of it that the designs, the
// trial and the reports use, each with the clause it comes from, written as the standard numbers
// it ("表 5.1.2"); Cited(kName, …) adds the standard's name for a reader outside its design.
// Data only: a table or clause not here is one nothing checks (the design says "未校核").
#include "conditions.h"
#include "materials.h"
#include "table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace mixora::standards::jgj55_2011 {

inline constexpr std::string_view kName = "JGJ 55-2011";
inline constexpr std::string_view kTitle = "《普通混凝土配合比设计规程》";

// ---- 3 基本规定 ---------------------------------------------------------------------------

// The least binder in kg/m³ by structure type (in the order of kStructureTypes), in the row of
// the largest water–binder ratio the mix does not exceed; rows from the smallest ratio up, and
// above the last row there is none.
struct MinimumBinderRow {
    Limit max_water_binder;
    std::array<Limit, kStructureTypes.size()> min_binder;
};
inline constexpr Table<MinimumBinderRow, 4> kMinimumBinder = {
    "表 3.0.4",
    {{{{"0.45", 0.45}, {{{"330", 330}, {"330", 330}, {"330", 330}}}},
      {{"0.50", 0.50}, {{{"320", 320}, {"320", 320}, {"320", 320}}}},
      {{"0.55", 0.55}, {{{"280", 280}, {"300", 300}, {"300", 300}}}},
      {{"0.60", 0.60}, {{{"250", 250}, {"280", 280}, {"300", 300}}}}}}};
// The table applies above this grade: C15 and below have no least binder content.
inline constexpr int kMinimumBinderExemptUpToGrade = 15;

// The largest share (%) of mineral admixtures in reinforced concrete, by cement kind, for a
// water–binder ratio up to the boundary and above it.
enum class Mineral { FlyAsh, Slag, Compound };
struct MineralLimitRow {
    CementKind cement;
    Mineral mineral;
    double up_to_boundary;
    double above_boundary;
};
inline constexpr double kMineralLimitBoundary = 0.40;
inline constexpr Table<MineralLimitRow, 6> kMineralLimits = {
    "表 3.0.5-1",
    {{{CementKind::Portland, Mineral::FlyAsh, 45, 35},
      {CementKind::OrdinaryPortland, Mineral::FlyAsh, 40, 30},
      {CementKind::Portland, Mineral::Slag, 65, 55},
      {CementKind::OrdinaryPortland, Mineral::Slag, 55, 45},
      {CementKind::Portland, Mineral::Compound, 65, 55},
      {CementKind::OrdinaryPortland, Mineral::Compound, 55, 45}}}};
// The same for prestressed concrete.
inline constexpr Table<MineralLimitRow, 6> kPrestressedMineralLimits = {
    "表 3.0.5-2",
    {{{CementKind::Portland, Mineral::FlyAsh, 35, 30},
      {CementKind::OrdinaryPortland, Mineral::FlyAsh, 25, 20},
      {CementKind::Portland, Mineral::Slag, 55, 45},
      {CementKind::OrdinaryPortland, Mineral::Slag, 45, 35},
      {CementKind::Portland, Mineral::Compound, 55, 45},
      {CementKind::OrdinaryPortland, Mineral::Compound, 45, 35}}}};

// The largest water-soluble chloride content of the fresh concrete, % of the cement mass, by
// exposure and structure type (in the order of kStructureTypes).
struct ChlorideRow {
    ChlorideEnvironment environment;
    std::array<Limit, kStructureTypes.size()> max_percent;
};
inline constexpr Table<ChlorideRow, 4> kChlorideLimits = {
    "表 3.0.6",
    {{{ChlorideEnvironment::Dry, {{{"1.00", 1.00}, {"0.30", 0.30}, {"0.06", 0.06}}}},
      {ChlorideEnvironment::Moist, {{{"1.00", 1.00}, {"0.20", 0.20}, {"0.06", 0.06}}}},
      {ChlorideEnvironment::Chloride, {{{"1.00", 1.00}, {"0.10", 0.10}, {"0.06", 0.06}}}},
      {ChlorideEnvironment::Deicing, {{{"1.00", 1.00}, {"0.06", 0.06}, {"0.06", 0.06}}}}}}};
// The row proposed for an environment class of GB 50010-2010; 三a and 三b propose the chloride
// row, the de-icing one being the user's choice.
struct ChlorideProposalRow {
    EnvironmentClass environment;
    ChlorideEnvironment proposed;
};
inline constexpr std::array<ChlorideProposalRow, 5> kChlorideProposals = {{
    {EnvironmentClass::One, ChlorideEnvironment::Dry},
    {EnvironmentClass::TwoA, ChlorideEnvironment::Moist},
    {EnvironmentClass::TwoB, ChlorideEnvironment::Moist},
    {EnvironmentClass::ThreeA, ChlorideEnvironment::Chloride},
    {EnvironmentClass::ThreeB, ChlorideEnvironment::Chloride},
}};

// The least air content (%) by the largest nominal size of the coarse aggregate, rows from the
// largest size down, for moist or water-level-change exposure in cold regions and for salt
// frost; never above kMaxAirContent.
struct AirContentRow {
    Limit max_size_mm;
    Limit moist;
    Limit salt_frost;
};
inline constexpr Table<AirContentRow, 3> kMinimumAirContent = {
    "表 3.0.7",
    {{{{"40.0", 40.0}, {"4.5", 4.5}, {"5.0", 5.0}},
      {{"25.0", 25.0}, {"5.0", 5.0}, {"5.5", 5.5}},
      {{"20.0", 20.0}, {"5.5", 5.5}, {"6.0", 6.0}}}}};
inline constexpr Limit kMaxAirContent = {"7.0", 7.0};
inline constexpr std::string_view kMaxAirContentSource = "第 3.0.7 条";

// ---- 4 配制强度 --------------------------------------------------------------------------

// From this grade on (C60), fcu,0 = 1.15 fcu,k and no σ is needed.
inline constexpr int kHighStrengthGrade = 60;
inline constexpr std::string_view kHighStrengthSource = "第 4.0.1 条";
// fcu,0 = fcu,k + 1.645σ below C60.
inline constexpr Constant kStrengthMargin = {1.645, "式 4.0.1-1"};
// fcu,0 = 1.15 fcu,k from C60.
inline constexpr Constant kHighStrengthFactor = {1.15, "式 4.0.1-2"};

// σ in MPa when there are no strength results, for grades up to max_grade.
struct SigmaRow {
    int max_grade;
    double sigma;
};
inline constexpr Table<SigmaRow, 3> kSigmaTable = {"表 4.0.2", {{{20, 4.0}, {45, 5.0}, {55, 6.0}}}};

// σ from strength results: the sample standard deviation of at least this many results …
inline constexpr int kSigmaMinResults = 30;
inline constexpr std::string_view kSigmaFormulaSource = "式 4.0.2";
// … and not below floor for grades up to max_grade.
struct SigmaFloorRow {
    int max_grade;
    double floor;
};
inline constexpr Table<SigmaFloorRow, 2> kSigmaFloor = {"第 4.0.2 条", {{{30, 3.0}, {55, 4.0}}}};

// ---- 5.1 水胶比 ---------------------------------------------------------------------------

// Regression coefficients by coarse aggregate.
struct RegressionRow {
    CoarseKind coarse;
    double alpha_a;
    double alpha_b;
};
inline constexpr Table<RegressionRow, 2> kRegression = {
    "表 5.1.2", {{{CoarseKind::Crushed, 0.53, 0.20}, {CoarseKind::Gravel, 0.49, 0.13}}}};
inline constexpr std::string_view kWaterBinderFormulaSource = "式 5.1.1";
// From C60 the water–binder ratio is chosen by trial and must be given.
inline constexpr std::string_view kHighStrengthWaterBinderSource = "第 7.3.2 条";

// Influence factors of the mineral admixtures by their share of the binder (%): the range of
// each row (a single value has low == high).
struct InfluenceRow {
    double share;
    double low;
    double high;
};
inline constexpr Table<InfluenceRow, 5> kFlyAshFactor = {
    "表 5.1.3",
    {{{0, 1.00, 1.00}, {10, 0.85, 0.95}, {20, 0.75, 0.85}, {30, 0.65, 0.75}, {40, 0.55, 0.65}}}};
inline constexpr Table<InfluenceRow, 6> kSlagFactor = {"表 5.1.3",
                                                       {{{0, 1.00, 1.00},
                                                         {10, 1.00, 1.00},
                                                         {20, 0.95, 1.00},
                                                         {30, 0.90, 1.00},
                                                         {40, 0.80, 0.90},
                                                         {50, 0.70, 0.85}}}};
// Which value of a row's range each grade takes (表 5.1.3 注): fly ash Ⅰ and Ⅱ the upper, Ⅲ the
// lower; slag S75 the lower, S95 the upper, S105 the upper plus kS105Bonus (rows with a range
// only).
enum class RangePick { Lower, Upper, UpperPlusBonus };
template <class Grade> struct PickRow {
    Grade grade;
    RangePick pick;
};
inline constexpr std::array<PickRow<FlyAshGrade>, 3> kFlyAshPicks = {{
    {FlyAshGrade::I, RangePick::Upper},
    {FlyAshGrade::II, RangePick::Upper},
    {FlyAshGrade::III, RangePick::Lower},
}};
inline constexpr std::array<PickRow<SlagGrade>, 3> kSlagPicks = {{
    {SlagGrade::S75, RangePick::Lower},
    {SlagGrade::S95, RangePick::Upper},
    {SlagGrade::S105, RangePick::UpperPlusBonus},
}};
inline constexpr Constant kS105Bonus = {0.05, "表 5.1.3 注"};
inline constexpr std::string_view kBinderStrengthFormulaSource = "式 5.1.3";

// Surplus coefficient of the cement strength by its grade; fce,g is the grade's strength.
struct CementSurplusRow {
    CementGrade grade;
    double nominal_strength;
    double gamma_c;
};
inline constexpr Table<CementSurplusRow, 3> kCementSurplus = {"表 5.1.4",
                                                              {{{CementGrade::G32_5, 32.5, 1.12},
                                                                {CementGrade::G42_5, 42.5, 1.16},
                                                                {CementGrade::G52_5, 52.5, 1.10}}}};
inline constexpr std::string_view kCementStrengthFormulaSource = "式 5.1.4";

// ---- 5.2 用水量和外加剂用量 -----------------------------------------------------------------

// Water of plastic concrete (medium sand) in kg/m³ by slump band and coarse aggregate column.
struct AggregateColumn {
    CoarseKind coarse;
    MaxSize size;
};
inline constexpr std::array<AggregateColumn, 8> kWaterColumns = {{
    {CoarseKind::Gravel, MaxSize::Mm10},
    {CoarseKind::Gravel, MaxSize::Mm20},
    {CoarseKind::Gravel, MaxSize::Mm31_5},
    {CoarseKind::Gravel, MaxSize::Mm40},
    {CoarseKind::Crushed, MaxSize::Mm16},
    {CoarseKind::Crushed, MaxSize::Mm20},
    {CoarseKind::Crushed, MaxSize::Mm31_5},
    {CoarseKind::Crushed, MaxSize::Mm40},
}};
struct WaterRow {
    double min_slump;
    double max_slump;
    std::array<double, kWaterColumns.size()> water;
};
inline constexpr Table<WaterRow, 4> kWaterTable = {
    "表 5.2.1-2",
    {{{10, 30, {190, 170, 160, 150, 200, 185, 175, 165}},
      {35, 50, {200, 180, 170, 160, 210, 195, 185, 175}},
      {55, 70, {210, 190, 180, 170, 220, 205, 195, 185}},
      {75, 90, {215, 195, 185, 175, 230, 215, 205, 195}}}}};
// A size the table has no column for, read linearly between two of its columns of the same kind
// of coarse aggregate (5–25 mm, the commonest plant stone), with the source as cited.
struct InterpolatedColumn {
    MaxSize size;
    MaxSize below;
    MaxSize above;
    std::string_view source;
};
inline constexpr std::array<InterpolatedColumn, 1> kWaterInterpolatedSizes = {{
    {MaxSize::Mm25, MaxSize::Mm20, MaxSize::Mm31_5, "表 5.2.1-2，20 与 31.5 mm 之间内插"},
}};
// The table holds for water–binder ratios in this range; outside it water is found by trial.
struct Range {
    double low;
    double high;
    std::string_view source;
};
inline constexpr Range kWaterTableWaterBinder = {0.40, 0.80, "第 5.2.1 条"};
// Above the last band: this much water more per this much slump more, proportionally.
inline constexpr Constant kWaterSlumpStep = {20, "第 5.2.2 条"};
inline constexpr Constant kWaterPerSlumpStep = {5, "第 5.2.2 条"};
inline constexpr std::string_view kWaterReducerFormulaSource = "式 5.2.2";
inline constexpr std::string_view kAdmixtureFormulaSource = "式 5.2.3";
// Fine or coarse sand: the water may change by this much (kg/m³); a hint, never applied.
struct SandWaterHint {
    SandFineness sand;
    double low;
    double high;
};
inline constexpr Table<SandWaterHint, 2> kSandWaterHint = {
    "表 5.2.1-2 注", {{{SandFineness::Fine, 5, 10}, {SandFineness::Coarse, -10, -5}}}};

// ---- 5.3 胶凝材料、矿物掺合料和水泥用量 ---------------------------------------------------

inline constexpr std::string_view kBinderFormulaSource = "式 5.3.1";
inline constexpr std::string_view kMineralFormulaSource = "式 5.3.2";
inline constexpr std::string_view kCementFormulaSource = "式 5.3.3";

// ---- 5.4 砂率 ---------------------------------------------------------------------------

// Sand ratio ranges (%) by water–binder ratio and coarse aggregate column, for slumps of
// 10–60 mm; 31.5 mm lies between the 20 and 40 columns.
inline constexpr std::array<AggregateColumn, 6> kSandRatioColumns = {{
    {CoarseKind::Gravel, MaxSize::Mm10},
    {CoarseKind::Gravel, MaxSize::Mm20},
    {CoarseKind::Gravel, MaxSize::Mm40},
    {CoarseKind::Crushed, MaxSize::Mm16},
    {CoarseKind::Crushed, MaxSize::Mm20},
    {CoarseKind::Crushed, MaxSize::Mm40},
}};
struct PercentRange {
    double low;
    double high;
};
struct SandRatioRow {
    double water_binder;
    std::array<PercentRange, kSandRatioColumns.size()> ratio;
};
inline constexpr Table<SandRatioRow, 4> kSandRatioTable = {
    "表 5.4.2",
    {{{0.40, {{{26, 32}, {25, 31}, {24, 30}, {30, 35}, {29, 34}, {27, 32}}}},
      {0.50, {{{30, 35}, {29, 34}, {28, 33}, {33, 38}, {32, 37}, {30, 35}}}},
      {0.60, {{{33, 38}, {32, 37}, {31, 36}, {36, 41}, {35, 40}, {33, 38}}}},
      {0.70, {{{36, 41}, {35, 40}, {34, 39}, {39, 44}, {38, 43}, {36, 41}}}}}}};
// Above this slump the sand ratio grows by the step per slump step, proportionally.
inline constexpr Constant kSandRatioBaseSlump = {60, "第 5.4.2 条"};
inline constexpr Constant kSandRatioSlumpStep = {20, "第 5.4.2 条"};
inline constexpr Constant kSandRatioPerSlumpStep = {1, "第 5.4.2 条"};

// Below this slump neither the water nor the sand-ratio table holds (found by trial).
inline constexpr Constant kTableMinSlump = {10, "第 5.2.1、5.4.2 条"};

// ---- 5.5 粗、细骨料 ---------------------------------------------------------------------

inline constexpr std::string_view kMassMethodSource = "式 5.5.1-1";
inline constexpr std::string_view kSandRatioDefinitionSource = "式 5.5.1-2";
inline constexpr std::string_view kVolumeMethodSource = "式 5.5.2";
// Defaults of the volume method (kg/m³; α in %) and of the mass method.
inline constexpr double kDefaultCementDensity = 3100;
inline constexpr double kDefaultFlyAshDensity = 2200;
inline constexpr double kDefaultSlagDensity = 2900;
inline constexpr double kDefaultSandDensity = 2650;
inline constexpr double kDefaultStoneDensity = 2700;
inline constexpr double kDefaultWaterDensity = 1000;
inline constexpr double kDefaultAirPercent = 1;
inline constexpr double kDefaultAssumedMass = 2400;

// ---- 6 试配、调整与确定 ------------------------------------------------------------------

inline constexpr std::string_view kTrialChapterSource = "第 6 章";

// The least volume of one trial batch by the largest nominal size of the coarse aggregate (a
// size up to a row's limit takes that row); above the last row the table says nothing.
struct TrialBatchRow {
    Limit max_aggregate_mm;
    Limit min_litres;
};
inline constexpr Table<TrialBatchRow, 2> kTrialBatchMinimum = {
    "表 6.1.2", {{{{"31.5", 31.5}, {"20", 20}}, {{"40", 40}, {"25", 25}}}}};

// The trial mix: the computed mix adjusted until the fresh concrete works.
inline constexpr std::string_view kTrialMixSource = "第 6.1 节";
// The strength mixes: the water–binder ratio and the sand ratio of the other two mixes beside
// the trial mix, with the same water.
inline constexpr Constant kStrengthMixWaterBinderStep = {0.05, "第 6.1 节"};
inline constexpr Constant kStrengthMixSandRatioStepPercent = {1, "第 6.1 节"};
// Choosing the ratio from the strength line, and the density correction: the mix is corrected
// when the measured density differs from the computed one by more than this share of it.
inline constexpr std::string_view kRatioChoiceSource = "第 6.2 节";
inline constexpr Constant kDensityTolerancePercent = {2, "第 6.2 节"};

// ---- 7 有特殊要求的混凝土 -----------------------------------------------------------------

inline constexpr std::string_view kSpecialChapterSource = "第 7 章";

// A limit of a clause: its value as the standard writes it and where it stands.
struct ClauseLimit {
    Limit limit;
    std::string_view source;
};
// A range of a clause, both ends included.
struct ClauseRange {
    Limit low;
    Limit high;
    std::string_view source;
};

// 7.1 抗渗混凝土. The largest water–binder ratio by impermeability grade (rows from first to
// last grade), for C20–C30 and above C30.
struct ImpermeableRow {
    ImpermeabilityGrade first;
    ImpermeabilityGrade last;
    std::string_view grades; // "P8～P12"
    Limit up_to_boundary;
    Limit above_boundary;
};
inline constexpr int kImpermeableGradeBoundary = 30;
inline constexpr Table<ImpermeableRow, 3> kImpermeableWaterBinder = {
    "表 7.1.2",
    {{{ImpermeabilityGrade::P6, ImpermeabilityGrade::P6, "P6", {"0.60", 0.60}, {"0.55", 0.55}},
      {ImpermeabilityGrade::P8,
       ImpermeabilityGrade::P12,
       "P8～P12",
       {"0.55", 0.55},
       {"0.50", 0.50}},
      {ImpermeabilityGrade::AboveP12,
       ImpermeabilityGrade::AboveP12,
       "P12 以上",
       {"0.50", 0.50},
       {"0.45", 0.45}}}}};
inline constexpr ClauseLimit kImpermeableMinBinder = {{"320", 320}, "第 7.1.2 条"};
inline constexpr ClauseRange kImpermeableSandRatio = {{"35", 35}, {"45", 45}, "第 7.1.2 条"};
inline constexpr ClauseLimit kImpermeableMaxSize = {{"40", 40}, "第 7.1.1 条"};
inline constexpr std::string_view kImpermeableFlyAshSource = "第 7.1.1 条"; // Ⅰ or Ⅱ
inline constexpr ClauseRange kImpermeableAirContent = {{"3.0", 3.0}, {"5.0", 5.0}, "第 7.1.4 条"};
// The impermeability test of the trial: Pt ≥ P/10 + this (MPa).
inline constexpr Constant kImpermeableTestMargin = {0.2, "第 7.1.3 条"};

// 7.2 抗冻混凝土. The largest water–binder ratio without and with an air-entraining agent
// (none without: the agent is required) and the least binder, by frost grade.
struct FrostRow {
    FrostGrade grade;
    std::optional<Limit> without_agent;
    Limit with_agent;
    Limit min_binder;
};
inline constexpr Table<FrostRow, 3> kFrostLimits = {
    "表 7.2.2-1",
    {{{FrostGrade::F50, Limit{"0.55", 0.55}, {"0.60", 0.60}, {"300", 300}},
      {FrostGrade::F100, Limit{"0.50", 0.50}, {"0.55", 0.55}, {"320", 320}},
      {FrostGrade::F150Up, std::nullopt, {"0.50", 0.50}, {"350", 350}}}}};
// The largest share (%) of a composite mineral admixture, by cement kind, for a water–binder
// ratio up to the boundary and above it.
struct FrostMineralRow {
    CementKind cement;
    double up_to_boundary;
    double above_boundary;
};
inline constexpr double kFrostMineralBoundary = 0.40;
inline constexpr Table<FrostMineralRow, 2> kFrostMineralLimits = {
    "表 7.2.2-2", {{{CementKind::Portland, 60, 50}, {CementKind::OrdinaryPortland, 50, 40}}}};
// From this frost grade on an air-entraining agent is advised.
inline constexpr FrostGrade kFrostAgentAdvisedFrom = FrostGrade::F100;
inline constexpr std::string_view kFrostAgentSource = "第 7.2.1 条";

// 7.3 高强混凝土. W/B, binder (kg/m³) and sand ratio (%) by strength grade, each row from its
// grade up to the next row's; the sand-ratio range is one for the whole table.
struct HighStrengthRow {
    int from_grade;
    Limit water_binder_low;
    Limit water_binder_high;
    Limit binder_low;
    Limit binder_high;
};
inline constexpr Table<HighStrengthRow, 3> kHighStrengthMix = {
    "表 7.3.2",
    {{{60, {"0.28", 0.28}, {"0.34", 0.34}, {"480", 480}, {"560", 560}},
      {80, {"0.26", 0.26}, {"0.28", 0.28}, {"520", 520}, {"580", 580}},
      {100, {"0.24", 0.24}, {"0.26", 0.26}, {"550", 550}, {"600", 600}}}}};
inline constexpr ClauseRange kHighStrengthSandRatio = {{"35", 35}, {"42", 42}, "表 7.3.2"};
inline constexpr ClauseLimit kHighStrengthMaxCement = {{"500", 500}, "第 7.3.2 条"};
inline constexpr ClauseRange kHighStrengthMineral = {{"25", 25}, {"40", 40}, "第 7.3.2 条"};
inline constexpr ClauseLimit kHighStrengthMaxSilicaFume = {{"10", 10}, "第 7.3.2 条"};
inline constexpr ClauseLimit kHighStrengthMaxSize = {{"25", 25}, "第 7.3.1 条"};
inline constexpr std::string_view kHighStrengthFlyAshSource = "第 7.3.1 条"; // not below Ⅱ
// The trial: the other strength mixes at W/B ± this, and the chosen mix repeated in at least
// this many batches, each group not below fcu,0.
inline constexpr Constant kHighStrengthMixWaterBinderStep = {0.02, "第 7.3.3 条"};
inline constexpr Constant kHighStrengthRepeatBatches = {3, "第 7.3.4 条"};

// 7.4 泵送混凝土. The ratio of the pipe bore to the coarse aggregate's largest size, at least
// 1 : ratio, by pumping height: below the first height, up to the second, above it.
struct PumpRow {
    CoarseKind coarse;
    std::array<Limit, 3> bore_ratio;
};
inline constexpr std::array<Limit, 2> kPumpHeights = {{{"50", 50}, {"100", 100}}};
inline constexpr Table<PumpRow, 2> kPumpSizeRatio = {
    "表 7.4.1",
    {{{CoarseKind::Crushed, {{{"3.0", 3.0}, {"4.0", 4.0}, {"5.0", 5.0}}}},
      {CoarseKind::Gravel, {{{"2.5", 2.5}, {"3.0", 3.0}, {"4.0", 4.0}}}}}}};
inline constexpr ClauseLimit kPumpMinBinder = {{"300", 300}, "第 7.4.2 条"};
inline constexpr ClauseRange kPumpSandRatio = {{"35", 35}, {"45", 45}, "第 7.4.2 条"};
inline constexpr std::string_view kPumpSlumpLossSource = "第 7.4.3 条";

// 7.5 大体积混凝土.
inline constexpr ClauseLimit kMassMaxSizeAdvised = {{"31.5", 31.5}, "第 7.5.1 条"}; // at least
inline constexpr std::string_view kMassTestAgeSource = "第 7.5.2 条";               // 60 d or 90 d
inline constexpr ClauseLimit kMassMaxWaterBinder = {{"0.55", 0.55}, "第 7.5.3 条"};
inline constexpr ClauseLimit kMassMaxWater = {{"175", 175}, "第 7.5.3 条"};
inline constexpr ClauseRange kMassSandRatio = {{"38", 38}, {"42", 42}, "第 7.5.3 条"};
inline constexpr ClauseLimit kMassMaxTemperatureRise = {{"50", 50}, "第 7.5.4 条"};

// ---- Lookups ------------------------------------------------------------------------------

// The column of a coarse aggregate in a table's columns, if it has one.
template <std::size_t N>
constexpr std::optional<std::size_t> ColumnOf(const std::array<AggregateColumn, N>& columns,
                                              CoarseKind coarse, MaxSize size) {
    for (std::size_t i = 0; i < N; ++i)
        if (columns[i].coarse == coarse && columns[i].size == size) return i;
    return std::nullopt;
}

} // namespace mixora::standards::jgj55_2011
