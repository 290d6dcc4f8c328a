#pragma once
// Whether the amounts in the result frame make a mix at all. A press computes whatever its
// inputs give; a cement, sand, stone or water amount of zero or less is no mix, and most often
// comes from an input typed in the wrong unit. The press's notice and the report both say so.
#include "conversions.h"
#include "sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::calc {

enum class UnsoundCause {
    MoistureAsPercent, // a moisture content of 1 or more: typed in per cent
    DensityNotInKg,    // the mass method with a concrete density below 100: not in kg/m³
    InputsGiveNoMix,   // no input stands out
};

struct BadAmount {
    Field field;      // Text11 … Text14
    std::string text; // as the frame shows it

    friend bool operator==(const BadAmount&, const BadAmount&) = default;
};

struct UnsoundMix {
    std::vector<BadAmount> amounts; // in the order cement, sand, stone, water
    UnsoundCause cause = UnsoundCause::InputsGiveNoMix;

    friend bool operator==(const UnsoundMix&, const UnsoundMix&) = default;
};

// The amounts of the result frame that are zero or negative, with their likely cause; nothing
// when all four are above zero, or when any of them is not a number (then the frame holds no
// result to judge).
std::optional<UnsoundMix> FindUnsoundMix(const Sheet& sheet, const NumberFormat& format);

// What the user reads: which amounts, that the result is no mix, and what to correct.
std::string UnsoundMixMessage(const UnsoundMix& mix);

} // namespace mixora::calc
