#pragma once
// An input of a JGJ 55-2011 design as every page shows it: its value, or the text typed when it
// does not read (there is no value to show).
#include "inputs.h"

#include <string>
#include <string_view>

namespace mixora::jgj55_report {

std::string ShownInput(const jgj55::Inputs& inputs, std::string_view key, double value,
                       int decimals);

} // namespace mixora::jgj55_report
