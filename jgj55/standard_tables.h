#pragma once
// Every number the design takes from a standard, each table and constant with the clause it
// comes from. Data only: the steps read these and repeat none of them; a table or clause not
// here is one this design does not check (it says "未校核").
// Sources without a standard's name are JGJ 55-2011 《普通混凝土配合比设计规程》.
#include "choices.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace mixora::jgj55 {

struct Constant {
    double value;
    std::string_view source;
};

template <class Row, std::size_t N> struct Table {
    std::string_view source;
    std::array<Row, N> rows;
};

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
// S105 slag takes the upper value plus this (rows with a range only).
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

// The largest water–binder ratio and the lowest grade by environment class.
struct EnvironmentRow {
    EnvironmentClass environment;
    double max_water_binder;
    int min_grade;
};
inline constexpr Table<EnvironmentRow, 5> kEnvironmentLimits = {
    "GB 50010-2010 表 3.5.3",
    {{{EnvironmentClass::One, 0.60, 20},
      {EnvironmentClass::TwoA, 0.55, 25},
      {EnvironmentClass::TwoB, 0.50, 30},
      {EnvironmentClass::ThreeA, 0.45, 35},
      {EnvironmentClass::ThreeB, 0.40, 40}}}};

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

// ---- 3.0.4 / 5.3 胶凝材料 ---------------------------------------------------------------

// The least binder in kg/m³ by structure type (素, 钢筋, 预应力), in the row of the
// largest water–binder ratio the mix does not exceed; above the last row there is none.
struct MinimumBinderRow {
    double max_water_binder;
    std::array<double, kStructureTypes.size()> min_binder;
};
inline constexpr Table<MinimumBinderRow, 4> kMinimumBinder = {"表 3.0.4",
                                                              {{{0.45, {330, 330, 330}},
                                                                {0.50, {320, 320, 320}},
                                                                {0.55, {280, 300, 300}},
                                                                {0.60, {250, 280, 300}}}}};
// Grades up to this one have no least binder content.
inline constexpr int kMinimumBinderExemptUpToGrade = 15;
inline constexpr std::string_view kBinderFormulaSource = "式 5.3.1";
inline constexpr std::string_view kMineralFormulaSource = "式 5.3.2";
inline constexpr std::string_view kCementFormulaSource = "式 5.3.3";

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
// The limits for prestressed concrete are in this table, which this design does not hold.
inline constexpr std::string_view kPrestressedMineralSource = "表 3.0.5-2";

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

// ---- 第 7 章 有特殊要求的混凝土 -----------------------------------------------------------

inline constexpr std::string_view kHighStrengthChapterSource = "第 7.3 节";

// ---- Lookups ------------------------------------------------------------------------------

// The column of a coarse aggregate in a table's columns, if it has one.
template <std::size_t N>
constexpr std::optional<std::size_t> ColumnOf(const std::array<AggregateColumn, N>& columns,
                                              CoarseKind coarse, MaxSize size) {
    for (std::size_t i = 0; i < N; ++i)
        if (columns[i].coarse == coarse && columns[i].size == size) return i;
    return std::nullopt;
}

} // namespace mixora::jgj55
