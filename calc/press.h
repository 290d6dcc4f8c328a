#pragma once
// One press of "计算": the design stage, then the quantity stage.
#include "calc_error.h"
#include "conversions.h"
#include "sheet.h"

#include <optional>

namespace mixora::calc {

// Resets the sheet to its starting values (碎石 keeps its state).
void qk(Sheet& sheet);

// The fields a press computes: the intermediate results and the mix table.
inline constexpr Field kComputedFields[] = {Text2,  Text8,  Text10, Text4,  Text11, Text12,
                                            Text13, Text14, Text30, Text31, Text32, Text33};

// "清除计算结果": the computed fields back to what a reset sheet shows there, every input and
// selection kept, so that the next press computes every step from the inputs.
void ClearResults(Sheet& sheet);

// Runs one press. Returns the fault that ended it early, or nothing when it ran through;
// fields written before a fault keep their new text.
[[nodiscard]] std::optional<CalcError> Press(Sheet& sheet, Notices& notices,
                                             const NumberFormat& format);

} // namespace mixora::calc
