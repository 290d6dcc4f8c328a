#pragma once
// The trial batch: each material of the result frame for the chosen volume of concrete,
// per-m³ amount × litres ÷ 1000, from the amounts as the sheet shows them.
#include "design_snapshot.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::report {

struct TrialMaterial {
    std::string_view material;     // "水泥", "砂", "石子", "水"
    std::string per_cubic_metre;   // the amount cell as shown
    std::optional<std::string> kg; // to 0.01 kg: "6.92"; none when it cannot be computed
    std::string problem;           // why there is none

    friend bool operator==(const TrialMaterial&, const TrialMaterial&) = default;
};

struct TrialBatch {
    std::string litres; // the volume as written: "20", "22.5"
    std::array<TrialMaterial, 4> materials;
    // When the stone size (Text29) is a number and the volume is below the least trial batch
    // for it: what the standard asks for.
    std::optional<std::string> volume_warning;
};

// How the masses are rounded, for the report to state.
inline constexpr std::string_view kTrialRoundingNote =
    "试拌用量 = 每立方米用量 × 试拌体积 ÷ 1000，按显示的数值计算，"
    "保留两位小数（0.01 kg，四舍五入）。";

// The shortest text that reads back as the volume: 20 → "20", 22.5 → "22.5".
std::string LitresText(double litres);

TrialBatch ComputeTrialBatch(const document::DesignSnapshot& snapshot, double litres);

// The standard's least trial volumes, for the report's note.
std::string TrialMinimumNote();

// The same in a line, for the header dialog beside the trial volume:
// "粗骨料最大粒径 ≤ 31.5 mm 时不少于 20 L，40 mm 时不少于 25 L。"
std::string TrialMinimumHint();

} // namespace mixora::report
