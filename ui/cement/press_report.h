#pragma once
// The message that tells the user why a press of "计算" stopped (calc/abort_message.h), with
// the field named by the caption the window shows for it.
#include "calc_error.h"
#include "sheet.h"

#include <string>

namespace mixora::ui {

std::wstring DescribeAbort(const calc::CalcError& error, const calc::Sheet& sheet);

} // namespace mixora::ui
