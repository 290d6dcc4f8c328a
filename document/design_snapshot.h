#pragma once
// What a design sheet holds at one moment: the texts of its 33 fields and the states of its six
// option and check controls. A text is the only store of a value on the sheet, so a snapshot
// keeps exactly what the user sees, results and texts that are not numbers included.
#include "field.h"
#include "sheet.h"

#include <array>
#include <string>

namespace mixora::document {

inline constexpr int kToggleCount = 6;
inline constexpr std::array<calc::Toggle, kToggleCount> kAllToggles = {
    calc::Toggle::option1, calc::Toggle::option2, calc::Toggle::细砂,
    calc::Toggle::粗砂,    calc::Toggle::卵石,    calc::Toggle::碎石,
};

struct DesignSnapshot {
    std::array<std::string, calc::kFieldCount> texts{}; // UTF-8, index FieldIndex(TextN)
    std::array<bool, kToggleCount> toggles{};           // in the order of kAllToggles

    const std::string& text(calc::Field field) const { return texts[calc::FieldIndex(field)]; }
    std::string& text(calc::Field field) { return texts[calc::FieldIndex(field)]; }
    bool is_on(calc::Toggle toggle) const { return toggles[static_cast<std::size_t>(toggle)]; }

    // "Differs" is this comparison: every text and every state, nothing else.
    friend bool operator==(const DesignSnapshot&, const DesignSnapshot&) = default;
};

DesignSnapshot TakeSnapshot(const calc::Sheet& sheet);

// Writes every field and every control of the snapshot onto the sheet, as "清零" writes them
// all; afterwards TakeSnapshot(sheet) == snapshot whenever no exclusive pair is both on.
void ApplySnapshot(const DesignSnapshot& snapshot, calc::Sheet& sheet);

} // namespace mixora::document
