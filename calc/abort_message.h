#pragma once
// The message that tells the user why a press of "计算" stopped: in which step, at which field
// (its caption and control name) and what is wrong there. UTF-8; the window shows it in a box.
#include "calc_error.h"

#include <string>
#include <string_view>

namespace mixora::calc {

// field_caption is what the user reads as the name of the field the error names, field_text
// what that field holds now; both are ignored when the error names no field. A long text is
// quoted by its first characters only (text_prefix.h).
std::string DescribeAbort(const CalcError& error, std::string_view field_caption,
                          std::string_view field_text);

} // namespace mixora::calc
