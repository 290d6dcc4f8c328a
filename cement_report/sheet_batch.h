#pragma once
// The cement-only sheet's trial batch: each material of the result frame for the chosen volume
// of concrete, per-m³ amount × litres ÷ 1000, from the amounts as the sheet shows them, to
// 0.01 kg on their exact decimal values.
#include "design_snapshot.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::cement_report {

struct BatchMaterial {
    std::string_view material;     // "水泥", "砂", "石子", "水"
    std::string per_cubic_metre;   // the amount cell as shown
    std::optional<std::string> kg; // to 0.01 kg: "6.92"; none when it cannot be computed
    std::string problem;           // why there is none

    friend bool operator==(const BatchMaterial&, const BatchMaterial&) = default;
};

struct SheetBatch {
    std::string litres; // the volume as written: "20", "22.5"
    std::array<BatchMaterial, 4> materials;
    // When the stone size (Text29) is a number and the volume is below the least trial batch
    // for it: what the standard asks for.
    std::optional<std::string> volume_warning;
};

SheetBatch ComputeSheetBatch(const document::DesignSnapshot& snapshot, double litres);

} // namespace mixora::cement_report
