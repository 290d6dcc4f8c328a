#pragma once
// Control identifiers of the JGJ 55-2011 sheet: its part of the automation interface (see
// README.md). Inputs 6001 …, results 6201 …, each source mark 400 above its field, labels
// 6801 …, groups 6901 ….
namespace mixora::ui::jgj55_ids {

// Inputs. The derived ones (σ, γc, fce, γf, γs, fb, αa, αb, W/B, mw0′, mw0, mb0, βs) show the
// computed value until the user types one.
inline constexpr int Grade = 6001; // combo: C15 … C80
inline constexpr int Sigma = 6002;
inline constexpr int CementKind = 6003;  // combo
inline constexpr int CementGrade = 6004; // combo
inline constexpr int CementSurplus = 6005;
inline constexpr int CementStrength = 6006;
inline constexpr int FlyAshGrade = 6007; // combo
inline constexpr int FlyAshShare = 6008;
inline constexpr int SlagGrade = 6009; // combo
inline constexpr int SlagShare = 6010;
inline constexpr int FlyAshFactor = 6011;
inline constexpr int SlagFactor = 6012;
inline constexpr int BinderStrength = 6013;
inline constexpr int AlphaA = 6014;
inline constexpr int AlphaB = 6015;
inline constexpr int WaterBinder = 6016;
inline constexpr int Dosage = 6017;
inline constexpr int WaterReduction = 6018;
inline constexpr int Gravel = 6019;     // option 卵石
inline constexpr int Crushed = 6020;    // option 碎石
inline constexpr int MaxSize = 6021;    // combo; its list follows 卵石/碎石
inline constexpr int FineSand = 6022;   // option 细砂
inline constexpr int MediumSand = 6023; // option 中砂
inline constexpr int CoarseSand = 6024; // option 粗砂
inline constexpr int Slump = 6025;
inline constexpr int WaterBeforeReducer = 6026;
inline constexpr int Water = 6027;
inline constexpr int SandRatio = 6028;
inline constexpr int Environment = 6029;  // combo
inline constexpr int Structure = 6030;    // combo
inline constexpr int VolumeMethod = 6031; // option 体积法
inline constexpr int MassMethod = 6032;   // option 质量法
inline constexpr int CementDensity = 6033;
inline constexpr int FlyAshDensity = 6034;
inline constexpr int SlagDensity = 6035;
inline constexpr int SandDensity = 6036;
inline constexpr int StoneDensity = 6037;
inline constexpr int WaterDensity = 6038;
inline constexpr int AirPercent = 6039;
inline constexpr int AssumedMass = 6040;

// 特殊要求 (JGJ 55-2011 chapter 7), 6050 …: any combination; 高强 follows the grade.
inline constexpr int Pumped = 6050;              // check box 泵送
inline constexpr int PumpHeight = 6051;          // m
inline constexpr int PipeBore = 6052;            // mm
inline constexpr int Impermeability = 6053;      // combo: 无, P6 … P12, P12 以上
inline constexpr int ImpermeabilityValue = 6054; // P above 12 (14 for P14)
inline constexpr int Frost = 6055;               // combo: 无, F50, F100, F150 及以上
inline constexpr int FrostValue = 6056;          // F150 and above (200 for F200)
inline constexpr int AirEntrained = 6057;        // check box 掺引气剂
inline constexpr int AirExposure = 6058;         // combo: 表 3.0.7's exposure, or 无
inline constexpr int AirContent = 6059;          // the target air content %, empty for 自动
inline constexpr int MassConcrete = 6060;        // check box 大体积
inline constexpr int Chloride = 6061; // combo: 表 3.0.6's row, first 按环境类别建议
// 硅灰, the third mineral admixture (第 7.3.2 条): its share of the binder and its density ρsf
// (empty until given: the volume method with 硅灰 asks for it).
inline constexpr int SilicaFumeShare = 6062;
inline constexpr int SilicaFumeDensity = 6063;

// Results, read-only.
inline constexpr int TargetStrength = 6201;
inline constexpr int Cement = 6202;
inline constexpr int FlyAsh = 6203;
inline constexpr int Slag = 6204;
inline constexpr int WaterAmount = 6205;
inline constexpr int Sand = 6206;
inline constexpr int Stone = 6207;
inline constexpr int Admixture = 6208;
inline constexpr int Binder = 6209; // mb0: computed until typed, as W/B and mw0 are
inline constexpr int Density = 6210;
inline constexpr int MassRatio = 6211;
inline constexpr int Checks = 6212; // multi-line: one check a line
inline constexpr int Status = 6213; // the status line at the bottom
inline constexpr int Trial = 6214; // button 试配与调整…: the laboratory's trial of the design
// 特殊要求's results, 6250 …
inline constexpr int HighStrength = 6250; // "高强（C60 及以上）：按第 7.3 节" or "—"
inline constexpr int RequirementNotes = 6251;  // multi-line: advice and what the trial must do
inline constexpr int SilicaFume = 6252;        // 硅灰 per m³
inline constexpr int RequirementsGroup = 6299; // the group 特殊要求

// 原材料记录: the library's record chosen for each material (lists, in the order of
// lab::MaterialRole: 水泥, 粉煤灰, 矿粉, 砂, 石, 外加剂, 硅灰), what is newer in the library, the
// button that takes it, and the cost per m³ from the records' prices. (The source marks, each
// 400 above its field, hold 6402 … 6428 in part: these take what they leave; 硅灰's list and
// label, added later, 6064 and 6065.)
inline constexpr int Material(int role) {
    return role < 6 ? 6430 + role : 6064;
}
inline constexpr int MaterialNotice = 6417;
inline constexpr int TakeNewer = 6418; // button 采用新版本
inline constexpr int MaterialCost = 6419;
inline constexpr int MaterialGroup = 6420;
inline constexpr int MaterialLabel(int role) {
    return role < 6 ? 6440 + role : 6065;
}

// The source mark beside a field: "自动 · 表 4.0.2（≤ C45）", "给定", "无法计算：…".
inline constexpr int Mark(int field) {
    return field + 400;
}
inline constexpr int Label(int n) {
    return 6800 + n;
}
inline constexpr int Group(int n) {
    return 6900 + n;
} // 设计要求, 原材料, 计算参数, 每立方米用量, 校核

} // namespace mixora::ui::jgj55_ids
