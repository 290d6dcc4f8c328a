// Reading the number a text starts with: blanks, tabs and line feeds are dropped wherever
// they stand, "." is always the decimal point, and reading stops at the first character
// that cannot continue the number ("12e" reads as 12). Never fails: no number reads as 0, and
// a magnitude beyond double range reads as an infinity, which the arithmetic after it reports.
#include "conversions.h"
#include "decimal_text.h"

#include <limits>
#include <optional>
#include <string>

namespace mixora::calc {

double ParseLeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    const std::optional<DecimalParts> parts = ScanDecimal(s, {});
    if (!parts) return 0.0;
    const std::string plain = PlainDecimal(*parts, {});
    double value = 0.0;
    switch (ReadPlainDecimal(plain, value)) {
    case DecimalReading::Value: return value;
    case DecimalReading::TooLarge:
        return parts->negative ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
    case DecimalReading::Malformed: break;
    }
    return 0.0;
}

} // namespace mixora::calc
