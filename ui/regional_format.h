#pragma once
// The user's regional number settings, as the calculator's conversions take them.
#include "conversions.h"

namespace mixora::ui {

// Read from the user's locale; what cannot be read keeps the Chinese (PRC) default.
calc::NumberFormat ReadUserNumberFormat();

} // namespace mixora::ui
