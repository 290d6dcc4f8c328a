#pragma once
// The operations of one press of "计算". Each reads its inputs from the sheet and writes its
// results back as text; a conversion error or an arithmetic fault throws PressAborted at the
// point where it happens, leaving what was written before.
#include "step_context.h"

#include <string>

namespace mixora::calc {

// Design steps: target strength, water–cement ratio, cement–water ratio, cement content.
void 第一步(const PressContext& press);
void 第二步(const PressContext& press);
void 第三步(const PressContext& press);
void 第四步(const PressContext& press);

// Volume method: the stone mass (dx "1") or the sand mass (any other dx) by absolute volume,
// and the method filling the result frame.
float tijifa(const PressContext& press, float tjfsl, std::string dx);
void tjfjs(const PressContext& press);

// Mass method, from the sand ratio, cement, water and assumed concrete density.
void zhiliangfa(const PressContext& press, float zlsl, float zlshuiniliang, float zlshuiliang,
                float zlbanhewu);

// Moisture adjustment of the method's dry mix.
void tiaozheng(const PressContext& press, float szzlb, float shizzlb, float snyzl, float szhsl,
               float shizhsl);

// The two stages of a press.
void DesignStage(const PressContext& press);
void QuantityStage(const PressContext& press);

} // namespace mixora::calc
