#pragma once
// Rules of a press that the report states as well, kept here once so that what the report says
// is what the calculator does.
#include "field.h"

#include <string>

namespace mixora::calc {

// The least cement content in kg/m³: a computed content below it is raised to it, with a notice.
inline constexpr int kMinimumCement = 260;

// The minimum as the cement step writes it into Text4: "260".
std::string MinimumCementText();

// The notice of a raised cement content: "水泥用量小于最小值 故取260".
std::string MinimumCementNotice();

// The press adjusts the mix for moisture when both moisture contents, the sand's (Text21) and
// the stone's (Text24), are given. A text of blanks counts as given (its conversion then fails).
// Texts is a sheet or a snapshot of one: anything with text(Field).
template <class Texts> bool MoistureGiven(const Texts& texts) {
    return !texts.text(Text21).empty() && !texts.text(Text24).empty();
}

} // namespace mixora::calc
