#pragma once
// One press of "计算": the design stage, then the quantity stage.
#include "calc_error.h"
#include "conversions.h"
#include "sheet.h"

#include <optional>

namespace mixora::calc {

// Resets the sheet to its starting values (碎石 keeps its state).
void qk(Sheet& sheet);

// Runs one press. Returns the fault that ended it early, or nothing when it ran through;
// fields written before a fault keep their new text.
[[nodiscard]] std::optional<CalcError> Press(Sheet& sheet, Notices& notices,
                                             const NumberFormat& format);

} // namespace mixora::calc
