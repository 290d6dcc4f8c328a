#pragma once
// The worked example every test starts from and the few reads the tests share.
#include "design.h"

#include <gtest/gtest.h>

#include <string>

namespace mixora::jgj55 {

// C35, P·O 42.5, fly ash Ⅱ 20 %, no slag, 碎石 20 mm, 中砂, slump 160 mm, β 25 %, dosage
// 1.2 %, environment 一, reinforced, volume method with the default densities and α 1.
inline Inputs WorkedExample() {
    Inputs inputs;
    inputs.grade = 35;
    inputs.cement_kind = CementKind::OrdinaryPortland;
    inputs.cement_grade = CementGrade::G42_5;
    inputs.fly_ash_grade = FlyAshGrade::II;
    inputs.fly_ash_share = 20;
    inputs.slag_share = 0;
    inputs.coarse = CoarseKind::Crushed;
    inputs.max_size = MaxSize::Mm20;
    inputs.sand = SandFineness::Medium;
    inputs.slump = 160;
    inputs.water_reduction = 25;
    inputs.admixture_dosage = 1.2;
    inputs.environment = EnvironmentClass::One;
    inputs.structure = StructureType::Reinforced;
    inputs.method = Method::Volume;
    return inputs;
}

inline std::string TextOf(const Inputs& inputs, Quantity quantity) {
    return ComputeDesign(inputs)[quantity].text;
}

inline std::string ReasonOf(const Inputs& inputs, Quantity quantity) {
    return ComputeDesign(inputs)[quantity].reason;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace mixora::jgj55
