// The moisture adjustment: sand and stone grow by the water they carry and the water to add
// shrinks by as much. The dry masses are rebuilt from the two-decimal proportions and the
// cement content. A product that is added to at once is not rounded before the addition.
#include "steps.h"

namespace mixora::calc {

void tiaozheng(const PressContext& press, float szzlb, float shizzlb, float snyzl, float szhsl,
               float shizhsl) {
    const StepContext s{press, Step::tiaozheng};
    s.argument(Text31, szzlb);
    s.argument(Text32, shizzlb);
    s.argument(Text4, snyzl);
    s.argument(Text21, szhsl);
    s.argument(Text24, shizhsl);
    const float sand = s.store(s.mul(szzlb, snyzl, Text4), Text4);
    const float sand_water = s.store(s.mul(sand, szhsl, Text21), Text21);
    const float wet_sand = s.store(s.add(s.mul(sand, szhsl, Text21), sand, Text21), Text21);
    const float stone = s.store(s.mul(shizzlb, snyzl, Text4), Text4);
    const float stone_water = s.store(s.mul(stone, shizhsl, Text24), Text24);
    const float wet_stone = s.store(s.add(s.mul(stone, shizhsl, Text24), stone, Text24), Text24);
    const float water = s.single(Text26);
    const float water_to_add =
        s.store(s.sub(s.sub(water, stone_water, Text26), sand_water, Text26), Text26);

    s.write(Text14, s.plain(water_to_add));
    s.write(Text13, s.plain(wet_stone));
    s.write(Text12, s.plain(wet_sand));
    s.write(Text11, s.plain(snyzl));

    // From the single-precision amounts and the cement argument, not from the cells.
    s.write(Text33, s.fixed2(s.store(s.div(water_to_add, snyzl, Text4), Text4)));
    s.write(Text32, s.fixed2(s.store(s.div(wet_stone, snyzl, Text4), Text4)));
    s.write(Text31, s.fixed2(s.store(s.div(wet_sand, snyzl, Text4), Text4)));
    s.write(Text30, "1");
}

} // namespace mixora::calc
