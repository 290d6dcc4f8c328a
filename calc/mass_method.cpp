// The mass method: what cement and water leave of the assumed concrete mass is aggregate,
// split by the sand ratio. The stone is reached through the sand in single-precision steps,
// each stored at once; the last digit shown follows from that order.
#include "proportions.h"
#include "steps.h"

namespace mixora::calc {

void zhiliangfa(const PressContext& press, float zlsl, float zlshuiniliang, float zlshuiliang,
                float zlbanhewu) {
    const StepContext s{press, Step::zhiliangfa};
    s.argument(Text15, zlsl);
    s.argument(Text4, zlshuiniliang);
    s.argument(Text26, zlshuiliang);
    s.argument(Text20, zlbanhewu);
    const float aggregate =
        s.store(s.sub(s.sub(zlbanhewu, zlshuiniliang, Text20), zlshuiliang, Text20), Text20);
    const float sand = s.store(s.mul(aggregate, zlsl, Text15), Text15);
    const float p = s.store(s.mul(sand, zlsl, Text15), Text15);
    const float d = s.store(s.sub(sand, p, Text15), Text15);
    // A sand ratio of 0 ends here with 0 / 0, before the frame is touched.
    const float stone = s.store(s.div(d, zlsl, Text15), Text15);

    s.write(Text11, s.text(Text4));
    s.write(Text14, s.text(Text26));
    s.write(Text13, s.plain(stone));
    s.write(Text12, s.plain(sand));

    // The cement is the text in Text11; stone and sand are their texts formed again.
    WriteProportion(s, Text33, s.leading(Text14));
    WriteProportion(s, Text32, ParseLeadingNumber(s.plain(stone)));
    WriteProportion(s, Text31, ParseLeadingNumber(s.plain(sand)));
    WriteProportion(s, Text30, s.leading(Text11));
}

} // namespace mixora::calc
