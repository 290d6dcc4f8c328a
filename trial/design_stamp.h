#pragma once
// What a trial rested on, kept with what was cast from it: the design's inputs and shown values,
// each under a key with its name and its text as shown ("强度等级", "C30"), and the mix a batch
// was made from. Comparing what was kept with what the design shows now says what changed
// ("强度等级 C30 → C35").
#include "mix_types.h"

#include <string>
#include <vector>

namespace mixora::trial {

using DesignStamp = std::vector<StampItem>;

// The design's shown values the trial uses (fcu,0, the ratios, the per-m³ amounts) after the
// design's own inputs held in basis.inputs.
DesignStamp StampOf(const DesignBasis& basis);

// "强度等级 C30 → C35", one line for each item that differs, in the order of `now`; an item only
// one side has reads "—" on the other.
std::vector<std::string> StampChanges(const DesignStamp& kept, const DesignStamp& now);

// A mix as it was made: its ratios, per m³ and for the batch volume.
struct RecordedMix {
    MixRatios ratios;
    Mix per_cubic_metre;
    double litres = 0;
    Mix batch;
    friend bool operator==(const RecordedMix&, const RecordedMix&) = default;
};

// "水 174 → 176 kg/m³", one line for each ratio or per-m³ amount that differs at shown precision.
std::vector<std::string> MixChanges(const RecordedMix& kept, const RecordedMix& now);

} // namespace mixora::trial
