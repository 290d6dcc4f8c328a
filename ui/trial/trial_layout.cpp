#include "trial_layout.h"

#include "trial_ids.h"

#include <windows.h>

namespace mixora::ui {

namespace {

using T = ControlType;
using namespace trial_ids;

constexpr int kBatch = Group(1);
constexpr int kTrialMix = Group(2);
constexpr int kStrength = Group(3);
constexpr int kChoice = Group(4);
constexpr int kDensity = Group(5);
constexpr int kProduction = Group(6);
constexpr int kSpecial = SpecialGroup;

constexpr short kLeft = 6, kRight = 348, kColumnW = 336;
constexpr short H = 12;      // a field's height
constexpr short kLineH = 10; // a line of text
// A row of the eight materials (硅灰 beside 矿粉): the row's name, then one column each.
constexpr short kRowLabelW = 64;
constexpr short MixX(int k) {
    return static_cast<short>(70 + 32 * k);
}
constexpr short kMixW = 30;
// The strength mixes' rows: name, W/B, sand ratio, then the eight batch masses.
constexpr short BatchX(int k) {
    return static_cast<short>(100 + 29 * k);
}
constexpr short kBatchW = 27;
// The second label and field of a row, under the sixth material column.
constexpr short kLabel2 = 150, kLabel2W = 62, kField2 = MixX(5), kUnit2 = MixX(5) + 32;
constexpr short kLineW = 324;

// clang-format off
#define MIXORA_MATERIAL_HEADERS(group, y, x, w)                                                    \
    {T::Header, kNoId, L"水泥",   group, x(0), y, w, 9},                                           \
    {T::Header, kNoId, L"粉煤灰", group, x(1), y, w, 9},                                           \
    {T::Header, kNoId, L"矿粉",   group, x(2), y, w, 9},                                           \
    {T::Header, kNoId, L"硅灰",   group, x(3), y, w, 9},                                           \
    {T::Header, kNoId, L"水",     group, x(4), y, w, 9},                                           \
    {T::Header, kNoId, L"砂",     group, x(5), y, w, 9},                                           \
    {T::Header, kNoId, L"石",     group, x(6), y, w, 9},                                           \
    {T::Header, kNoId, L"外加剂", group, x(7), y, w, 9}
// A row of the eight materials, each cell named by its column and the row's name.
#define MIXORA_MATERIAL_ROW(type, first, group, y, x, w, row)                                      \
    {type, (first) + 0, L"", group, x(0), y, w, H, nullptr, false, L"水泥 " row},                  \
    {type, (first) + 1, L"", group, x(1), y, w, H, nullptr, false, L"粉煤灰 " row},                \
    {type, (first) + 2, L"", group, x(2), y, w, H, nullptr, false, L"矿粉 " row},                  \
    {type, SilicaFumeOf(first), L"", group, x(3), y, w, H, nullptr, false, L"硅灰 " row},          \
    {type, (first) + 3, L"", group, x(4), y, w, H, nullptr, false, L"水 " row},                    \
    {type, (first) + 4, L"", group, x(5), y, w, H, nullptr, false, L"砂 " row},                    \
    {type, (first) + 5, L"", group, x(6), y, w, H, nullptr, false, L"石 " row},                    \
    {type, (first) + 6, L"", group, x(7), y, w, H, nullptr, false, L"外加剂 " row}
#define MIXORA_STRENGTH_MIX(n, y)                                                                  \
    {T::Label,  kNoId, L"第 " #n " 组",  kStrength, 6, (y) + 2, 34, kLineH},                       \
    {T::Output, MixWaterBinder((n) - 1), L"", kStrength, 42, y, 28, H,                             \
     nullptr, false, L"水胶比 第 " #n " 组"},                                                      \
    {T::Output, MixSandRatio((n) - 1), L"",   kStrength, 72, y, 26, H,                             \
     nullptr, false, L"砂率 第 " #n " 组"},                                                        \
    MIXORA_MATERIAL_ROW(T::Output, MixBatch((n) - 1), kStrength, y, BatchX, kBatchW,               \
                        L"第 " #n " 组试拌用量")
// 特殊要求试验: a record's fields at the left, its line from kSpecialNote on.
constexpr short kSpecialField = 78, kSpecialUnit = 114, kSpecialField2 = 166, kSpecialUnit2 = 202;
constexpr short kSpecialNote = 270, kSpecialNoteW = 402;
#define MIXORA_REPEAT_BATCH(n, y)                                                                  \
    {T::Label, RepeatRow + 9 + 10 * (n), L"第 " #n " 盘", kSpecial, 6, (y) + 2, 70, kLineH},      \
    {T::Text,  RepeatCube((n) - 1, 0), L"", kSpecial, 78, y, 32, H,                                \
     nullptr, false, L"试件 1 第 " #n " 盘"},                                                      \
    {T::Text,  RepeatCube((n) - 1, 1), L"", kSpecial, 112, y, 32, H,                               \
     nullptr, false, L"试件 2 第 " #n " 盘"},                                                      \
    {T::Text,  RepeatCube((n) - 1, 2), L"", kSpecial, 146, y, 32, H,                               \
     nullptr, false, L"试件 3 第 " #n " 盘"},                                                      \
    {T::Text,  RepeatMadeOn((n) - 1), L"", kSpecial, 180, y, 44, H,                                \
     nullptr, false, L"成型日期 第 " #n " 盘"},                                                    \
    {T::Text,  RepeatNumbers((n) - 1), L"", kSpecial, 226, y, 40, H,                               \
     nullptr, false, L"试件编号 第 " #n " 盘"},                                                    \
    {T::Note,  RepeatValue((n) - 1), L"", kSpecial, kSpecialNote, (y) + 2, kSpecialNoteW, kLineH}
#define MIXORA_CUBE_GROUP(n, y)                                                                    \
    {T::Label, kNoId, L"第 " #n " 组",     kStrength, 6, (y) + 2, 40, kLineH},                      \
    {T::Text,  Cube((n) - 1, 0), L"",      kStrength, 48, y, 32, H,                                \
     nullptr, false, L"试件 1 第 " #n " 组"},                                                      \
    {T::Text,  Cube((n) - 1, 1), L"",      kStrength, 82, y, 32, H,                                \
     nullptr, false, L"试件 2 第 " #n " 组"},                                                      \
    {T::Text,  Cube((n) - 1, 2), L"",      kStrength, 116, y, 32, H,                               \
     nullptr, false, L"试件 3 第 " #n " 组"},                                                      \
    {T::Label, kNoId, L"MPa",              kStrength, 150, (y) + 2, 22, kLineH},                   \
    {T::Text,  FreshDensity((n) - 1), L"", kStrength, 176, y, 40, H,                               \
     nullptr, false, L"表观密度 第 " #n " 组"},                                                    \
    {T::Label, kNoId, L"kg/m³",            kStrength, 218, (y) + 2, 28, kLineH},                   \
    {T::Text,  MadeOn((n) - 1), L"",       kStrength, 248, y, 44, H,                               \
     nullptr, false, L"成型日期 第 " #n " 组"},                                                    \
    {T::Text,  SpecimenNumbers((n) - 1), L"", kStrength, 294, y, 36, H,                            \
     nullptr, false, L"试件编号 第 " #n " 组"},                                                    \
    {T::Note,  GroupValue((n) - 1), L"",   kStrength, 48, (y) + 13, 282, kLineH}

constexpr ControlEntry kLayout[] = {
    {T::Note, Basis, L"", 0, kLeft, 3, 678, 18},

    // 试拌
    {T::Frame,  kBatch, L"试拌", 0, kLeft, 24, kColumnW, 70},
    {T::Label,  kNoId, L"试拌体积", kBatch, 6, 12, kRowLabelW, kLineH},
    {T::Text,   Litres, L"",        kBatch, MixX(0), 10, kMixW, H},
    {T::Label,  kNoId, L"L",        kBatch, MixX(1), 12, 10, kLineH},
    {T::Note,   LitresNote, L"",    kBatch, 122, 10, 208, 20},
    MIXORA_MATERIAL_HEADERS(kBatch, 32, MixX, kMixW),
    {T::Label,  kNoId, L"试拌用量 kg", kBatch, 6, 44, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Output, BatchMasses, kBatch, 42, MixX, kMixW, L"试拌用量"),
    {T::Line,   Stage(0), L"", kBatch, 6, 56, kLineW, kLineH},

    // 试拌配合比
    {T::Frame,  kTrialMix, L"试拌配合比", 0, kLeft, 98, kColumnW, 120},
    {T::Option, Unchanged,         L"不调整",             kTrialMix, 6, 10, 48, H, nullptr, true},
    {T::Option, ActualMasses,      L"试拌实际用量",       kTrialMix, 56, 10, 64, H},
    {T::Option, WaterAndAdmixture, L"调整用水量和外加剂", kTrialMix, 122, 10, 92, H},
    {T::Option, SandRatioKind,     L"调整砂率",           kTrialMix, 216, 10, 60, H},
    {T::Label,  kNoId, L"调整后用水量", kTrialMix, 6, 26, kRowLabelW, kLineH},
    {T::Text,   AdjustedWater, L"",     kTrialMix, MixX(0), 24, kMixW, H},
    {T::Label,  kNoId, L"kg/m³",        kTrialMix, MixX(1), 26, 28, kLineH},
    {T::Label,  kNoId, L"调整后外加剂", kTrialMix, kLabel2, 26, kLabel2W, kLineH},
    {T::Text,   AdjustedAdmixture, L"", kTrialMix, kField2, 24, kMixW, H},
    {T::Label,  kNoId, L"kg/m³",        kTrialMix, kUnit2, 26, 28, kLineH},
    {T::Label,  kNoId, L"调整后砂率",   kTrialMix, 6, 40, kRowLabelW, kLineH},
    {T::Text,   AdjustedSandRatio, L"", kTrialMix, MixX(0), 38, kMixW, H},
    {T::Label,  kNoId, L"%",            kTrialMix, MixX(1), 40, 10, kLineH},
    {T::Label,  kNoId, L"实测坍落度",   kTrialMix, kLabel2, 40, kLabel2W, kLineH},
    {T::Text,   Slump, L"",             kTrialMix, kField2, 38, kMixW, H},
    {T::Label,  kNoId, L"mm",           kTrialMix, kUnit2, 40, 20, kLineH},
    MIXORA_MATERIAL_HEADERS(kTrialMix, 54, MixX, kMixW),
    {T::Label,  kNoId, L"实际用量 kg", kTrialMix, 6, 66, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Text,  ActualMass, kTrialMix, 64, MixX, kMixW, L"实际用量"),
    {T::Label,  kNoId, L"试拌配合比 kg/m³", kTrialMix, 6, 80, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Output, TrialMix, kTrialMix, 78, MixX, kMixW, L"试拌配合比"),
    {T::Label,  kNoId, L"水胶比",      kTrialMix, 6, 94, kRowLabelW, kLineH},
    {T::Output, TrialWaterBinder, L"", kTrialMix, MixX(0), 92, kMixW, H},
    {T::Label,  kNoId, L"砂率",        kTrialMix, kLabel2, 94, kLabel2W, kLineH},
    {T::Output, TrialSandRatio, L"",   kTrialMix, kField2, 92, kMixW, H},
    {T::Label,  kNoId, L"%",           kTrialMix, kUnit2, 94, 10, kLineH},
    {T::Line,   Stage(1), L"", kTrialMix, 6, 106, kLineW, kLineH},

    // 强度试验
    {T::Frame,  kStrength, L"强度试验", 0, kLeft, 222, kColumnW, 198},
    {T::Header, kNoId, L"试拌用量 kg", kStrength, BatchX(0), 10, 8 * 29 - 2, 9},
    {T::Header, kNoId, L"水胶比",      kStrength, 42, 19, 28, 9},
    {T::Header, kNoId, L"砂率 %",      kStrength, 72, 19, 26, 9},
    MIXORA_MATERIAL_HEADERS(kStrength, 19, BatchX, kBatchW),
    MIXORA_STRENGTH_MIX(1, 29),
    MIXORA_STRENGTH_MIX(2, 43),
    MIXORA_STRENGTH_MIX(3, 57),
    {T::Label,  kNoId, L"试件尺寸", kStrength, 6, 75, 40, kLineH},
    {T::Choice, Specimen, L"",      kStrength, 48, 73, 56, 60},
    {T::Label,  kNoId, L"龄期",     kStrength, 118, 75, 22, kLineH},
    {T::Text,   AgeDays, L"",       kStrength, 142, 73, 30, H},
    {T::Label,  kNoId, L"d",        kStrength, 174, 75, 10, kLineH},
    {T::Header, kNoId, L"试件 1",   kStrength, 48, 89, 32, 9},
    {T::Header, kNoId, L"试件 2",   kStrength, 82, 89, 32, 9},
    {T::Header, kNoId, L"试件 3",   kStrength, 116, 89, 32, 9},
    {T::Header, kNoId, L"表观密度", kStrength, 176, 89, 40, 9},
    {T::Header, kNoId, L"成型日期", kStrength, 248, 89, 44, 9},
    {T::Header, kNoId, L"试件编号", kStrength, 294, 89, 36, 9},
    MIXORA_CUBE_GROUP(1, 98),
    MIXORA_CUBE_GROUP(2, 122),
    MIXORA_CUBE_GROUP(3, 146),
    {T::Line,   Stage(2), L"", kStrength, 6, 172, kLineW, kLineH},
    {T::Line,   Stage(3), L"", kStrength, 6, 184, kLineW, kLineH},

    // 水胶比选定
    {T::Frame,  kChoice, L"水胶比选定", 0, kRight, 24, kColumnW, 202},
    {T::Label,  kNoId, L"回归方程",     kChoice, 6, 12, 48, kLineH},
    {T::Output, Equation, L"",          kChoice, 56, 10, 150, H},
    {T::Label,  kNoId, L"R²",           kChoice, 214, 12, 16, kLineH},
    {T::Output, RSquared, L"",          kChoice, 232, 10, 50, H},
    {T::Label,  kNoId, L"胶水比 B/W",   kChoice, 6, 26, 48, kLineH},
    {T::Output, BinderWater, L"",       kChoice, 56, 24, 150, H},
    {T::Label,  kNoId, L"W/B",          kChoice, 214, 26, 16, kLineH},
    {T::Output, ChosenWaterBinder, L"", kChoice, 232, 24, 50, H},
    {T::Note,   Extrapolation, L"",     kChoice, 6, 38, kLineW, kLineH},
    MIXORA_MATERIAL_HEADERS(kChoice, 50, MixX, kMixW),
    {T::Label,  kNoId, L"设计配合比 kg/m³", kChoice, 6, 61, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Output, DesignMix, kChoice, 59, MixX, kMixW, L"设计配合比"),
    {T::Chart,  Chart, L"", kChoice, 6, 74, kLineW, 110},
    {T::Line,   Stage(4), L"", kChoice, 6, 188, kLineW, kLineH},

    // 表观密度校正
    {T::Frame,  kDensity, L"表观密度校正", 0, kRight, 230, kColumnW, 88},
    {T::Label,  kNoId, L"实测 ρc,t",  kDensity, 6, 12, kRowLabelW, kLineH},
    {T::Text,   MeasuredDensity, L"", kDensity, MixX(0), 10, kMixW, H},
    {T::Label,  kNoId, L"kg/m³",      kDensity, MixX(1), 12, 28, kLineH},
    {T::Label,  kNoId, L"计算 ρc,c",  kDensity, kLabel2, 12, kLabel2W, kLineH},
    {T::Output, ComputedDensity, L"", kDensity, kField2, 10, kMixW, H},
    {T::Label,  kNoId, L"kg/m³",      kDensity, kUnit2, 12, 28, kLineH},
    {T::Label,  kNoId, L"校正系数 δ", kDensity, 6, 26, kRowLabelW, kLineH},
    {T::Output, Delta, L"",           kDensity, MixX(0), 24, kMixW, H},
    {T::Label,  kNoId, L"相差",       kDensity, kLabel2, 26, kLabel2W, kLineH},
    {T::Output, Difference, L"",      kDensity, kField2, 24, kMixW, H},
    {T::Label,  kNoId, L"%",          kDensity, kUnit2, 26, 10, kLineH},
    {T::Note,   DensityRule, L"",     kDensity, 6, 38, kLineW, kLineH},
    MIXORA_MATERIAL_HEADERS(kDensity, 50, MixX, kMixW),
    {T::Label,  kNoId, L"校正后 kg/m³", kDensity, 6, 61, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Output, CorrectedMix, kDensity, 59, MixX, kMixW, L"校正后"),
    {T::Line,   Stage(5), L"", kDensity, 6, 74, kLineW, kLineH},

    // 施工配合比
    {T::Frame,  kProduction, L"施工配合比", 0, kRight, 322, kColumnW, 92},
    {T::Label,  kNoId, L"砂含水率",   kProduction, 6, 12, kRowLabelW, kLineH},
    {T::Text,   SandMoisture, L"",    kProduction, MixX(0), 10, kMixW, H},
    {T::Label,  kNoId, L"%",          kProduction, MixX(1), 12, 10, kLineH},
    {T::Label,  kNoId, L"石含水率",   kProduction, kLabel2, 12, kLabel2W, kLineH},
    {T::Text,   StoneMoisture, L"",   kProduction, kField2, 10, kMixW, H},
    {T::Label,  kNoId, L"%",          kProduction, kUnit2, 12, 10, kLineH},
    {T::Label,  kNoId, L"测定时间",   kProduction, 6, 26, kRowLabelW, kLineH},
    {T::Text,   MeasuredAt, L"",      kProduction, MixX(0), 24, 70, H},
    {T::Label,  kNoId, L"搅拌机每盘", kProduction, kLabel2, 26, kLabel2W, kLineH},
    {T::Text,   MixerCapacity, L"",   kProduction, kField2, 24, kMixW, H},
    {T::Label,  kNoId, L"m³",         kProduction, kUnit2, 26, 14, kLineH},
    MIXORA_MATERIAL_HEADERS(kProduction, 40, MixX, kMixW),
    {T::Label,  kNoId, L"每立方米 kg", kProduction, 6, 51, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Output, ProductionMix, kProduction, 49, MixX, kMixW, L"施工每立方米"),
    {T::Label,  kNoId, L"每盘 kg",     kProduction, 6, 65, kRowLabelW, kLineH},
    MIXORA_MATERIAL_ROW(T::Output, PerBatch, kProduction, 63, MixX, kMixW, L"施工每盘"),
    {T::Line,   Stage(6), L"", kProduction, 6, 78, kLineW, kLineH},

    // 特殊要求试验: only the rows the design's requirements ask for are shown.
    {T::Frame,  kSpecial, L"特殊要求试验", 0, kLeft, 424, 678, 148},
    {T::Label,  ChlorideRow, L"水溶性氯离子",     kSpecial, 6, 12, 70, kLineH},
    {T::Text,   Chloride, L"",                    kSpecial, kSpecialField, 10, 34, H},
    {T::Label,  ChlorideRow + 2, L"%（占水泥质量）", kSpecial, kSpecialUnit, 12, 80, kLineH},
    {T::Note,   ChlorideCheck, L"", kSpecial, kSpecialNote, 12, kSpecialNoteW, kLineH},
    {T::Label,  AirRow, L"含气量",                kSpecial, 6, 26, 70, kLineH},
    {T::Text,   AirContent, L"",                  kSpecial, kSpecialField, 24, 34, H},
    {T::Label,  AirRow + 2, L"%",                 kSpecial, kSpecialUnit, 26, 20, kLineH},
    {T::Note,   AirCheck, L"", kSpecial, kSpecialNote, 26, kSpecialNoteW, kLineH},
    {T::Label,  SlumpRow, L"泵送 等待时间",       kSpecial, 6, 40, 70, kLineH},
    {T::Text,   WaitMinutes, L"",                 kSpecial, kSpecialField, 38, 34, H},
    {T::Label,  SlumpRow + 2, L"min 后坍落度",    kSpecial, kSpecialUnit, 40, 50, kLineH},
    {T::Text,   SlumpAfterWait, L"",              kSpecial, kSpecialField2, 38, 34, H},
    {T::Label,  SlumpRow + 4, L"mm",              kSpecial, kSpecialUnit2, 40, 20, kLineH},
    {T::Note,   SlumpCheck, L"", kSpecial, kSpecialNote, 40, kSpecialNoteW, kLineH},
    {T::Label,  SeepageRow, L"抗渗 试验压力",     kSpecial, 6, 54, 70, kLineH},
    {T::Text,   SeepagePressure, L"",             kSpecial, kSpecialField, 52, 34, H},
    {T::Label,  SeepageRow + 2, L"MPa　结果",     kSpecial, kSpecialUnit, 54, 50, kLineH},
    {T::Choice, SeepageResult, L"",               kSpecial, kSpecialField2, 52, 60, 60},
    {T::Note,   SeepageCheck, L"", kSpecial, kSpecialNote, 54, kSpecialNoteW, kLineH},
    {T::Label,  TemperatureRow, L"大体积 绝热温升", kSpecial, 6, 68, 70, kLineH},
    {T::Text,   TemperatureRise, L"",               kSpecial, kSpecialField, 66, 34, H},
    {T::Label,  TemperatureRow + 2, L"℃",           kSpecial, kSpecialUnit, 68, 20, kLineH},
    {T::Note,   TemperatureCheck, L"", kSpecial, kSpecialNote, 68, kSpecialNoteW, kLineH},
    {T::Label,  RepeatRow, L"高强 重复试验",      kSpecial, 6, 82, 70, kLineH},
    {T::Header, RepeatRow + 1, L"试件 1",         kSpecial, 78, 82, 32, 9},
    {T::Header, RepeatRow + 2, L"试件 2",         kSpecial, 112, 82, 32, 9},
    {T::Header, RepeatRow + 3, L"试件 3",         kSpecial, 146, 82, 32, 9},
    {T::Header, RepeatRow + 4, L"成型日期",       kSpecial, 180, 82, 44, 9},
    {T::Header, RepeatRow + 5, L"试件编号",       kSpecial, 226, 82, 40, 9},
    MIXORA_REPEAT_BATCH(1, 92),
    MIXORA_REPEAT_BATCH(2, 106),
    MIXORA_REPEAT_BATCH(3, 120),
    {T::Note,   RepeatCheck, L"", kSpecial, 78, 134, 594, kLineH},

    // What was made and the design: the state, the notes, the way back.
    {T::Note,    MatchNote,    L"", 0, kLeft, kTrialPinnedTop, 678, kLineH},
    {T::Note,    Plausibility, L"", 0, kLeft, kTrialPinnedTop + 12, 678, kLineH},
    {T::Label,   kNoId, L"理由",    0, kLeft, kTrialPinnedTop + 32, 20, kLineH},
    {T::Text,    Reason, L"",       0, 28, kTrialPinnedTop + 30, 250, H,
     nullptr, false, L"原试配结果仍适用的理由"},
    {T::Command, AcceptReason, L"说明理由",   0, 282, kTrialPinnedTop + 29, 52, 14},
    {T::Command, NewTrial,     L"新试配…",   0, 338, kTrialPinnedTop + 29, 52, 14},
    {T::Command, History,      L"历次试配…", 0, 394, kTrialPinnedTop + 29, 56, 14},
    {T::Command, IDOK,     L"确定", 0, 568, kTrialPinnedTop + 29, 56, 14},
    {T::Command, IDCANCEL, L"取消", 0, 628, kTrialPinnedTop + 29, 56, 14},
};
#undef MIXORA_MATERIAL_HEADERS
#undef MIXORA_MATERIAL_ROW
#undef MIXORA_STRENGTH_MIX
#undef MIXORA_CUBE_GROUP
#undef MIXORA_REPEAT_BATCH
// clang-format on

static_assert(IdsAreUnique(kLayout));
static_assert(InsideParents(kLayout, kTrialDialogWidth, kTrialDialogHeight, H));

constexpr FormLayout kForm{kLayout, Units::DialogUnits, kTrialDialogWidth, kTrialDialogHeight,
                           Groups::EachControl};

} // namespace

const FormLayout& TrialForm() {
    return kForm;
}

} // namespace mixora::ui
