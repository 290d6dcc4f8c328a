#pragma once
// The one plain form every number text is brought to before it is read: an optional "-",
// ASCII digits with at most one ".", and an optional exponent "e", sign and digits. The
// parsers build it from what the user typed, so the reader never meets "inf", "nan",
// hexadecimal or a locale's separators.
#include <string_view>

namespace mixora::calc {

enum class DecimalReading {
    Value,     // read; a magnitude below the type's smallest one reads as a signed zero
    TooLarge,  // a magnitude beyond the type's range
    Malformed, // not in the plain form
};

DecimalReading ReadPlainDecimal(std::string_view plain, float& value);
DecimalReading ReadPlainDecimal(std::string_view plain, double& value);

} // namespace mixora::calc
