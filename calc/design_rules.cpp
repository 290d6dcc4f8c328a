#include "design_rules.h"

namespace mixora::calc {

std::string MinimumCementText() {
    return std::to_string(kMinimumCement);
}

std::string MinimumCementNotice() {
    return "水泥用量小于最小值 故取" + MinimumCementText();
}

} // namespace mixora::calc
