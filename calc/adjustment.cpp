// The moisture adjustment: sand and stone grow by the water they carry and the water to add
// shrinks by as much. The dry masses are rebuilt from the two-decimal proportions and the
// cement content. A product that is added to at once is not rounded before the addition.
#include "steps.h"

namespace mixora::calc {

void tiaozheng(const PressContext& press, float szzlb, float shizzlb, float snyzl, float szhsl,
               float shizhsl) {
    const StepContext s{press, Step::tiaozheng};
    const float sand = s.store(s.mul(szzlb, snyzl, 4), 4);
    const float sand_water = s.store(s.mul(sand, szhsl, 21), 21);
    const float wet_sand = s.store(s.add(s.mul(sand, szhsl, 21), sand, 21), 21);
    const float stone = s.store(s.mul(shizzlb, snyzl, 4), 4);
    const float stone_water = s.store(s.mul(stone, shizhsl, 24), 24);
    const float wet_stone = s.store(s.add(s.mul(stone, shizhsl, 24), stone, 24), 24);
    const float water = s.single(26);
    const float water_to_add = s.store(s.sub(s.sub(water, stone_water, 26), sand_water, 26), 26);

    s.write(14, s.plain(water_to_add));
    s.write(13, s.plain(wet_stone));
    s.write(12, s.plain(wet_sand));
    s.write(11, s.plain(snyzl));

    // From the single-precision amounts and the cement argument, not from the cells.
    s.write(33, s.fixed2(s.store(s.div(water_to_add, snyzl, 4), 4)));
    s.write(32, s.fixed2(s.store(s.div(wet_stone, snyzl, 4), 4)));
    s.write(31, s.fixed2(s.store(s.div(wet_sand, snyzl, 4), 4)));
    s.write(30, "1");
}

} // namespace mixora::calc
