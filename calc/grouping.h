#pragma once
// Digit grouping of the integer part of a number, by the platform's grouping notation:
// "3;0" groups by three throughout, "3;2;0" by three then by two, "3" only the last three
// digits, "0" or "" not at all.
#include "conversions.h"

#include <string>
#include <string_view>

namespace mixora::calc {

// digits: ASCII digits only.
std::string GroupDigits(std::string_view digits, const NumberFormat& format);

} // namespace mixora::calc
