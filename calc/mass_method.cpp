// The mass method: what cement and water leave of the assumed concrete mass is aggregate,
// split by the sand ratio. The stone is reached through the sand in single-precision steps,
// each stored at once; the last digit shown follows from that order.
#include "proportions.h"
#include "steps.h"

namespace mixora::calc {

void zhiliangfa(const PressContext& press, float zlsl, float zlshuiniliang, float zlshuiliang,
                float zlbanhewu) {
    const StepContext s{press, Step::zhiliangfa};
    const float aggregate =
        s.store(s.sub(s.sub(zlbanhewu, zlshuiniliang, 20), zlshuiliang, 20), 20);
    const float sand = s.store(s.mul(aggregate, zlsl, 15), 15);
    const float p = s.store(s.mul(sand, zlsl, 15), 15);
    const float d = s.store(s.sub(sand, p, 15), 15);
    // A sand ratio of 0 ends here with 0 / 0, before the frame is touched.
    const float stone = s.store(s.div(d, zlsl, 15), 15);

    s.write(11, s.text(4));
    s.write(14, s.text(26));
    s.write(13, s.plain(stone));
    s.write(12, s.plain(sand));

    // The cement is the text in Text11; stone and sand are their texts formed again.
    WriteProportion(s, 33, s.leading(14));
    WriteProportion(s, 32, ParseLeadingNumber(s.plain(stone)));
    WriteProportion(s, 31, ParseLeadingNumber(s.plain(sand)));
    WriteProportion(s, 30, s.leading(11));
}

} // namespace mixora::calc
