#pragma once
// Words for telling the user which field a fault is about and what went wrong.
#include "calc_error.h"

#include <string_view>

namespace mixora::calc {

// The caption of TextN's label on the sheet, without a trailing colon; the cells of the
// result frame, which have no label, give their column's name. Empty for no field.
std::string_view FieldLabel(int field);

// A short Chinese description of the fault.
std::string_view FaultText(Fault fault);

} // namespace mixora::calc
