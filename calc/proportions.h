#pragma once
// The proportion cells of the result frame as both methods fill them: each amount over the
// cement text in Text11, both read with ParseLeadingNumber, as a two-decimal text.
#include "step_context.h"

namespace mixora::calc {

// Text11 is the cement content copied from Text4, which is where a zero cement is corrected.
inline constexpr Field kCementField = Text4;

inline void WriteProportion(const StepContext& s, Field cell, double amount) {
    const double cement = s.leading(Text11);
    s.write(cell, s.fixed2(s.div(amount, cement, kCementField)));
}

} // namespace mixora::calc
