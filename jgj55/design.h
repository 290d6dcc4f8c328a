#pragma once
// The JGJ 55-2011 mix design with fly ash, slag and a water reducer, from its inputs: pure,
// never throws; what cannot be computed carries its reason in the result. While an input does not
// read (Inputs::unread) nothing is computed, and every value says which input it is.
#include "inputs.h"
#include "result.h"

namespace mixora::jgj55 {

Result ComputeDesign(const Inputs& inputs);

} // namespace mixora::jgj55
