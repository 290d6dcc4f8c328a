#pragma once
// Control identifiers of the 试配与调整 dialog: its part of the automation interface (see
// README.md). A row of the seven materials (水泥, 粉煤灰, 矿粉, 水, 砂, 石, 外加剂) takes seven
// identifiers from its first one, in that order; its 硅灰 cell, shown beside 矿粉, came later and
// has one of its own (SilicaFumeOf).
namespace mixora::ui::trial_ids {

inline constexpr int kMaterials = 7; // the identifiers of a mix row from its first

// What the trial rests on: the design's mix and ratios, or why there is none.
inline constexpr int Basis = 7000;

// 试拌
inline constexpr int Litres = 7001;      // edit, L
inline constexpr int LitresNote = 7002;  // the least volume for the aggregate, or a warning
inline constexpr int BatchMasses = 7011; // … 7017, kg

// 试拌配合比
inline constexpr int Unchanged = 7021;         // option 不调整
inline constexpr int ActualMasses = 7022;      // option 试拌实际用量
inline constexpr int WaterAndAdmixture = 7023; // option 调整用水量和外加剂
inline constexpr int SandRatioKind = 7024;     // option 调整砂率
inline constexpr int ActualMass = 7031;        // … 7037, edits, kg in the batch
inline constexpr int AdjustedWater = 7041;     // edit, kg/m³
inline constexpr int AdjustedAdmixture = 7042; // edit, kg/m³
inline constexpr int AdjustedSandRatio = 7043; // edit, %
inline constexpr int Slump = 7044;             // edit, mm
inline constexpr int TrialMix = 7051;          // … 7057, kg/m³
inline constexpr int TrialWaterBinder = 7058;
inline constexpr int TrialSandRatio = 7059; // %

// 强度试验: mix n (0, 1, 2: W/B − 0.05, the trial's, + 0.05) and its cubes.
inline constexpr int MixWaterBinder(int n) {
    return 7101 + 20 * n;
}
inline constexpr int MixSandRatio(int n) {
    return 7102 + 20 * n;
}
inline constexpr int MixBatch(int n) { // … + 6, kg in the trial batch
    return 7103 + 20 * n;
}
inline constexpr int Specimen = 7161;     // combo: 100 mm, 150 mm, 200 mm
inline constexpr int AgeDays = 7162;      // edit, d
inline constexpr int Cube(int n, int k) { // edit, MPa; k = 0, 1, 2
    return 7171 + 10 * n + k;
}
inline constexpr int FreshDensity(int n) { // edit, kg/m³
    return 7174 + 10 * n;
}
inline constexpr int GroupValue(int n) { // the group's value, or why it is invalid
    return 7175 + 10 * n;
}

// 水胶比选定
inline constexpr int Equation = 7201;    // "f = 25.31·(B/W) − 18.23"
inline constexpr int RSquared = 7202;    // R²
inline constexpr int BinderWater = 7203; // the chosen B/W
inline constexpr int ChosenWaterBinder = 7204;
inline constexpr int Extrapolation = 7205; // the chosen B/W outside the tested ones
inline constexpr int DesignMix = 7211;     // … 7217, kg/m³
inline constexpr int Chart = 7220;         // drawn by the dialog

// 表观密度校正
inline constexpr int MeasuredDensity = 7301; // edit, kg/m³
inline constexpr int ComputedDensity = 7302; // ρc,c
inline constexpr int Delta = 7303;           // δ
inline constexpr int Difference = 7304;      // %
inline constexpr int DensityRule = 7305;     // whether the correction applies, and why
inline constexpr int CorrectedMix = 7311;    // … 7317, kg/m³

// 施工配合比
inline constexpr int SandMoisture = 7401;  // edit, %
inline constexpr int StoneMoisture = 7402; // edit, %
inline constexpr int MeasuredAt = 7403;    // edit: date and time of the moisture test
inline constexpr int MixerCapacity = 7404; // edit, m³
inline constexpr int ProductionMix = 7411; // … 7417, kg/m³
inline constexpr int PerBatch = 7421;      // … 7427, kg

// 已填写, or what the stage lacks: 试拌, 试拌配合比, 强度试验配合比, 强度试验结果, 设计配合比,
// 表观密度校正, 施工配合比.
inline constexpr int Stage(int n) {
    return 7501 + n;
}

// What was made: group n's date made and specimen numbers (edits).
inline constexpr int MadeOn(int n) {
    return 7711 + 10 * n;
}
inline constexpr int SpecimenNumbers(int n) {
    return 7712 + 10 * n;
}
// Whether what was made still matches the design, and the way back when it does not.
inline constexpr int NewTrial = 7701;     // button 新试配…
inline constexpr int AcceptReason = 7702; // button 说明理由
inline constexpr int Reason = 7703;       // edit: why the results still hold
inline constexpr int History = 7704;      // button 历次试配…
inline constexpr int MatchNote = 7705;    // 与当前设计不符：…, or the reason given
inline constexpr int Plausibility = 7706; // notes on entries that look like a slip
// 特殊要求试验: each record the design's requirements ask for is a row of its own, every control
// of a row (its labels too) in one block of identifiers, shown only when the design asks for it.
inline constexpr int SpecialGroup = 7899;
// 泵送: the waiting time (min), the slump after it (mm) and the record's line.
inline constexpr int SlumpRow = 7801; // … 7809
inline constexpr int WaitMinutes = 7802;
inline constexpr int SlumpAfterWait = 7804;
inline constexpr int SlumpCheck = 7806;
// 抗渗: the pressure reached (MPa), the result (combo: 未试验, 未透水, 透水) and the check.
inline constexpr int SeepageRow = 7811; // … 7819
inline constexpr int SeepagePressure = 7812;
inline constexpr int SeepageResult = 7814;
inline constexpr int SeepageCheck = 7816;
// 大体积: the adiabatic temperature rise (℃) and the check.
inline constexpr int TemperatureRow = 7821; // … 7829
inline constexpr int TemperatureRise = 7822;
inline constexpr int TemperatureCheck = 7826;
// The air content measured (%) and the check.
inline constexpr int AirRow = 7831; // … 7839
inline constexpr int AirContent = 7832;
inline constexpr int AirCheck = 7836;
// The water-soluble chloride measured (% of the cement mass) and the check.
inline constexpr int ChlorideRow = 7841; // … 7849
inline constexpr int Chloride = 7842;
inline constexpr int ChlorideCheck = 7846;
// 高强: the chosen mix repeated in batch n (0, 1, 2): its cubes (MPa; k = 0, 1, 2), date made,
// specimen numbers and value; then the check of all.
inline constexpr int RepeatRow = 7851; // … 7898
inline constexpr int RepeatCheck = 7857;
inline constexpr int RepeatCube(int n, int k) {
    return 7861 + 10 * n + k;
}
inline constexpr int RepeatMadeOn(int n) {
    return 7864 + 10 * n;
}
inline constexpr int RepeatNumbers(int n) {
    return 7865 + 10 * n;
}
inline constexpr int RepeatValue(int n) {
    return 7866 + 10 * n;
}
// The block of identifiers a row of 特殊要求试验 takes, from its first.
inline constexpr int RowEnd(int row) {
    return row == RepeatRow ? SpecialGroup - 1 : row + 8;
}

// 试拌, 试拌配合比, 强度试验, 水胶比选定, 表观密度校正, 施工配合比
inline constexpr int Group(int n) {
    return 7900 + n;
}

// The 硅灰 cell of the mix row that starts at `first` (第 7.3.2 条), 7910 … 7919; 0 for none.
inline constexpr int SilicaFumeOf(int first) {
    constexpr int kRows[] = {BatchMasses, ActualMass, TrialMix,     MixBatch(0),   MixBatch(1),
                             MixBatch(2), DesignMix,  CorrectedMix, ProductionMix, PerBatch};
    for (int k = 0; k < 10; ++k)
        if (kRows[k] == first) return 7910 + k;
    return 0;
}

} // namespace mixora::ui::trial_ids
