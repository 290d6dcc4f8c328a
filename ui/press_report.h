#pragma once
// The message that tells the user why a press of "计算" stopped.
#include "calc_error.h"

#include <string>
#include <string_view>

namespace mixora::ui {

// field_text is what the field named by the error holds now.
std::wstring DescribeAbort(const calc::CalcError& error, std::wstring_view field_text);

} // namespace mixora::ui
