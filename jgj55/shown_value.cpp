#include "shown_value.h"

namespace mixora::jgj55 {
namespace {

constexpr int kMaxExtraDecimals = 6;

} // namespace

std::string FormatGiven(double x, int decimals) {
    for (int places = decimals; places < decimals + kMaxExtraDecimals; ++places)
        if (RoundShown(x, places) == x) return FormatFixed(x, places);
    return ExactText(x); // never rounded: a value as given keeps every digit it has
}

} // namespace mixora::jgj55
