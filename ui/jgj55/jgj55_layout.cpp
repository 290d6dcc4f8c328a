#include "jgj55_layout.h"

#include "jgj55_ids.h"

namespace mixora::ui {

namespace {

using T = ControlType;
using namespace jgj55_ids;

constexpr int H = 270;           // a field's height
constexpr int kListH = H + 3600; // a list with what drops down below its box
constexpr int kRow = 330;
constexpr int R(int row) {
    return 300 + row * kRow;
}

constexpr int kRequirements = Group(1);
constexpr int kMaterials = Group(2);
constexpr int kParameters = Group(3);
constexpr int kMix = Group(4);
constexpr int kChecks = Group(5);

// Columns of the input groups: two label/field pairs a row.
constexpr int kLabel1 = 120, kField1 = 1150, kLabel2 = 2300, kField2 = 3250;
constexpr int kFieldW = 950;
// Columns of 特殊要求: a label, then its field (wider for the long names of exposures).
constexpr int kReqField = 1650, kReqFieldW = 1400, kReqWideW = 2330;
// Columns of 计算参数: label with its unit, field, source mark.
constexpr int kParamLabel = 120, kParamField = 2300, kParamMark = 3190;
constexpr int kParamLabelW = 2150, kParamFieldW = 820, kParamMarkW = 2510;

// clang-format off
constexpr ControlEntry kLayout[] = {
    {T::Frame, kRequirements, L"设计要求",     0,    0,    0, 4300, R(2) + H + 120},
    {T::Frame, kMaterials,    L"原材料（密度 kg/m³）", 0,    0, 1400, 4300, R(10) + H + 120},
    {T::Frame, kParameters,   L"计算参数",     0, 4400,    0, 5800, R(13) + H + 120},
    {T::Frame, kMix,          L"每立方米用量 kg/m³", 0,    0, 5440, 4300, R(4) + H + 120},
    {T::Frame, kChecks,       L"校核",         0, 4400, 5440, 5800, R(4) + H + 120},

    // 设计要求
    {T::Label,  Label(1),     L"强度等级",     kRequirements, kLabel1,  R(0) + 30, 1000, H},
    {T::Choice, Grade,        L"",             kRequirements, kField1,  R(0) - 20, kFieldW, kListH},
    {T::Label,  Label(2),     L"环境类别",     kRequirements, kLabel2,  R(0) + 30, 900, H},
    {T::Choice, Environment,  L"",             kRequirements, kField2,  R(0) - 20, kFieldW, kListH},
    {T::Label,  Label(3),     L"结构类型",     kRequirements, kLabel1,  R(1) + 30, 1000, H},
    {T::Choice, Structure,    L"",             kRequirements, kField1,  R(1) - 20, 1350, kListH},
    {T::Label,  Label(4),     L"坍落度",       kRequirements, 2550,     R(1) + 30, 940, H},
    {T::Text,   Slump,        L"",             kRequirements, kField2 + 250, R(1), kFieldW - 250, H},
    {T::Option, VolumeMethod, L"体积法",       kRequirements, kLabel1,  R(2), 800, H, nullptr, true},
    {T::Option, MassMethod,   L"质量法",       kRequirements, 940,      R(2), 800, H},
    {T::Label,  Label(5),     L"拌合物假定质量", kRequirements, 1800,   R(2) + 30, 1790, H},
    {T::Text,   AssumedMass,  L"",             kRequirements, 3600,     R(2), 600, H},

    // 原材料
    {T::Label,  Label(6),     L"水泥品种",     kMaterials, kLabel1, R(0) + 30, 1000, H},
    {T::Choice, CementKind,   L"",             kMaterials, kField1, R(0) - 20, 2400, kListH},
    {T::Label,  Label(7),     L"水泥强度等级", kMaterials, kLabel1, R(1) + 30, 1100, H},
    {T::Choice, CementGrade,  L"",             kMaterials, kField1 + 100, R(1) - 20, kFieldW - 100, kListH},
    {T::Label,  Label(8),     L"粉煤灰",       kMaterials, kLabel1, R(2) + 30, 1000, H},
    {T::Choice, FlyAshGrade,  L"",             kMaterials, kField1, R(2) - 20, kFieldW, kListH},
    {T::Label,  Label(9),     L"掺量",         kMaterials, kLabel2, R(2) + 30, 900, H},
    {T::Text,   FlyAshShare,  L"",             kMaterials, kField2, R(2), kFieldW, H},
    {T::Label,  Label(10),    L"矿粉",         kMaterials, kLabel1, R(3) + 30, 1000, H},
    {T::Choice, SlagGrade,    L"",             kMaterials, kField1, R(3) - 20, kFieldW, kListH},
    {T::Label,  Label(11),    L"掺量",         kMaterials, kLabel2, R(3) + 30, 900, H},
    {T::Text,   SlagShare,    L"",             kMaterials, kField2, R(3), kFieldW, H},
    {T::Option, Gravel,       L"卵石",         kMaterials, kLabel1, R(4), 750, H, nullptr, true},
    {T::Option, Crushed,      L"碎石",         kMaterials, 900,     R(4), 750, H},
    {T::Label,  Label(12),    L"最大粒径",     kMaterials, kLabel2, R(4) + 30, 900, H},
    {T::Choice, MaxSize,      L"",             kMaterials, kField2, R(4) - 20, kFieldW, kListH},
    {T::Option, FineSand,     L"细砂",         kMaterials, kLabel1, R(5), 750, H, nullptr, true},
    {T::Option, MediumSand,   L"中砂",         kMaterials, 900,     R(5), 750, H},
    {T::Option, CoarseSand,   L"粗砂",         kMaterials, 1680,    R(5), 750, H},
    {T::Label,  Label(45),    L"硅灰",         kMaterials, 2500,    R(5) + 30, 700, H},
    {T::Text,   SilicaFumeShare, L"",          kMaterials, kField2, R(5), kFieldW, H},
    {T::Label,  Label(13),    L"外加剂掺量",   kMaterials, kLabel1, R(6) + 30, 1300, H},
    {T::Text,   Dosage,       L"",             kMaterials, kField1 + 200, R(6), kFieldW - 200, H},
    {T::Label,  Label(14),    L"减水率",       kMaterials, kLabel2, R(6) + 30, 900, H},
    {T::Text,   WaterReduction, L"",           kMaterials, kField2, R(6), kFieldW, H},
    {T::Label,  Label(15),    L"水泥密度",     kMaterials, kLabel1, R(7) + 30, 1000, H},
    {T::Text,   CementDensity, L"",            kMaterials, kField1, R(7), kFieldW, H},
    {T::Label,  Label(16),    L"粉煤灰密度",   kMaterials, kLabel2, R(7) + 30, 950, H},
    {T::Text,   FlyAshDensity, L"",            kMaterials, kField2, R(7), kFieldW, H},
    {T::Label,  Label(17),    L"矿粉密度",     kMaterials, kLabel1, R(8) + 30, 1000, H},
    {T::Text,   SlagDensity,  L"",             kMaterials, kField1, R(8), kFieldW, H},
    {T::Label,  Label(18),    L"砂表观密度",   kMaterials, kLabel2, R(8) + 30, 950, H},
    {T::Text,   SandDensity,  L"",             kMaterials, kField2, R(8), kFieldW, H},
    {T::Label,  Label(19),    L"石表观密度",   kMaterials, kLabel1, R(9) + 30, 1000, H},
    {T::Text,   StoneDensity, L"",             kMaterials, kField1, R(9), kFieldW, H},
    {T::Label,  Label(20),    L"水密度",       kMaterials, kLabel2, R(9) + 30, 900, H},
    {T::Text,   WaterDensity, L"",             kMaterials, kField2, R(9), kFieldW, H},
    {T::Label,  Label(21),    L"含气量 α",     kMaterials, kLabel1, R(10) + 30, 1000, H},
    {T::Text,   AirPercent,   L"",             kMaterials, kField1, R(10), kFieldW, H},
    {T::Label,  Label(46),    L"硅灰密度",     kMaterials, kLabel2, R(10) + 30, 900, H},
    {T::Text,   SilicaFumeDensity, L"",        kMaterials, kField2, R(10), kFieldW, H},

    // 计算参数: each derived value with where it comes from.
#define MIXORA_PARAM(row, n, caption, id, type)                                                    \
    {T::Label, Label(n), caption, kParameters, kParamLabel, R(row) + 30, kParamLabelW, H},        \
    {type, id, L"", kParameters, kParamField, R(row), kParamFieldW, H},                             \
    {T::Line, Mark(id), L"", kParameters, kParamMark, R(row) + 30, kParamMarkW, H}
    MIXORA_PARAM(0,  22, L"强度标准差 σ",      Sigma,              T::Text),
    MIXORA_PARAM(1,  23, L"配制强度 fcu,0",    TargetStrength,     T::Output),
    MIXORA_PARAM(2,  24, L"富余系数 γc",       CementSurplus,      T::Text),
    MIXORA_PARAM(3,  25, L"水泥强度 fce",      CementStrength,     T::Text),
    MIXORA_PARAM(4,  26, L"粉煤灰系数 γf",     FlyAshFactor,       T::Text),
    MIXORA_PARAM(5,  27, L"矿粉系数 γs",       SlagFactor,         T::Text),
    MIXORA_PARAM(6,  28, L"胶凝材料强度 fb",   BinderStrength,     T::Text),
    MIXORA_PARAM(7,  29, L"回归系数 αa",       AlphaA,             T::Text),
    MIXORA_PARAM(8,  30, L"回归系数 αb",       AlphaB,             T::Text),
    MIXORA_PARAM(9,  31, L"水胶比 W/B",        WaterBinder,        T::Text),
    MIXORA_PARAM(10, 32, L"基准用水量 mw0′",   WaterBeforeReducer, T::Text),
    MIXORA_PARAM(11, 33, L"用水量 mw0",        Water,              T::Text),
    MIXORA_PARAM(12, 34, L"胶凝材料 mb0",      Binder,             T::Text),
    MIXORA_PARAM(13, 35, L"砂率 βs",           SandRatio,          T::Text),
#undef MIXORA_PARAM
    // Below 计算参数, above 校核.
    {T::Command, Trial, L"试配与调整…", 0, 8500, 5035, 1700, 360},

    // 每立方米用量 (kg/m³)
    {T::Label,  Label(36), L"水泥",       kMix, kLabel1, R(0) + 30, 1000, H},
    {T::Output, Cement,    L"",           kMix, kField1, R(0), kFieldW, H},
    {T::Label,  Label(37), L"粉煤灰",     kMix, kLabel2, R(0) + 30, 900, H},
    {T::Output, FlyAsh,    L"",           kMix, kField2, R(0), kFieldW, H},
    {T::Label,  Label(38), L"矿粉",       kMix, kLabel1, R(1) + 30, 1000, H},
    {T::Output, Slag,      L"",           kMix, kField1, R(1), kFieldW, H},
    {T::Label,  Label(39), L"外加剂",     kMix, kLabel2, R(1) + 30, 900, H},
    {T::Output, Admixture, L"",           kMix, kField2, R(1), kFieldW, H},
    {T::Label,  Label(40), L"水",         kMix, kLabel1, R(2) + 30, 1000, H},
    {T::Output, WaterAmount, L"",         kMix, kField1, R(2), kFieldW, H},
    {T::Label,  Label(41), L"砂",         kMix, kLabel2, R(2) + 30, 900, H},
    {T::Output, Sand,      L"",           kMix, kField2, R(2), kFieldW, H},
    {T::Label,  Label(42), L"石",         kMix, kLabel1, R(3) + 30, 1000, H},
    {T::Output, Stone,     L"",           kMix, kField1, R(3), kFieldW, H},
    {T::Label,  Label(43), L"计算密度",   kMix, kLabel2, R(3) + 30, 900, H},
    {T::Output, Density,   L"",           kMix, kField2, R(3), kFieldW, H},
    {T::Label,  Label(44), L"质量比",     kMix, kLabel1, R(4) + 30, 600, H},
    {T::Output, MassRatio, L"",           kMix, 750,     R(4), 2200, H},
    {T::Label,  Label(47), L"硅灰",       kMix, 3050,    R(4) + 30, 400, H},
    {T::Output, SilicaFume, L"",          kMix, 3450,    R(4), 750, H},

    // 校核
    {T::Lines, Checks, L"", kChecks, 120, 270, 5560, R(4) + H - 240},

    // 特殊要求, beside 原材料记录: labels, then fields.
    {T::Frame, RequirementsGroup, L"特殊要求", 0, 14100, 0, 4100, 7440},
    {T::Check,  Pumped,         L"泵送",          RequirementsGroup, kLabel1, R(0), 1200, H},
    {T::Label,  kNoId,          L"泵送高度 m",    RequirementsGroup, kLabel1, R(1) + 30, 1500, H},
    {T::Text,   PumpHeight,     L"",              RequirementsGroup, kReqField, R(1), kReqFieldW, H},
    {T::Label,  kNoId,          L"输送管径 mm",   RequirementsGroup, kLabel1, R(2) + 30, 1500, H},
    {T::Text,   PipeBore,       L"",              RequirementsGroup, kReqField, R(2), kReqFieldW, H},
    {T::Label,  kNoId,          L"抗渗等级",      RequirementsGroup, kLabel1, R(3) + 30, 1500, H},
    {T::Choice, Impermeability, L"",              RequirementsGroup, kReqField, R(3) - 20, kReqFieldW, kListH},
    {T::Label,  kNoId,          L"P12 以上 P",    RequirementsGroup, kLabel1, R(4) + 30, 1500, H},
    {T::Text,   ImpermeabilityValue, L"",         RequirementsGroup, kReqField, R(4), kReqFieldW, H},
    {T::Label,  kNoId,          L"抗冻等级",      RequirementsGroup, kLabel1, R(5) + 30, 1500, H},
    {T::Choice, Frost,          L"",              RequirementsGroup, kReqField, R(5) - 20, kReqFieldW, kListH},
    {T::Label,  kNoId,          L"F150 及以上 F", RequirementsGroup, kLabel1, R(6) + 30, 1500, H},
    {T::Text,   FrostValue,     L"",              RequirementsGroup, kReqField, R(6), kReqFieldW, H},
    {T::Check,  AirEntrained,   L"掺引气剂",      RequirementsGroup, kLabel1, R(7), 1500, H},
    {T::Label,  kNoId,          L"含气量要求",    RequirementsGroup, kLabel1, R(8) + 30, 1500, H},
    {T::Choice, AirExposure,    L"",              RequirementsGroup, kReqField, R(8) - 20, kReqWideW, kListH},
    {T::Label,  kNoId,          L"目标含气量 %",  RequirementsGroup, kLabel1, R(9) + 30, 1500, H},
    {T::Text,   AirContent,     L"",              RequirementsGroup, kReqField, R(9), kReqFieldW, H},
    {T::Check,  MassConcrete,   L"大体积",        RequirementsGroup, kLabel1, R(10), 1500, H},
    {T::Label,  kNoId,          L"氯离子环境",    RequirementsGroup, kLabel1, R(11) + 30, 1500, H},
    {T::Choice, Chloride,       L"",              RequirementsGroup, kReqField, R(11) - 20, kReqWideW, kListH},
    {T::Line,   HighStrength,   L"",              RequirementsGroup, kLabel1, R(12) + 30, 3860, H},
    {T::Lines,  RequirementNotes, L"",            RequirementsGroup, kLabel1, R(13), 3860, 7440 - R(13) - 120},

    {T::Line, Status, L"", 0, 60, 7540, 10100, H},

    // 原材料记录: a record of the library for each material.
#define MIXORA_MATERIAL(n, row, caption)                                                           \
    {T::Label, MaterialLabel(n), caption, MaterialGroup, 120, R(2 * (row)) + 30, 3400, H},        \
    {T::Choice, Material(n), L"", MaterialGroup, 120, R(2 * (row) + 1) - 20, 3460, kListH}
    {T::Frame, MaterialGroup, L"原材料记录", 0, 10300, 0, 3700, 7400},
    MIXORA_MATERIAL(0, 0, L"水泥"), MIXORA_MATERIAL(1, 1, L"粉煤灰"), MIXORA_MATERIAL(2, 2, L"矿粉"),
    MIXORA_MATERIAL(6, 3, L"硅灰"), MIXORA_MATERIAL(3, 4, L"砂"), MIXORA_MATERIAL(4, 5, L"石"),
    MIXORA_MATERIAL(5, 6, L"外加剂"),
#undef MIXORA_MATERIAL
    {T::Note, MaterialNotice, L"", MaterialGroup, 120, R(14), 3460, 1000},
    {T::Command, TakeNewer, L"采用新版本", MaterialGroup, 120, R(14) + 1050, 1500, 360},
    {T::Note, MaterialCost, L"", MaterialGroup, 120, R(14) + 1450, 3460, 1000},
};
// clang-format on

static_assert(IdsAreUnique(kLayout));
static_assert(InsideParents(kLayout, kJgj55ClientWidthTwips, kJgj55ClientHeightTwips, H));

constexpr FormLayout kForm{kLayout, Units::Twips, kJgj55ClientWidthTwips, kJgj55ClientHeightTwips,
                           Groups::EachStop};

} // namespace

const FormLayout& Jgj55Form() {
    return kForm;
}

} // namespace mixora::ui
