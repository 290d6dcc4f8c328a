#pragma once
// The least trial batch of JGJ 55-2011 表 6.1.2 as the reports state it under their trial batch,
// and the header dialog beside the trial volume; and how a report rounds the batch's masses.
#include <string>
#include <string_view>

namespace mixora::report {

// How the masses of a report's trial batch are rounded, for the report to state.
inline constexpr std::string_view kTrialRoundingNote =
    "试拌用量 = 每立方米用量 × 试拌体积 ÷ 1000，按显示的数值计算，"
    "保留两位小数（0.01 kg，四舍五入）。";

// "JGJ 55-2011 表 6.1.2".
std::string TrialBatchSource();

// The standard's least trial volumes, for the report's note.
std::string TrialMinimumNote();

// The same in a line, for the header dialog beside the trial volume:
// "粗骨料最大粒径 ≤ 31.5 mm 时不少于 20 L，40 mm 时不少于 25 L。"
std::string TrialMinimumHint();

} // namespace mixora::report
