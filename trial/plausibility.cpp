#include "plausibility.h"

#include "gbt14902_2012.h"
#include "trial_number.h"

#include <cmath>

namespace mixora::trial {

namespace {

namespace gbt14902 = standards::gbt14902_2012;

// "含水率 0.042 %？若为 4.2 % 请输入 4.2", after what it is of.
std::optional<std::string> FractionNote(std::string_view what, const std::string& text) {
    const Reading moisture = ReadNumber(text, what);
    if (!moisture.value || !(*moisture.value > 0) || !(*moisture.value < 1)) return std::nullopt;
    const std::string percent = Plain(Round(*moisture.value * 100, 10));
    return std::string(what) + "：含水率 " + Plain(*moisture.value) + " %？若为 " + percent +
           " % 请输入 " + percent;
}

} // namespace

std::optional<double> SlumpTolerance(double design_slump) {
    std::optional<double> tolerance;
    for (const auto& row : gbt14902::kSlumpTolerance.rows)
        if (design_slump >= row.min_slump) tolerance = row.tolerance;
    return tolerance;
}

std::vector<std::string> PlausibilityNotes(double design_slump, const TrialAttempt& entries,
                                           const TrialRecord& record) {
    std::vector<std::string> notes;
    const Reading slump = ReadNumber(entries.adjustment.slump_mm, "实测坍落度");
    const std::optional<double> tolerance = SlumpTolerance(design_slump);
    if (slump.value && tolerance && Exceeds(std::abs(*slump.value - design_slump), *tolerance))
        notes.push_back("实测坍落度 " + Plain(*slump.value) + " mm 超出设计坍落度 " +
                        Plain(design_slump) + " ± " + Plain(*tolerance) + " mm（" +
                        std::string(gbt14902::kName) + "），请核对或调整");
    if (auto note = FractionNote("砂", entries.production.sand_moisture_percent))
        notes.push_back(*note);
    if (auto note = FractionNote("石", entries.production.stone_moisture_percent))
        notes.push_back(*note);
    const Reading mixer = ReadNumber(entries.production.mixer_capacity_m3, "搅拌机每盘");
    if (mixer.value && Exceeds(*mixer.value, kLargestMixerBatchM3))
        notes.push_back("搅拌机每盘 " + Plain(*mixer.value) + " m³，大于 " +
                        Plain(kLargestMixerBatchM3) + " m³，请核对单位");
    if (record.batch.value && record.batch.value->volume_warning)
        notes.push_back(*record.batch.value->volume_warning);
    return notes;
}

} // namespace mixora::trial
